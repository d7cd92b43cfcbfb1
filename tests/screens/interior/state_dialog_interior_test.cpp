#include "screens/interior/state_dialog_interior.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/persons/npc_type.h"
#include "data/world/global_table.h"
#include "data/world/interior.h"
#include "screens/conversation/state_dialog.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace state_dialog_interior_test {

namespace {

using Inside = SStateDialogInterior;

class InteriorScreenTest : public PlayDialogTest {
protected:
    UiRig& StartInn(uint32_t mode, uint8_t services) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        AddSounds({"bsnd_cdoorclose"});
        keeper.texts[0].Assign("Hale the inn keeper");
        keeper.texts[2].Assign("base_inn");
        keeper.texts[3].Assign("Warm beds and cold ale.");
        keeper.smallValues[3] = services;
        keeper.roomPrice = 10;
        auto inn = std::make_unique<SInterior>();
        inn->m_name.Set("base_inn");
        inn->m_text.Assign("The Sleeping Ox");
        Game().m_interiors.Add(std::move(inn));
        SetGold(500);
        return rig;
    }
    void SetGold(uint32_t gold) {
        Player().RemoveGold(Player().Gold(), false);
        Player().ReceiveGold(gold, false, false);
    }
    Inside& Open() {
        SState& opener = *Game().m_currentScreen;
        opener.m_keep = 1;
        opener.m_param[0] = 0;
        opener.m_param[1] = reinterpret_cast<uintptr_t>(&keeper);
        opener.m_param[2] = 0;
        opener.m_param[3] = 0;
        Game().SwitchState(kInteriorScreen);
        m_rig->Frame();
        return Inn();
    }
    Inside& Inn() { return static_cast<Inside&>(*Game().Screen(kInteriorScreen)); }
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Game().m_currentScreen->OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        return answer;
    }
    uint32_t Minutes() { return SStateGame::Of(Game())->GameMinutes(); }

    SNpcType keeper;
};

TEST_F(InteriorScreenTest, theMenuHoldsTalkTheServicesInOrderAndLeave) {
    StartInn(10, SNpcType::kTrade | SNpcType::kRepair | SNpcType::kSleep);
    Inside& inn = Open();
    const std::array<uint32_t, Inside::kMenuSlots> expected{Inside::kTalk, Inside::kBuySell, Inside::kRepair,
                                                            Inside::kSleep, 0};
    EXPECT_EQ(inn.MenuCommands(), expected);
    EXPECT_TRUE(inn.m_leave.IsShown());
    EXPECT_FALSE(inn.m_menu[4].IsShown());
    EXPECT_EQ(std::string(inn.m_welcome.m_words.Text()), "Warm beds and cold ale.");
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("inn_mode10_menu");
}

TEST_F(InteriorScreenTest, fiveButtonsStandingLeaveNoRoomForCardsNorForASixth) {
    StartInn(7, 0x01 | 0x02 | 0x04 | 0x08 | 0x20 | 0x40);
    Inside& inn = Open();
    const std::array<uint32_t, Inside::kMenuSlots> expected{Inside::kTalk, Inside::kBuySell, Inside::kTraining,
                                                            Inside::kRepair, Inside::kEnchant};
    EXPECT_EQ(inn.MenuCommands(), expected);
    EXPECT_EQ(inn.m_leave.m_command, uint32_t(Inside::kLeave)) << "Leave keeps its own place";

    StartInn(7, SNpcType::kTrade | SNpcType::kCards);
    const std::array<uint32_t, Inside::kMenuSlots> withCards{Inside::kTalk, Inside::kBuySell, Inside::kCards, 0, 0};
    EXPECT_EQ(Open().MenuCommands(), withCards);
}

