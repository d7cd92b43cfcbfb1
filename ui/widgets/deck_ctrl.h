#pragma once
// SDeckCtrl: a pile of cards whose height shows how many are left: one layer per few cards, each
// drawn a pixel up and to the left of the one below, every other one mirrored so the edges read as
// separate cards.
#include <cstdint>

#include "ui/widgets/card_tap_ctrl.h"

struct SPictureEntry;

class SDeckCtrl : public SCardTapCtrl {
public:
    // A known card on top: its picture, the small picture printed on it and its identifying word.
    void SetCard(uint32_t card, const SPictureEntry* picture, const SPictureEntry* overlay);
    // A face-down card on top.
    void SetPicture(const SPictureEntry* picture);
    void SetEmptyPicture(const SPictureEntry* picture) { m_emptyPicture = picture; }
    void SetCount(uint32_t count);
    // Never below 0; a pile of 0 shows the empty picture.
    void Decrement();
    uint32_t GetCount() const { return m_count; }
    // The layers a pile of m_count cards shows on this screen type, at least 1.
    int Layers() const;

    void Draw() override;

    uint32_t m_card = 0;  // 0 for none
    const SPictureEntry* m_picture = nullptr;
    const SPictureEntry* m_overlay = nullptr;
    const SPictureEntry* m_emptyPicture = nullptr;
    uint32_t m_count = 0;
};
