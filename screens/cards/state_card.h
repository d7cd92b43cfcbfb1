#pragma once
// SStateCard: the card table (screen 12). It is entered with a stake and the opponent's person
// record, takes the stake, deals both hands with flying cards and lets the player and the computer
// opponent play in turns over the card rules (SCardGame): a tap selects a hand card, a second tap
// plays it, the opponent answers after the pause that follows every landing. The end settles the
// bet once in a message whose Ok goes back to the screen that opened the table. A stake is never
// more than the person plays for or the player holds, and a table whose pictures are not all in
// the interface package is not laid at all: a message says so and no gold changes hands.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "cards/card_faces.h"
#include "cards/card_game.h"
#include "screens/cards/card_flight.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/card_ctrl.h"
#include "ui/widgets/card_sign_ctrl.h"
#include "ui/widgets/deck_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/name_text_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SNpcType;
struct SPictureEntry;

class SStateCard : public SState, public SCardListener {
public:
    static constexpr uint32_t kLayout = 14;
    static constexpr uint32_t kPauseMs = 1000;
    static constexpr int32_t kDealDelay = 6;  // ticks between two dealt cards
    static constexpr uint32_t kGiveUpKey = 3007;
    static constexpr uint32_t kHourMinutes = 60;

    // The layout elements, which are also the commands of the controls that send any.
    enum Element : uint32_t {
        kBackground = 19,
        kPlayerHand0 = 108,
        kPlayerPortrait = 109,
        kCardText = 110,
        kPlayerHand1 = 111,
        kOpponentHand0 = 115,
        kTableCard = 120,
        kPlayerMarker0 = 121,
        kOpponentPortrait = 124,
        kOpponentMarker0 = 125,
        kPlayerPile = 128,
        kOpponentPile = 129,
        kOpponentHp = 130,
        kPlayerHp = 131,
        kTextFrame = 132,
        kGiveUp = 133,
    };
    // The hand elements of each side by slot.
    static constexpr std::array<uint32_t, kHandSlots> kPlayerHand{108, 111, 112, 113, 114};
    static constexpr std::array<uint32_t, kHandSlots> kOpponentHand{115, 116, 117, 118, 119};

    // The interface pictures the table is drawn with, besides the cards' own.
    enum Picture {
        kTablePicture,
        kFirstBack,  // one per deck
        kPilePicture = kFirstBack + 3,
        kSlotPicture,
        kHitMark,
        kTickMark,
        kSpecialFace,
        kPlainFace,
        kGiveUpPicture,
        kGiveUpPressed,
        kPictureCount
    };

    // One side of the table as the screen shows it.
    struct SSideCtrls {
        SDeckCtrl pile;
        SFaceCtrl portrait;
        STextCtrl hp;
        std::array<SCardCtrl, kHandSlots> hand;
        std::array<SCardSignCtrl, kMarkerSlots> markers;
    };

    void Init(SGameData* game) override;
    // p1 the stake, p2 the opponent's person record (SNpcType); p3 and p4 are kept unused.
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnTick(uint32_t arg) override;

    // The game on the table; null before the first Enter and after a refused one.
    SCardGame* Rules() { return m_rules.get(); }
    const SCardGame* Rules() const { return m_rules.get(); }
    uint32_t Stake() const { return m_stake; }
    int32_t Selected() const { return m_selected; }
    bool IsFlying() const { return !m_flights.empty(); }
    bool IsPausing() const { return m_pausing; }
    bool IsOver() const { return m_over; }
    // Whether a hand command would be taken now: the player's turn, nothing flying, no pause, and
    // the hands full or a combo pending.
    bool CanPlay() const;
    const SSideCtrls& Side(uint32_t side) const { return m_sides[side]; }

    SFillBmpCtrl m_background;
    SButtonCtrl m_giveUp;
    SCardCtrl m_tableCard;
    SBorderCtrl m_textFrame;
    SNameTextCtrl m_cardText;
    SDialogTextCtrl m_questionText;
    SDialogMessage m_question;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

private:
    // The rules' news.
    void OnCardDealt(uint32_t side, int32_t slot) override;
    void OnHit(uint32_t side) override;
    void OnHpChanged(uint32_t side) override;
    void OnMarkersChanged(uint32_t side) override;
    void OnMarkerHit(uint32_t side, int32_t slot) override;
    void OnMarkerTicked(uint32_t side, int32_t slot) override;
    void OnGameOver(bool playerWon) override;

    // Setting the table (state_card_table.cpp).
    // False, with the record's id in `missing`, when a picture the table needs is missing.
    bool loadPictures(uint16_t& missing);
    void releasePictures();
    void placeCtrls();
    void placeSide(uint32_t side);
    void placeHand(uint32_t side);
    void showOpponentPortrait();
    void showHp(uint32_t side);
    void showMarkers(uint32_t side);
    void showPile(uint32_t side);
    void showCardText(const char* name, const char* text);
    void showCard(const SCard& card, uint32_t shownCount);
    void clearMarks();
    // What a moving card uncovers and covers: the table's background is painted back over the
    // place it left, and every control there or over those is drawn again, so that a flight does
    // not cost a full redraw each tick.
    struct SRect {
        int32_t x, y, w, h;
        bool Overlaps(const SRect& other) const {
            return x < other.x + other.w && other.x < x + w && y < other.y + other.h && other.y < y + h;
        }
    };
    void repaintUnder(std::initializer_list<SRect> places);
    // Where a control draws: its rectangle, and for a pile the layers it stacks up and to the left.
    SRect drawnRect(const SCtrl& ctrl) const;
    void paintBackground(const SRect& place);
    // A table that cannot be laid: the message alone, and Ok goes back.
    void refuse(uint16_t missing);

    // Playing (state_card.cpp).
    uint32_t handCommand(int32_t slot);
    void select(int32_t slot);
    void lowerHand();
    void fly(uint32_t side, int32_t slot, bool play, int32_t delay);
    void showFace(const SCardFlight& flight);
    void advanceFlights();
    void land(const SCardFlight& flight);
    void endPause();
    void askGiveUp();
    void showMessage(const char* text);
    // Hand slot of a command id, or -1.
    static int32_t handSlot(uint32_t id);

    std::array<std::unique_ptr<SPictureEntry>, kPictureCount> m_pictures;
    SCardFaces m_faces;
    std::array<SSideCtrls, 2> m_sides;
    std::unique_ptr<SCardGame> m_rules;
    std::vector<SCardFlight> m_flights;
    const SNpcType* m_opponent = nullptr;
    uint32_t m_stake = 0;
    int32_t m_selected = -1;
    const SCard* m_tableShown = nullptr;  // the card that lies on the table, if any
    bool m_pausing = false;
    uint32_t m_pauseStart = 0;
    bool m_over = false;  // the bet is settled, or the table was refused
};
