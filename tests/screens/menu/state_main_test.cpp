#include "screens/menu/state_main.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_data.h"
#include "screens/screen_id.h"
#include "support/ui_rig.h"
#include "tools/sampledata/sample_music.h"

namespace state_main_test {

namespace {

class MainMenuTest : public UiRigTest {
protected:
    // The rig with the menu entered from the splash screen, as at the first start, or while a game
    // runs (the play screen set aside under the menu) with the player at the hit points given.
    SStateMain& StartMenu(uint32_t mode = 7) {
        UiRig& rig = Start(mode);
        // The rig's play screen counts as a game; the first start has none.
        rig.Game().m_gameRunning = false;
        rig.Game().SwitchState(kSplashScreen);
        rig.Key(3);
        return Menu();
    }
    SStateMain& StartMenuInGame(int32_t hp, uint32_t mode = 7) {
        UiRig& rig = Start(mode);
        rig.Game().m_gameRunning = true;
        rig.Game().m_player.SetHp(hp, false);
        rig.Game().m_currentScreen->m_keep = 1;
        rig.Game().SwitchState(kMainMenuScreen);
        rig.Frame();
        return Menu();
    }
    SStateMain& Menu() { return static_cast<SStateMain&>(*m_rig->Game().Screen(kMainMenuScreen)); }
    bool OnMenu() { return m_rig->Game().m_currentScreen == &Menu(); }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < Menu().m_list.RowCount(); ++i) rows.push_back(Menu().m_list.Row(i).text.Text());
        return rows;
    }
    // Taps the row: its press selects it, its release chooses it.
    void TapRow(const char* text) {
        SDialogListCtrl& list = Menu().m_list;
        for (int i = 0; i < list.RowCount(); ++i)
            if (std::string(list.Row(i).text.Text()) == text) {
                m_rig->Tap(list.m_x + 10, list.m_y + int(list.m_rowHeight) * i + int(list.m_rowHeight) / 2);
                return;
            }
        ADD_FAILURE() << "no row " << text;
    }
};

TEST_F(MainMenuTest, theFirstStartOffersSixRows) {
    StartMenu();
    ASSERT_TRUE(OnMenu());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Start new game", "Load Game", "Settings", "Additional worlds",
                                                "Credits", "Exit"}));
    EXPECT_EQ(Menu().m_list.m_selected, -1);
    EXPECT_EQ(std::string(Menu().m_version.m_words.Text()), "v1.01");
    m_rig->Shot("menu_first_start_240x320");
}

TEST_F(MainMenuTest, aRunningGameAddsContinueAndSave) {
    StartMenuInGame(30);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Continue game", "Start new game", "Load Game", "Save Game", "Settings",
                                                "Additional worlds", "Credits", "Exit"}));
    m_rig->Shot("menu_in_game_240x320");
}

// Every row of a game in progress shows at once, clear of the version text, in every screen mode.
TEST_F(MainMenuTest, theEightRowsOfAGameFitEveryScreen) {
    for (uint32_t mode : {6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u}) {
        StartMenuInGame(30, mode);
        const SDialogListCtrl& list = Menu().m_list;
        const STextCtrl& version = Menu().m_version;
        ASSERT_EQ(list.RowCount(), 8) << "mode " << mode;
        EXPECT_GE(int(list.m_rowsPerPage), list.RowCount()) << "mode " << mode;
        EXPECT_LE(list.m_y + int(list.m_rowHeight) * list.RowCount(), list.m_y + list.m_h) << "mode " << mode;
        const bool apart = version.m_y >= list.m_y + list.m_h || version.m_x >= list.m_x + list.m_w ||
                           version.m_y + version.m_h <= list.m_y;
        EXPECT_TRUE(apart) << "mode " << mode;
        if (mode == 6 || mode == 10) m_rig->Shot("menu_in_game_mode" + std::to_string(mode));
    }
}

TEST_F(MainMenuTest, aDeadPlayerCannotContinueOrSave) {
    StartMenuInGame(0);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Start new game", "Load Game", "Settings", "Additional worlds",
                                                "Credits", "Exit"}));
}

