// Saving and loading as a player does it, through the game object's input entries: the inventory's
// main-menu button, the menu's rows, the slot list; and dying, through the death screen, to a menu
// that offers neither Continue nor Save.
#include <gtest/gtest.h>

#include <set>

#include "screens/death/state_death.h"
#include "screens/inventory/state_inventory.h"
#include "screens/loadsave/load_save_fixture.h"
#include "screens/menu/state_main.h"

namespace load_save_game_test {

namespace {

using Screen = SStateLoadSave;

class LoadSaveGameTest : public LoadSaveTest {
protected:
    void Walk(std::initializer_list<uint32_t> actions) {
        for (uint32_t action : actions) {
            m_driver->Press(action);
            ASSERT_TRUE(m_driver->RunUntilIdle(20));
        }
    }
    // The bag opened from the play screen, then its main-menu button.
    void OpenMenuThroughTheInventory() {
        Play().m_keep = 1;
        Play().m_param[0] = SStateInventory::kOpenBag;
        Game().SwitchState(kInventoryScreen);
        m_driver->Frame();
        auto& inventory = static_cast<SStateInventory&>(*Game().Screen(kInventoryScreen));
        ASSERT_EQ(Game().m_currentScreen, &inventory);
        TapOn(inventory.m_mainMenu);
        ASSERT_EQ(Game().m_currentScreen, &Menu());
    }
    SStateMain& Menu() { return static_cast<SStateMain&>(*Game().Screen(kMainMenuScreen)); }
    std::set<uint32_t> MenuRows() {
        std::set<uint32_t> ids;
        for (int i = 0; i < Menu().m_list.RowCount(); ++i) ids.insert(Menu().m_list.Row(i).id);
        return ids;
    }
    // Down the menu's list to the row, then the choose key.
    void Choose(uint32_t id) {
        SDialogListCtrl& list = Menu().m_list;
        for (int i = 0; i < list.RowCount() && list.GetSelectedId() != id; ++i) m_driver->Rig().Key(1002);
        ASSERT_EQ(list.GetSelectedId(), id);
        m_driver->Rig().Key(kActionUse);
    }

    struct SPlace {
        int32_t x, y;
        uint32_t heading, minutes, gold;
        std::multiset<std::string> items;
        bool operator==(const SPlace&) const = default;
    };
    SPlace Now() {
        std::multiset<std::string> items;
        const SPlayer& player = Game().m_player;
        for (int i = 0; i < player.ItemCount(); ++i) items.insert(player.Item(i)->m_type->m_name.Text());
        return {Play().m_playerX, Play().m_playerY, Play().m_heading, Play().m_minutes, player.Gold(), items};
    }
};

TEST_F(LoadSaveGameTest, aGameSavedToSlot2ThroughTheMenusComesBackWhereItWas) {
    StartSampleWorld();
    Walk({kActionTurnLeft, kActionForward, kActionForward});
    OpenMenuThroughTheInventory();
    Choose(SStateMain::kSaveGame);
    SStateLoadSave& screen = Screen();
    ASSERT_EQ(Game().m_currentScreen, &screen);
    EXPECT_FALSE(screen.LoadMode());
    TapRow(1);
    TapOn(screen.m_action);
    ASSERT_EQ(MessageText(), "Game saved.");
    m_driver->Rig().Shot("load_save_after_save");
    AnswerYes();
    ASSERT_EQ(Game().m_currentScreen, &Menu());
    Choose(SStateMain::kContinue);
    ASSERT_EQ(Game().m_currentScreen, &Play());
    const SPlace saved = Now();

    Walk({kActionTurnRight, kActionForward});
    ASSERT_NE(Play().m_playerX * 100 + Play().m_playerY, saved.x * 100 + saved.y) << "walked on";
    Game().m_player.ReceiveGold(250, false, false);
    OpenMenuThroughTheInventory();
    Choose(SStateMain::kLoadGame);
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskLoad);
    AnswerYes();
    ASSERT_EQ(Game().m_currentScreen, &screen);
    EXPECT_TRUE(screen.LoadMode());
    TapRow(1);
    TapOn(screen.m_action);
    ASSERT_EQ(Game().m_currentScreen, &Play());
    EXPECT_EQ(Game().StackDepth(), 0);
    EXPECT_TRUE(Now() == saved);
    EXPECT_TRUE(m_driver->RunUntilIdle(20)) << "the loaded game plays on";
}

TEST_F(LoadSaveGameTest, atZeroHitPointsTheDeathScreenLeadsToAMenuWithoutContinueOrSave) {
    StartSampleWorld();
    Game().m_player.SetHp(0, false);
    EXPECT_EQ(m_driver->Frame(), kDeathScreen);
    auto& death = static_cast<SStateDeath&>(*Game().Screen(kDeathScreen));
    ASSERT_EQ(Game().m_currentScreen, &death);
    EXPECT_EQ(Game().StackDepth(), 0) << "the play screen is left, not kept";
    EXPECT_STREQ(death.m_epitaph.m_words.Text(), SStateDeath::kEpitaph);
    m_driver->Rig().Shot("death_screen");

    // Keys and taps away from the button leave the screen as it is.
    for (uint32_t key : {1000u, 1002u, 3007u}) m_driver->Rig().Key(key);
    m_driver->Rig().Tap(2, 2);
    TapOn(death.m_pictures[1]);
    EXPECT_EQ(Game().m_currentScreen, &death);

    TapOn(death.m_toMenu);
    ASSERT_EQ(Game().m_currentScreen, &Menu());
    const std::set<uint32_t> rows = MenuRows();
    EXPECT_EQ(rows.count(SStateMain::kContinue), 0u);
    EXPECT_EQ(rows.count(SStateMain::kSaveGame), 0u);
    EXPECT_EQ(rows.count(SStateMain::kLoadGame), 1u);
}

}  // namespace

}  // namespace load_save_game_test
