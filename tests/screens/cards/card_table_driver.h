#pragma once
// Drives the card table on the interface rig as a player would: opens it over the play screen with
// the hand-over words the conversation gives (stake, person record), taps hand cards, lets cards
// fly and pauses run out on the headless clock.
#include <cstdint>
#include <string>

#include "game/game_data.h"
#include "screens/cards/state_card.h"
#include "screens/screen_id.h"
#include "support/sound_fixtures.h"
#include "support/text_ctrl_lines.h"
#include "support/ui_rig.h"

class CardTableDriver {
public:
    // Far more ticks than any flight or deal takes.
    static constexpr int kMostTicks = 1000;

    explicit CardTableDriver(UiRig& rig) : m_rig(rig) {
        AddToneSounds(rig.Game().m_soundTable,
                      {"bsnd_click", "bsnd_clickh", "bsnd_card", "bsnd_cardselect", "bsnd_carddamage"});
    }

    SGameData& Game() { return m_rig.Game(); }
    SStateCard& Table() { return static_cast<SStateCard&>(*Game().Screen(kCardGameScreen)); }
    SCardGame& Rules() { return *Table().Rules(); }

    // The current screen keeps itself and hands the stake and the person over, as the conversation
    // does; the table is entered within the frame.
    void Open(uintptr_t stake, const SNpcType* person) {
        SState& opener = *Game().m_currentScreen;
        opener.m_keep = 1;
        opener.m_param[0] = stake;
        opener.m_param[1] = reinterpret_cast<uintptr_t>(person);
        opener.m_param[2] = 0;
        opener.m_param[3] = 0;
        Game().SwitchState(kCardGameScreen);
        m_rig.Frame();
    }
    // Frames until no card flies; false when they never stop.
    bool RunFlights() {
        for (int i = 0; i < kMostTicks && Table().IsFlying(); ++i) m_rig.Frame();
        return !Table().IsFlying();
    }
    // The pause after a landing runs out: the clock passes it and a frame sees it.
    void EndPause() {
        m_rig.AdvanceClock(SStateCard::kPauseMs);
        m_rig.Frame();
    }
    void TapCtrl(const SCtrl& ctrl) { m_rig.Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2); }
    void TapHand(int32_t slot) { TapCtrl(Table().Side(kCardPlayer).hand[size_t(slot)]); }
    // The first slot of the player's hand that holds a card, or -1.
    int32_t FirstCard() {
        for (int32_t slot = 0; slot < kHandSlots; ++slot)
            if (Rules().Side(kCardPlayer).hand[slot]) return slot;
        return -1;
    }
    // Selects and plays the card in the slot with two taps, and lets it land.
    bool Play(int32_t slot) {
        TapHand(slot);
        TapHand(slot);
        return RunFlights();
    }
    // The closing message's text while it shows, else empty.
    std::string MessageText() {
        SStateCard& table = Table();
        return table.m_child == &table.m_message ? TextCtrlLines(table.m_messageText) : std::string();
    }

private:
    UiRig& m_rig;
};