TEST_F(InteriorScreenTest, sleepingChargesOncePassesEightHoursAndLeavingRefreshesTheSky) {
    StartInn(7, SNpcType::kSleep);
    Inside& inn = Open();
    const uint32_t price = inn.RoomPrice();
    EXPECT_EQ(price, 50u) << "five times the level, the player's trade skill adding nothing";
    const uint32_t before = Minutes();
    Command(Inside::kSleep);
    ASSERT_EQ(inn.SubModeNow(), uint32_t(Inside::kRentQuestion));
    EXPECT_EQ(TextCtrlLines(inn.m_messageText), "Do you want to rent a room for 50\t?");
    Command(SDialogMessage::kYes);
    EXPECT_EQ(Player().Gold(), 450u);
    EXPECT_EQ(Minutes(), before + 8 * 60);
    EXPECT_EQ(inn.SubModeNow(), uint32_t(Inside::kResting));
    EXPECT_EQ(inn.m_child, &inn.m_rest);
    Command(SDialogRest::kContinue);
    EXPECT_EQ(inn.SubModeNow(), uint32_t(Inside::kMenu));
    EXPECT_EQ(Player().Gold(), 450u) << "charged once";
    EXPECT_TRUE(inn.TimePassed());
    EXPECT_EQ(Command(Inside::kLeave), uint32_t(kGoBack));
    EXPECT_EQ(Game().m_currentScreen, SStateGame::Of(Game()));
}

TEST_F(InteriorScreenTest, noOrOkOnTheRoomQuestionChargesNothing) {
    StartInn(7, SNpcType::kSleep);
    Inside& inn = Open();
    const uint32_t before = Minutes();
    Command(Inside::kSleep);
    Command(SDialogMessage::kNo);
    EXPECT_EQ(inn.SubModeNow(), uint32_t(Inside::kMenu));
    SetGold(20);
    Command(Inside::kSleep);
    EXPECT_EQ(TextCtrlLines(inn.m_messageText), "You don't have enough money to rent a room (50\t).");
    Command(SDialogMessage::kOk);
    EXPECT_EQ(Player().Gold(), 20u);
    EXPECT_EQ(Minutes(), before);
    EXPECT_FALSE(inn.TimePassed());
    EXPECT_EQ(inn.m_child, nullptr);
}

TEST_F(InteriorScreenTest, aKeeperWithoutWelcomeSaysSoAndAHugeLevelNeverWrapsTheRoomPrice) {
    StartInn(7, SNpcType::kSleep);
    keeper.texts[3].Assign("");
    auto global = std::make_unique<SGlobalVar>();
    global->m_name.Set("base_halelevel");
    global->m_value = SScriptValue(INT32_MAX);
    Game().m_globals.Add(std::move(global));
    keeper.globalName.Assign("base_halelevel");
    Inside& inn = Open();
    EXPECT_EQ(std::string(inn.m_welcome.m_words.Text()), "- welcome message not found -");
    EXPECT_EQ(inn.RoomPrice(), SPlayer::kMaxGold) << "held at the largest purse";
    Command(Inside::kSleep);
    Command(SDialogMessage::kOk);
    EXPECT_EQ(Player().Gold(), 500u);
}

TEST_F(InteriorScreenTest, talkOpensTheConversationWithBackAndAMissingBuildingTalksInstead) {
    StartInn(7, SNpcType::kTrade);
    Open();
    EXPECT_EQ(Command(Inside::kTalk), uint32_t(kConversationScreen));
    auto& talk = static_cast<SStateDialog&>(*Game().Screen(kConversationScreen));
    EXPECT_EQ(Game().m_currentScreen, &talk);
    m_rig->Frame();
    EXPECT_STREQ(talk.m_goodbye.m_topic.Text(), "Back");
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    EXPECT_EQ(Game().m_currentScreen, &Inn());
    Command(Inside::kLeave);

    keeper.texts[2].Assign("base_nowhere");
    Open();
    EXPECT_EQ(Game().m_currentScreen, &talk) << "the first tick hands the person to the conversation";
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    EXPECT_EQ(Game().m_currentScreen, SStateGame::Of(Game()));
}

}  // namespace

}  // namespace state_dialog_interior_test