TEST_F(MainMenuTest, movingTheSelectionOnlyClicks) {
    StartMenu();
    m_rig->Sounds().Clear();
    m_rig->Key(1002);
    EXPECT_TRUE(OnMenu());
    EXPECT_EQ(Menu().m_list.m_selected, 0);
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"interface sound 1 10"});
    EXPECT_EQ(m_rig->Game().StackDepth(), 0);
}

struct PushCase {
    const char* row;
    ScreenId screen;
    uintptr_t firstWord;
};

class MainMenuPushTest : public MainMenuTest, public ::testing::WithParamInterface<PushCase> {};

// Each comes back to the menu through Resume, with no row selected.
TEST_P(MainMenuPushTest, aRowOpensItsScreenAndComesBackToTheMenu) {
    StartMenu();
    TapRow(GetParam().row);
    SGameData& game = m_rig->Game();
    ASSERT_EQ(game.m_currentScreen, game.Screen(GetParam().screen));
    EXPECT_EQ(game.m_currentScreen->m_param[0], GetParam().firstWord);
    EXPECT_EQ(game.StackDepth(), 1);
    game.SwitchState(kGoBack);
    m_rig->Frame();
    ASSERT_TRUE(OnMenu());
    EXPECT_EQ(Menu().m_list.m_selected, -1);
    EXPECT_EQ(Menu().m_list.RowCount(), 6);
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

INSTANTIATE_TEST_SUITE_P(Rows, MainMenuPushTest,
                         ::testing::Values(PushCase{"Load Game", kLoadSaveScreen, 1},
                                           PushCase{"Settings", kSettingsScreen, 0},
                                           PushCase{"Additional worlds", kAddOnWorldsScreen, 0}),
                         [](const auto& info) {
                             std::string name = info.param.row;
                             std::erase(name, ' ');
                             return name;
                         });

TEST_F(MainMenuTest, theMenuPlaysItsMusicAndKeepsItPlayingWhenItComesBack) {
    UiRig& rig = Start(7);
    rig.Game().m_soundTable.AddBank(std::make_unique<SMusicBank>(SampleBank()));
    for (const SMusicSong& song : SampleSongs()) rig.Game().m_soundTable.AddSong(std::make_unique<SMusicSong>(song));
    rig.Game().m_gameRunning = false;
    rig.Game().SwitchState(kSplashScreen);
    rig.Key(3);
    ASSERT_TRUE(OnMenu());
    SGameMusic& music = rig.Game().m_music;
    EXPECT_EQ(music.Name(), "bmus_main");
    const int channel = music.Channel();
    ASSERT_GT(channel, 0);
    // Whatever played meanwhile, the menu's piece is asked for again on the way back.
    TapRow("Credits");
    music.Play("bmus_surfaceday");
    rig.Game().SwitchState(kGoBack);
    rig.Frame();
    ASSERT_TRUE(OnMenu());
    EXPECT_EQ(music.Name(), "bmus_main");
    EXPECT_GT(music.Channel(), 0);
    const int again = music.Channel();
    TapRow("Settings");
    rig.Game().SwitchState(kGoBack);
    rig.Frame();
    EXPECT_EQ(music.Channel(), again) << "the piece that plays is not started over";
}

TEST_F(MainMenuTest, saveGameOpensTheSaveScreen) {
    StartMenuInGame(30);
    TapRow("Save Game");
    SGameData& game = m_rig->Game();
    ASSERT_EQ(game.m_currentScreen, game.Screen(kLoadSaveScreen));
    EXPECT_EQ(game.m_currentScreen->m_param[0], 0u);
}

TEST_F(MainMenuTest, continueResumesThePlayScreen) {
    StartMenuInGame(30);
    TapRow("Continue game");
    SGameData& game = m_rig->Game();
    EXPECT_EQ(game.m_currentScreen, game.Screen(kPlayScreen));
    EXPECT_EQ(game.StackDepth(), 0);
}

}  // namespace

}  // namespace state_main_test
