// The main menu's ways into and out of a game: new games, the auto-save question, Exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "data/player/character_choice.h"
#include "engine/base/small_services.h"
#include "game/game_data.h"
#include "game/save_names.h"
#include "screens/menu/state_main.h"
#include "screens/screen_id.h"
#include "support/step_counter.h"
#include "support/text_ctrl_lines.h"
#include "support/ui_rig.h"
#include "support/world_package.h"
#include "tools/sampledata/sample_music.h"
#include "tools/sampledata/world_packages.h"

namespace main_menu_game_test {

namespace {

int g_exitStatus = -1;

class MainMenuGameTest : public UiRigTest {
protected:
    void SetUp() override {
        UiRigTest::SetUp();
        g_exitStatus = -1;
        SetExitFunction([](int status) { g_exitStatus = status; });
    }
    void TearDown() override {
        SetExitFunction(nullptr);
        UiRigTest::TearDown();
    }

    // The four packages of every game in the program folder: empty music, sound and pictures and
    // the sample base world.
    void WritePackages() {
        SFileFolder folder;
        for (auto [file, identifier] : {std::pair{"BrimvaleMusic", "bmus"}, std::pair{"BrimvaleSound", "bsnd"},
                                        std::pair{"BrimvaleRes", "bres"}}) {
            TestWorldPackage package;
            package.identifier = identifier;
            ASSERT_TRUE(package.Write(folder, file));
        }
        ASSERT_TRUE(SampleWorldPackage().Write(folder, "Brimvale"));
    }
    // The rig at its first start (no game running), then the menu entered from the splash.
    SStateMain& StartAtFirstStart() {
        UiRig& rig = Start(7);
        rig.Game().m_gameRunning = false;
        rig.Game().SwitchState(kSplashScreen);
        rig.Key(3);
        return Menu();
    }
    // A new game started and saved in slot 0, as the quit paths leave it; then back to no game.
    void SaveAGameInSlot0() {
        SGameData& game = m_rig->Game();
        StepCounter steps;
        std::string error;
        ASSERT_TRUE(game.m_saveNames.NewGame(steps, SCharacterChoice{}, error)) << error;
        game.m_gameRunning = true;
        ASSERT_TRUE(game.m_saveNames.SaveGame(0, error)) << error;
        game.m_gameRunning = false;
    }
    // A game saved in slot 0, the program folder changed as the test asks, then a start as the
    // next run makes it: the splash, and a tap to the menu.
    void StartWithAnAutoSave(const std::function<void()>& change = [] {}) {
        WritePackages();
        Start(7);
        SaveAGameInSlot0();
        change();
        m_rig->Game().SwitchState(kSplashScreen);
        m_rig->Key(3);
    }
    // The sample songs in the sound table, as the music package that start-up opens brings them.
    void AddSongs() {
        SGameData& game = m_rig->Game();
        game.m_soundTable.AddBank(std::make_unique<SMusicBank>(SampleBank()));
        for (const SMusicSong& song : SampleSongs()) game.m_soundTable.AddSong(std::make_unique<SMusicSong>(song));
    }
    bool MusicPlays(int channel) { return m_rig->Game().m_sound->Speaker()->FindChannel(channel).has_value(); }
    SStateMain& Menu() { return static_cast<SStateMain&>(*m_rig->Game().Screen(kMainMenuScreen)); }
    SState* Current() { return m_rig->Game().m_currentScreen; }
    // Chooses the row by its id through the keys: down to it, then the choose key.
    void Choose(uint32_t id) {
        SDialogListCtrl& list = Menu().m_list;
        for (int i = 0; i < list.RowCount() && list.GetSelectedId() != id; ++i) m_rig->Key(1002);
        ASSERT_EQ(list.GetSelectedId(), id);
        m_rig->Key(3006);
    }
    // Answers the open question with its first button (3006) or its second (3007).
    void AnswerYes() { m_rig->Key(3006); }
    void AnswerNo() { m_rig->Key(3007); }
    std::vector<char> FileBytes(const char* name) {
        std::ifstream file(Folder() + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
};

TEST_F(MainMenuGameTest, aNewGameAtTheFirstStartOpensTheFourPackagesAndPlaysTheIntro) {
    WritePackages();
    StartAtFirstStart();
    Choose(SStateMain::kNewGame);
    SGameData& game = m_rig->Game();
    // The packages hold no intro: the scene screen goes straight on to creation.
    ASSERT_EQ(Current(), game.Screen(kCharacterCreationScreen));
    EXPECT_EQ(Current()->m_param[0], 0u);
    ASSERT_NE(game.m_packages.Current(), nullptr);
    EXPECT_STREQ(game.m_packages.Current()->Identifier().Text(), "base");
    EXPECT_EQ(game.StackDepth(), 0) << "the menu is left, not set aside";
    EXPECT_EQ(Menu().m_loading.m_child, nullptr);
}

TEST_F(MainMenuGameTest, theLoadingBarTakesAStepForEachPackageAndEndsFull) {
    WritePackages();
    StartAtFirstStart();
    Choose(SStateMain::kNewGame);
    const SProgressCtrl& bar = Menu().m_loading.m_bar;
    EXPECT_EQ(bar.m_maximum, int32_t(std::size(SModuleList::kGamePackages)));
    EXPECT_EQ(bar.m_current, bar.m_maximum);
}

TEST_F(MainMenuGameTest, theMenusMusicStopsBeforeTheNewGamesPackagesOpen) {
    WritePackages();
    Start(7);
    AddSongs();
    m_rig->Game().m_gameRunning = false;
    m_rig->Game().SwitchState(kSplashScreen);
    m_rig->Key(3);
    const int channel = m_rig->Game().m_music.Channel();
    ASSERT_GT(channel, 0);
    ASSERT_TRUE(MusicPlays(channel));
    Choose(SStateMain::kNewGame);
    ASSERT_EQ(Current(), m_rig->Game().Screen(kCharacterCreationScreen));
    EXPECT_FALSE(MusicPlays(channel));
}

TEST_F(MainMenuGameTest, theMenusMusicStopsBeforeTheAutoSaveLoads) {
    StartWithAnAutoSave([this] { AddSongs(); });
    const int channel = m_rig->Game().m_music.Channel();
    ASSERT_GT(channel, 0);
    AnswerNo();
    EXPECT_TRUE(MusicPlays(channel)) << "only a load stops it";
    m_rig->Game().SwitchState(kSplashScreen);
    m_rig->Key(3);
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskAutoSave);
    AnswerYes();
    ASSERT_EQ(Current(), m_rig->Game().Screen(kPlayScreen));
    EXPECT_FALSE(MusicPlays(channel));
}

TEST_F(MainMenuGameTest, aNewGameWithAGamesPackagesOpenDoesNotReopenThem) {
    WritePackages();
    StartAtFirstStart();
    Choose(SStateMain::kNewGame);
    const int opened = m_rig->Game().m_packages.Count();
    m_rig->Game().SwitchState(kMainMenuScreen);
    m_rig->Frame();
    Choose(SStateMain::kNewGame);
    EXPECT_EQ(Current(), m_rig->Game().Screen(kCharacterCreationScreen));
    EXPECT_EQ(m_rig->Game().m_packages.Count(), opened);
}

TEST_F(MainMenuGameTest, aNewGameDuringAGameAsksFirst) {
    WritePackages();
    UiRig& rig = Start(7);
    rig.Game().m_currentScreen->m_keep = 1;
    rig.Game().SwitchState(kMainMenuScreen);
    rig.Frame();
    Choose(SStateMain::kNewGame);
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskNewGame);
    EXPECT_EQ(Menu().m_child, &Menu().m_message);
    AnswerNo();
    EXPECT_EQ(Current(), &Menu());
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    EXPECT_EQ(Menu().m_child, nullptr);
    Choose(SStateMain::kNewGame);
    AnswerYes();
    EXPECT_EQ(Current(), rig.Game().Screen(kCharacterCreationScreen));
}

TEST_F(MainMenuGameTest, exitEndsTheProgramWithStatus0) {
    StartAtFirstStart();
    Choose(SStateMain::kExit);
    EXPECT_EQ(g_exitStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(Folder() + "BrimvaleSave0.pdb"));
}

TEST_F(MainMenuGameTest, exitDuringAGameWritesTheAutoSave) {
    WritePackages();
    Start(7);
    SaveAGameInSlot0();
    std::filesystem::remove(Folder() + "BrimvaleSave0.pdb");
    m_rig->Game().m_gameRunning = true;
    m_rig->Game().m_currentScreen->m_keep = 1;
    m_rig->Game().SwitchState(kMainMenuScreen);
    m_rig->Frame();
    Choose(SStateMain::kExit);
    EXPECT_EQ(g_exitStatus, 0);
    EXPECT_NE(m_rig->Game().m_saveNames.ReadSaveSlotInfo(0), nullptr);
}

// A save that fails (here a folder stands where the auto-save goes) ended the program without a
// word, and the game was lost. The player is told why, and may stay.
TEST_F(MainMenuGameTest, exitWhenTheAutoSaveFailsAsksBeforeLeavingWithoutIt) {
    WritePackages();
    Start(7);
    SaveAGameInSlot0();
    std::filesystem::remove(Folder() + "BrimvaleSave0.pdb");
    std::filesystem::create_directories(Folder() + "BrimvaleSave0.pdb/in the way");
    m_rig->Game().m_gameRunning = true;
    m_rig->Game().m_currentScreen->m_keep = 1;
    m_rig->Game().SwitchState(kMainMenuScreen);
    m_rig->Frame();
    Choose(SStateMain::kExit);
    EXPECT_EQ(g_exitStatus, -1) << "not yet";
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskExitUnsaved);
    EXPECT_EQ(Menu().m_child, &Menu().m_message);
    const std::string asked = TextCtrlLines(Menu().m_messageText);
    EXPECT_EQ(asked.rfind("The game could not be saved:", 0), 0u) << asked;
    EXPECT_NE(asked.find("Exit without saving?"), std::string::npos) << asked;
    m_rig->Shot("menu_exit_unsaved_240x320");
    AnswerNo();
    EXPECT_EQ(g_exitStatus, -1) << "the player stays";
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    Choose(SStateMain::kExit);
    AnswerYes();
    EXPECT_EQ(g_exitStatus, 0);
}

TEST_F(MainMenuGameTest, noToTheAutoSaveShowsTheListAgain) {
    StartWithAnAutoSave();
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskAutoSave);
    EXPECT_FALSE(Menu().m_list.IsShown());
    m_rig->Shot("menu_auto_save_question_240x320");
    AnswerNo();
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    EXPECT_TRUE(Menu().m_list.IsShown());
    EXPECT_EQ(Current(), &Menu());
}

