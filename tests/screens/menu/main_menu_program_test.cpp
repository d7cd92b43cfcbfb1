// The road into the game and out of it, through the main class on the headless device with the
// sample packages: the splash, the menu, a game left by Exit, and the next start that offers the
// auto-save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "data/player/character_choice.h"
#include "engine/base/small_services.h"
#include "engine/files/file_layer.h"
#include "framework/drivers/video_detect.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "screens/menu/state_main.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "support/step_counter.h"
#include "support/temp_folder.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/interface_package.h"
#include "tools/sampledata/world_packages.h"

namespace {

int g_exitStatus = -1;

class MainMenuProgramTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        const SFileFolder folder(Folder());
        std::string error;
        ASSERT_TRUE(WriteInterfacePackage(folder, error) && WriteSoundPackage(folder, error) &&
                    WriteMusicPackage(folder, error) && WriteResourcePackage(folder, error) &&
                    WriteWorldPackage(folder, error))
            << error;
        g_exitStatus = -1;
        SetExitFunction([](int status) { g_exitStatus = status; });
    }
    void TearDown() override {
        m_app.reset();
        SetExitFunction(nullptr);
        HAL::VideoDetect::Forget();
        TempFolderTest::TearDown();
    }

    // A start of the program on a fresh 240x320 device, as a new process makes it, up to its first
    // frame on the splash screen.
    void Launch() {
        m_app.reset();
        platform::headless::Reset();
        platform::SetDeviceScreen(240, 320);
        HAL::VideoDetect::Forget();
        m_app = std::make_unique<Feldmar2>();
        ASSERT_TRUE(m_app->CreateAppWindow(m_app->m_title));
        ASSERT_TRUE(m_app->OnInitialize()) << MessageShown();
        Frame();
        ASSERT_EQ(Current(), Game().Screen(kSplashScreen));
    }
    // Launched, and on to the menu by a tap, with a frame after it so that taps count again.
    void LaunchToMenu() {
        Launch();
        Tap(120, 160);
        ASSERT_EQ(Current(), &Menu());
        Frame();
    }
    std::string MessageShown() const {
        const auto& boxes = platform::headless::MessageBoxes();
        return boxes.empty() ? "" : boxes.back().text;
    }

    SGameData& Game() { return *m_app->Game(); }
    SState* Current() { return Game().m_currentScreen; }
    SStateMain& Menu() { return static_cast<SStateMain&>(*Game().Screen(kMainMenuScreen)); }
    SStateGame& Play() { return *SStateGame::Of(Game()); }

    // One frame of the main loop, however long the loop has to wait for it.
    void Frame() {
        const uint32_t before = Game().m_frameCounter;
        for (int i = 0; i < 10 && Game().m_frameCounter == before; ++i) m_app->OnFrame();
        ASSERT_NE(Game().m_frameCounter, before) << "no frame ran";
    }
    void Tap(int x, int y) {
        m_app->OnStylusDown(x, y);
        m_app->OnStylusUp(x, y);
    }
    void Press(uint32_t virtualKey) {
        m_app->OnKeyDown(virtualKey);
        m_app->OnKeyUp(virtualKey);
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < Menu().m_list.RowCount(); ++i) rows.push_back(Menu().m_list.Row(i).text.Text());
        return rows;
    }
    void TapRow(const std::string& text) {
        const SDialogListCtrl& list = Menu().m_list;
        for (int i = 0; i < list.RowCount(); ++i)
            if (list.Row(i).text.Text() == text) {
                const int rowHeight = int(list.m_rowHeight);
                Tap(list.m_x + 10, list.m_y + rowHeight * (i - list.m_top) + rowHeight / 2);
                return;
            }
        ADD_FAILURE() << "no row " << text;
    }
    // The lines of the open message box.
    std::vector<std::string> MessageLines() {
        std::vector<std::string> lines;
        const STextLineArray& shown = Menu().m_messageText.m_shown;
        for (int i = 0; i < shown.Count(); ++i)
            if (!shown[i].text.IsEmpty()) lines.push_back(shown[i].text.Text());
        return lines;
    }

    // What the scene and character creation screens do once the intro is over: a new game, then
    // the play screen entered as for a new game.
    void PlayANewGame() {
        StepCounter steps;
        std::string error;
        ASSERT_TRUE(Game().m_saveNames.NewGame(steps, SCharacterChoice{}, error)) << error;
        Current()->m_param[0] = 1;
        Current()->m_keep = 0;
        Game().SwitchState(kPlayScreen);
        ASSERT_EQ(Current(), &Play());
        Frame();
    }
    // The menu opened over the play screen, as the play screen's menu does.
    void OpenMenuInGame() {
        Play().m_keep = 1;
        Game().SwitchState(kMainMenuScreen);
        ASSERT_EQ(Current(), &Menu());
        Frame();
    }
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
        ASSERT_EQ(g_exitStatus, 0);
    }

    std::vector<char> FileBytes(const char* name) {
        std::ifstream file(Folder() + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::vector<uint32_t> WhereThePlayerStands() {
        return {Play().m_heading, uint32_t(Play().m_playerX), uint32_t(Play().m_playerY), Play().m_minutes};
    }

    std::unique_ptr<Feldmar2> m_app;
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
    EXPECT_EQ(g_exitStatus, 0);
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
    EXPECT_EQ(g_exitStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(Folder() + "BrimvaleSave0.pdb"));

    LaunchToMenu();
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
}

}  // namespace
