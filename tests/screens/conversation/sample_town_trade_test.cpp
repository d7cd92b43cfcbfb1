// The sample world's traders in a new game, as far as the play screen takes it: the conversation,
// the shop and the inn are entered with the words the play screen hands over when the player
// talks to a counter in Eastbrook, and what they change survives a save and a load.
#include <gtest/gtest.h>

#include <string>

#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "data/player/character_choice.h"
#include "game/script/script_context.h"
#include "screens/conversation/state_dialog.h"
#include "screens/interior/state_dialog_interior.h"
#include "screens/new_game_rig.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "screens/shop/state_shop.h"
#include "support/text_ctrl_lines.h"
#include "tools/sampledata/sample_cards.h"
#include "tools/sampledata/sample_merchants.h"

namespace sample_town_trade_test {

namespace {

class SampleTownTradeTest : public NewGameRigTest {
protected:
    SMap* Town() { return Game().m_packages.Current()->FindMap("base_s0303"); }
    // The counter object whose person is `person`, on the town's map.
    SPlacedObject* Counter(const char* person) {
        SMap* town = Town();
        if (town == nullptr) return nullptr;
        for (int i = 0; i < town->Objects().Count(); ++i)
            if (town->Objects()[i]->textA.Equals(person)) return town->Objects()[i];
        return nullptr;
    }
    // What the play screen does when the player uses the counter: the person's screen opens.
    void TalkTo(const char* name, ScreenId screen) {
        SNpcType* person = Game().m_npcTypes.Find(name);
        ASSERT_NE(person, nullptr) << name;
        Game().m_scriptContext->SetupForConversation(person);
        SState& play = *Current();
        play.m_keep = 1;
        play.m_param[0] = 0;
        play.m_param[1] = reinterpret_cast<uintptr_t>(person);
        play.m_param[2] = reinterpret_cast<uintptr_t>(Counter(name));
        play.m_param[3] = reinterpret_cast<uintptr_t>(Town());
        Game().SwitchState(screen);
        m_rig->Frame();
    }
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Current()->OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        m_rig->Frame();
        return answer;
    }
    SGameData& Game() { return m_rig->Game(); }
    SPlayer& Player() { return Game().m_player; }
    uint32_t Minutes() { return SStateGame::Of(Game())->GameMinutes(); }
};

TEST_F(SampleTownTradeTest, talkBuySellSleepLeaveSaveAndLoad) {
    StartNewGame(10);
    ASSERT_NE(Town(), nullptr);
    ASSERT_NE(Counter(kSampleMerchant), nullptr);
    Player().ReceiveGold(500, false, false);

    TalkTo(kSampleMerchant, kConversationScreen);
    auto& talk = static_cast<SStateDialog&>(*Current());
    ASSERT_EQ(&talk, Game().Screen(kConversationScreen));
    EXPECT_NE(TextCtrlLines(talk.m_text).find("Looking to buy or sell, Tamsin?"), std::string::npos)
        << TextCtrlLines(talk.m_text);
    ASSERT_EQ(talk.TopicButtons().size(), 2u);
    m_rig->Shot("sample_tobin_mode10_greeting");
    Command(SStateDialog::kFirstTopic);
    for (int i = 0; i < 5 && talk.m_continue.IsShown(); ++i) Command(SStateDialog::kContinue);
    ASSERT_TRUE(talk.m_answers[0].IsShown());
    m_rig->Shot("sample_tobin_mode10_question");
    Command(SStateDialog::kFirstAnswer);
    EXPECT_TRUE(Player().HasQuest(kSampleQuest)) << "the answer's script gave the quest";
    EXPECT_NE(TextCtrlLines(talk.m_text).find("Thank you!"), std::string::npos);

    ASSERT_EQ(Command(SStateDialog::kBuySell), uint32_t(kShopScreen));
    auto& shop = static_cast<SStateShop&>(*Current());
    ASSERT_GT(shop.m_grid.EntryCount(), 0) << "the restocked stock";
    const uint32_t price = shop.m_grid.Entry(0)->price;
    const uint32_t before = Player().Gold();
    const int owned = Player().ItemCount();
    Command(SStateShop::kBuy);
    EXPECT_EQ(Player().Gold(), before - price);
    EXPECT_EQ(Player().ItemCount(), owned + 1);
    m_rig->Shot("sample_tobin_mode10_shop");
    Player().ReceiveItems("base_ring_copper", 1, false);
    Command(SStateShop::kSell);
    const int rings = Player().CountOwnedItemsByName("base_ring_copper");
    ASSERT_GT(shop.m_grid.EntryCount(), 0);
    const uint32_t beforeSale = Player().Gold();
    for (int i = 0; i < shop.m_grid.EntryCount(); ++i)
        if (std::string(shop.m_grid.Entry(i)->type->m_name.Text()) == "base_ring_copper") shop.m_grid.Select(i);
    Command(SStateShop::kSell);
    ASSERT_TRUE(shop.DealOpen()) << "the ring is worth more than the merchant pays";
    Command(SStateShop::kYes);
    EXPECT_EQ(Player().Gold(), beforeSale + kSampleMerchantMaxPrice);
    EXPECT_EQ(Player().CountOwnedItemsByName("base_ring_copper"), rings - 1);
    EXPECT_EQ(Command(SStateShop::kBack), uint32_t(kGoBack));
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    ASSERT_EQ(Current(), Game().Screen(kPlayScreen));

    TalkTo(kSampleInnKeeper, kInteriorScreen);
    auto& inn = static_cast<SStateDialogInterior&>(*Current());
    ASSERT_EQ(&inn, Game().Screen(kInteriorScreen));
    ASSERT_NE(inn.Building(), nullptr);
    m_rig->Shot("sample_inn_mode10_menu");
    const uint32_t goldBeforeRoom = Player().Gold(), minutesBeforeRoom = Minutes();
    const uint32_t room = inn.RoomPrice();
    Command(SStateDialogInterior::kSleep);
    Command(SDialogMessage::kYes);
    EXPECT_EQ(Player().Gold(), goldBeforeRoom - room);
    EXPECT_EQ(Minutes(), minutesBeforeRoom + 8 * 60);
    Command(SDialogRest::kContinue);
    ASSERT_EQ(Command(SStateDialogInterior::kTalk), uint32_t(kConversationScreen));
    EXPECT_STREQ(talk.m_goodbye.m_topic.Text(), "Back");
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    ASSERT_EQ(Current(), &inn);
    EXPECT_EQ(Command(SStateDialogInterior::kLeave), uint32_t(kGoBack));
    ASSERT_EQ(Current(), Game().Screen(kPlayScreen));

    const uint32_t gold = Player().Gold(), minutes = Minutes();
    const int items = Player().ItemCount();
    std::string error;
    ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
    Player().RemoveGold(Player().Gold(), false);
    ASSERT_TRUE(Game().m_saveNames.LoadGame(1, m_steps, error)) << error;
    EXPECT_EQ(Player().Gold(), gold);
    EXPECT_EQ(Player().ItemCount(), items);
    EXPECT_EQ(Minutes(), minutes);
    EXPECT_TRUE(Player().HasQuest(kSampleQuest));
}

TEST_F(SampleTownTradeTest, theInnKeepersRumoursComeFromAListAndTheCardPlayersTaleFollowsOn) {
    StartNewGame(7);
    TalkTo(kSampleInnKeeper, kConversationScreen);
    auto& talk = static_cast<SStateDialog&>(*Current());
    ASSERT_EQ(talk.TopicButtons().size(), 1u);
    Command(SStateDialog::kFirstTopic);
    ASSERT_TRUE(talk.ListOpen());
    ASSERT_EQ(talk.m_list.RowCount(), 2);
    m_rig->Shot("sample_hale_mode7_rumours");
    talk.m_list.Select(0);
    Command(SStateDialog::kListOk);
    const std::string text = TextCtrlLines(talk.m_text);
    // The keeper's words lead to the rumour rather than close a talk that has not begun.
    const size_t lead = text.find("This is what they say in the common room:");
    ASSERT_NE(lead, std::string::npos) << text;
    EXPECT_GT(text.find("A goblin lurks under the crossroads."), lead) << text;
    EXPECT_EQ(text.find("That is all I know."), std::string::npos) << text;
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));

    TalkTo(kSampleCardPlayer, kConversationScreen);
    ASSERT_EQ(talk.TopicButtons().size(), 1u);
    Command(SStateDialog::kFirstTopic);
    for (int i = 0; i < 5 && talk.m_continue.IsShown(); ++i) Command(SStateDialog::kContinue);
    EXPECT_NE(TextCtrlLines(talk.m_text).find("Ask me for Cards"), std::string::npos) << TextCtrlLines(talk.m_text);
    EXPECT_TRUE(talk.m_services[0].IsShown()) << "she trades";
    EXPECT_TRUE(talk.m_services[4].IsShown()) << "and plays cards";
}

}  // namespace

}  // namespace sample_town_trade_test
