#pragma once
// The whole program on the headless device, as a player starts it: the main class over the sample
// world's packages written into a fresh program folder, driven by taps, keys and frames of its own
// main loop.
#include <gtest/gtest.h>

#include <cstdint>
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
#include "screens/menu/state_main.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "support/png_writer.h"
#include "support/step_counter.h"
#include "support/temp_folder.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/interface_package.h"
#include "tools/sampledata/world_packages.h"

class ProgramTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        const SFileFolder folder(Folder());
        std::string error;
        ASSERT_TRUE(WriteInterfacePackage(folder, error) && WriteSoundPackage(folder, error) &&
                    WriteMusicPackage(folder, error) && WriteResourcePackage(folder, error) &&
                    WriteWorldPackage(folder, error))
            << error;
        s_exitStatus = -1;
        SetExitFunction([](int status) { s_exitStatus = status; });
    }
    void TearDown() override {
        m_app.reset();
        SetExitFunction(nullptr);
        HAL::VideoDetect::Forget();
        TempFolderTest::TearDown();
    }

public:
    // A start of the program on a fresh device of that size, as a new process makes it, up to its
    // first frame on the splash screen.
    void Launch(int width = 240, int height = 320) {
        m_app.reset();
        platform::headless::Reset();
        platform::SetDeviceScreen(width, height, PanelOrientation(uint32_t(width), uint32_t(height)));
        m_screenWidth = width;
        m_screenHeight = height;
        HAL::VideoDetect::Forget();
        m_app = std::make_unique<Feldmar2>();
        ASSERT_TRUE(m_app->CreateAppWindow(m_app->m_title));
        ASSERT_TRUE(m_app->OnInitialize()) << MessageShown();
        Frame();
        ASSERT_EQ(Current(), Game().Screen(kSplashScreen));
    }
    // Launched, and on to the menu by a tap, with a frame after it so that taps count again.
    void LaunchToMenu(int width = 240, int height = 320) {
        Launch(width, height);
        Tap(width / 2, height / 2);
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

    // What the device's screen shows as NAME.png in $BRIMVALE_SHOTS, when that is set.
    void Shot(const std::string& name) {
        WriteShot(name, platform::headless::Screen(), m_screenWidth, m_screenHeight, m_screenWidth);
    }

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
    // The menu's rows as they read.
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
    // The lines of the menu's open message box.
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

    std::vector<char> FileBytes(const char* name) {
        std::ifstream file(Folder() + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static inline int s_exitStatus = -1;
    std::unique_ptr<Feldmar2> m_app;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
};
