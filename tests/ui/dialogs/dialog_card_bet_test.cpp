#include "ui/dialogs/dialog_card_bet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/persons/npc_type.h"
#include "engine/draw/digit_glyphs.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_card_bet_test {

namespace {

class CardBetTest : public PlayDialogTest {
protected:
    bool open(uint32_t mode) {
        StartPlay(mode);
        if (HasFailure()) return false;
        dialog.Init(&Game());
        return true;
    }
    void show(uint16_t maximum) {
        person.signedValue = int16_t(maximum);
        dialog.Show(person);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
        m_rig->Sounds().Clear();
    }
    void tap(const SCtrl& ctrl) { m_rig->Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2); }
    // Raise, lower, maximum and minimum, enabled or not.
    std::vector<bool> enabled() const {
        return {dialog.m_raise.IsEnabled(), dialog.m_lower.IsEnabled(), dialog.m_toMaximum.IsEnabled(),
                dialog.m_toMinimum.IsEnabled()};
    }
    static std::string amount(uint32_t stake) {
        SString text;
        text.Format("%u%c", stake, 9);
        ToDigitGlyphs(text);
        return text.Text();
    }

    SNpcType person;
    SDialogCardBet dialog;
};

TEST_F(CardBetTest, theStepFollowsTheMaximumAndTheStakeStartsAtIt) {
    ASSERT_TRUE(open(7));
    struct Row {
        uint16_t maximum;
        uint32_t step;
    };
    for (const Row row : {Row{10, 10}, Row{100, 10}, Row{101, 50}, Row{250, 50}, Row{300, 50}, Row{301, 100},
                          Row{1000, 100}, Row{1001, 1000}, Row{65535, 1000}}) {
        show(row.maximum);
        EXPECT_EQ(dialog.Step(), row.step) << row.maximum;
        EXPECT_EQ(dialog.Stake(), row.step) << row.maximum;
        EXPECT_EQ(dialog.Maximum(), row.maximum);
        EXPECT_EQ(std::string(dialog.m_amount.m_words.Text()), amount(row.step)) << row.maximum;
    }
}

TEST_F(CardBetTest, fourRaisesReach250WhereRaiseAndMaximumTurnOff) {
    ASSERT_TRUE(open(7));
    show(250);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, true, false})) << "at the step, lower is off";
    for (uint32_t expected : {100u, 150u, 200u, 250u}) {
        tap(dialog.m_raise);
        EXPECT_EQ(dialog.Stake(), expected);
    }
    EXPECT_EQ(enabled(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(std::string(dialog.m_amount.m_words.Text()), amount(250));
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>(4, "bsnd_click 10"));
    tap(dialog.m_raise);
    EXPECT_EQ(dialog.Stake(), 250u) << "a disabled raise does nothing";
    tap(dialog.m_toMinimum);
    EXPECT_EQ(dialog.Stake(), 50u);
    tap(dialog.m_toMaximum);
    EXPECT_EQ(dialog.Stake(), 250u);
    tap(dialog.m_lower);
    EXPECT_EQ(dialog.Stake(), 200u);
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(CardBetTest, raisingPastTheLastWholeStepStopsAtTheMaximum) {
    ASSERT_TRUE(open(7));
    show(1050);
    dialog.OnCommand(SDialogCardBet::kRaise);
    EXPECT_EQ(dialog.Stake(), 1050u) << "1000 raised by 1000 is held at 1050";
    dialog.OnCommand(SDialogCardBet::kLower);
    EXPECT_EQ(dialog.Stake(), 1000u) << "and lowered, never below the step";
}

TEST_F(CardBetTest, atTheStepLowerIsOffAndItsCommandKeepsTheStake) {
    ASSERT_TRUE(open(7));
    show(100);
    EXPECT_FALSE(dialog.m_lower.IsEnabled());
    dialog.OnCommand(SDialogCardBet::kLower);
    dialog.OnCommand(SDialogCardBet::kMinimum);
    EXPECT_EQ(dialog.Stake(), 10u);
}

// A person who plays for less than a step is offered exactly what it plays for, never the step.
TEST_F(CardBetTest, aMaximumBelowTheStepIsTheStakeAndNothingMoves) {
    ASSERT_TRUE(open(7));
    for (uint16_t maximum : {5, 0}) {
        show(maximum);
        EXPECT_EQ(dialog.Stake(), maximum);
        EXPECT_EQ(enabled(), (std::vector<bool>(4, false))) << maximum;
        for (uint32_t id :
             {SDialogCardBet::kRaise, SDialogCardBet::kMaximum, SDialogCardBet::kLower, SDialogCardBet::kMinimum}) {
            dialog.OnCommand(id);
            EXPECT_EQ(dialog.Stake(), maximum) << "command " << id;
        }
    }
}

TEST_F(CardBetTest, acceptAndCancelGoToTheOwnerWithTheHeavyClick) {
    for (uint32_t mode : {7u, 10u}) {
        ASSERT_TRUE(open(mode));
        show(250);
        tap(dialog.m_raise);
        m_rig->Shot("card_bet_mode" + std::to_string(mode));
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Sounds().Clear();
        tap(dialog.m_accept);
        tap(dialog.m_cancel);
        EXPECT_EQ(Play().m_commands, (std::vector<uint32_t>{SDialogCardBet::kAccept, SDialogCardBet::kCancel}));
        EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>(2, "bsnd_clickh 10"));
        EXPECT_EQ(dialog.Stake(), 100u) << "the owner reads the stake after accept";
    }
}

}  // namespace

}  // namespace dialog_card_bet_test
