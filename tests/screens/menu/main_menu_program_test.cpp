// The road into the game and out of it, through the main class on the headless device with the
// sample packages: the splash, the menu, a game left by Exit, and the next start that offers the
// auto-save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/messages.h"
#include "support/program_test.h"

namespace main_menu_program_test {

namespace {

class MainMenuProgramTest : public ProgramTest {
protected:
    // From the first start to Exit in the menu during a game in which the player has turned, moved
    // and spent some time.
    void PlayAndExit() {
        LaunchToMenu();
        TapRow("Start new game");
        ASSERT_EQ(Current(), Game().Screen(kSceneScreen));
        PlayANewGame();
        Play().m_heading = 180;
        Play().m_playerX += 1;
        Play().m_minutes += 77;
        m_stood = WhereThePlayerStands();
        OpenMenuInGame();
        TapRow("Exit");
        ASSERT_EQ(s_exitStatus, 0);
    }

    std::vector<uint32_t> WhereThePlayerStands() {
        return {Play().m_heading, uint32_t(Play().m_playerX), uint32_t(Play().m_playerY), Play().m_minutes};
    }

    std::vector<uint32_t> m_stood;
};

TEST_F(MainMenuProgramTest, theMenusFirstFrameIsTheFrameOfTheTapOnTheSplash) {
    Launch();
    const int presents = platform::headless::PresentCount();
    m_app->OnStylusDown(120, 160);
    ASSERT_EQ(Current(), &Menu());
    EXPECT_EQ(platform::headless::PresentCount(), presents + 1);
    const std::vector<uint16_t> shown = platform::headless::Screen();
    Frame();
    EXPECT_EQ(platform::headless::Screen(), shown) << "the tap's frame showed the whole menu";
}

TEST_F(MainMenuProgramTest, aGameLeftByExitIsOfferedAtTheNextStartAndResumesWhereThePlayerStood) {
    PlayAndExit();
    ASSERT_TRUE(std::filesystem::exists(Folder() + "BrimvaleSave0.pdb"));

    LaunchToMenu();
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskAutoSave);
    EXPECT_EQ(MessageLines(), (std::vector<std::string>{"Do you want to load", "the auto-saved game?"}));
    Press(platform::kVkReturn);
    ASSERT_EQ(Current(), &Play());
    EXPECT_EQ(Game().StackDepth(), 0);
    EXPECT_EQ(WhereThePlayerStands(), m_stood);
    EXPECT_TRUE(Game().m_gameRunning);
}

TEST_F(MainMenuProgramTest, aDamagedAutoSaveRaisesNoQuestionAndIsLeftAsItIs) {
    PlayAndExit();
    {
        std::fstream file(Folder() + "BrimvaleSave0.pdb", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(0x4C);  // the record count of the saved game's database header
        file.put(char(0x7F));
    }
    const std::vector<char> damaged = FileBytes("BrimvaleSave0.pdb");

    LaunchToMenu();
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    EXPECT_EQ(Menu().m_child, nullptr);
    EXPECT_EQ(Rows().size(), 6u);
    TapRow("Exit");
    EXPECT_EQ(s_exitStatus, 0);
    EXPECT_EQ(FileBytes("BrimvaleSave0.pdb"), damaged);
}

// Regression: the menu went on to the play screen whatever the load reported.
TEST_F(MainMenuProgramTest, anAutoSaveThatFailsToLoadLeavesTheMenuAsItWas) {
    PlayAndExit();
    std::filesystem::remove(Folder() + "Brimvale.pdb");
    const std::vector<char> slot = FileBytes("BrimvaleSave0.pdb");

    LaunchToMenu();
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskAutoSave);
    Press(platform::kVkReturn);
    ASSERT_EQ(Current(), &Menu());
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kLoadFailed);
    EXPECT_EQ(Game().StackDepth(), 0);
    EXPECT_FALSE(Game().m_gameRunning);
    EXPECT_EQ(Game().m_music.Name(), "bmus_main");
    EXPECT_TRUE(Game().m_sound->Speaker()->FindChannel(Game().m_music.Channel())) << "the menu's music plays again";
    Frame();
    Press(platform::kVkReturn);
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    EXPECT_EQ(Rows().size(), 6u);

    // Still usable: the settings open over it and come back.
    Frame();
    TapRow("Settings");
    EXPECT_EQ(Current(), Game().Screen(kSettingsScreen));
    EXPECT_EQ(Game().StackDepth(), 1);
    EXPECT_EQ(FileBytes("BrimvaleSave0.pdb"), slot);
}

TEST_F(MainMenuProgramTest, aDeadCharactersGameIsNotAutoSaved) {
    LaunchToMenu();
    TapRow("Start new game");
    PlayANewGame();
    Game().m_player.SetHp(0, false);
    OpenMenuInGame();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Start new game", "Load Game", "Settings", "Additional worlds",
                                                "Credits", "Exit"}));
    TapRow("Exit");
    EXPECT_EQ(s_exitStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(Folder() + "BrimvaleSave0.pdb"));

    LaunchToMenu();
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
}

}  // namespace

}  // namespace main_menu_program_test