TEST_F(MainMenuGameTest, yesToTheAutoSaveResumesPlay) {
    StartWithAnAutoSave();
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskAutoSave);
    AnswerYes();
    EXPECT_EQ(Current(), m_rig->Game().Screen(kPlayScreen));
    EXPECT_EQ(m_rig->Game().StackDepth(), 0);
}

// Regression: a refused load used to go on to the play screen over a world half rebuilt.
TEST_F(MainMenuGameTest, anAutoSaveThatFailsToLoadLeavesTheMenuWithTheReason) {
    StartWithAnAutoSave([this] { std::filesystem::remove(Folder() + "Brimvale.pdb"); });
    const std::vector<char> slot = FileBytes("BrimvaleSave0.pdb");
    ASSERT_EQ(Menu().CurrentSubMode(), SStateMain::kAskAutoSave);
    AnswerYes();
    EXPECT_EQ(Current(), &Menu());
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kLoadFailed);
    EXPECT_EQ(Menu().m_child, &Menu().m_message);
    m_rig->Shot("menu_auto_save_failed_240x320");
    AnswerYes();
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    EXPECT_TRUE(Menu().m_list.IsShown());
    EXPECT_EQ(FileBytes("BrimvaleSave0.pdb"), slot);
}

TEST_F(MainMenuGameTest, aDamagedAutoSaveRaisesNoQuestion) {
    Start(7);
    std::ofstream(Folder() + "BrimvaleSave0.pdb", std::ios::binary) << "not a saved game";
    const std::vector<char> slot = FileBytes("BrimvaleSave0.pdb");
    m_rig->Game().m_gameRunning = false;
    m_rig->Game().SwitchState(kSplashScreen);
    m_rig->Key(3);
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    EXPECT_EQ(Menu().m_child, nullptr);
    EXPECT_EQ(FileBytes("BrimvaleSave0.pdb"), slot);
}

}  // namespace

}  // namespace main_menu_game_test
