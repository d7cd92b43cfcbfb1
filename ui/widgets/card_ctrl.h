#pragma once
// SCardCtrl: one card of a hand or the table, face down or showing its value, which can be lifted
// a few pixels to show it is chosen.
#include <cstdint>

#include "ui/widgets/card_tap_ctrl.h"

struct SCard;
struct SPictureEntry;
struct SCardFaces;

class SCardCtrl : public SCardTapCtrl {
public:
    // The card screen whose pictures the cards are drawn with; it outlives the control.
    void SetPictures(const SCardFaces& pictures) { m_pictures = &pictures; }
    // No card: the control's place becomes its resting place and it shows nothing. Face down, the
    // back of the card's deck; showing its value, the plain or special face with the card's own
    // picture (`cardPicture`) printed on it.
    void SetCard(const SCard* card, const SPictureEntry* cardPicture, uint32_t showValue);
    void SetLift(uint32_t pixels) { m_lift = pixels; }
    // Up by the lift from the resting place, or back down to it.
    void SetLifted(bool on);

    void Draw() override;

    const SCardFaces* m_pictures = nullptr;
    const SPictureEntry* m_picture = nullptr;
    const SPictureEntry* m_overlay = nullptr;
    const SCard* m_card = nullptr;
    uint32_t m_showValue = 0;
    // The resting place. A card lifted before any empty SetCard recorded one rests where it was
    // put, so that it rises from where it stands rather than from the screen's corner.
    int32_t m_homeX = 0;
    int32_t m_homeY = 0;
    bool m_homeSet = false;
    uint32_t m_lift = 0;
    uint32_t m_lifted = 0;

private:
    void rememberHome();
};
