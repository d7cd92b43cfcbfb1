#include "game/brimvale_main.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "framework/clock.h"
#include "framework/display.h"
#include "framework/game.h"
#include "framework/surface.h"
#include "game/command_line.h"
#include "platform/clock.h"
#include "platform/device.h"

namespace {

constexpr uint32_t kBrimValeAppId = 0x0B45AA23;
constexpr uint32_t kFrameIntervalMs = 40;

// Opens the window and paces frames until the game proper takes its place: it shows an empty
// screen with a band across it, so that a start can be seen to work.
class StartupGame : public HAL::Game {
public:
    StartupGame() {
        m_title = "Brim Vale";
        m_appId = kBrimValeAppId;
    }

    bool OnInitialize() override {
        HAL::DisplayParams params{platform::ScreenWidth(), platform::ScreenHeight(), 0, HAL::kSwapCopy};
        m_display = HAL::Display::Create(m_window, params);
        if (!m_display) platform::ShowMessageBox(m_window, "The screen cannot be drawn on.", "Brim Vale");
        return m_display != nullptr && HAL::Game::OnInitialize();
    }

    void OnShutdown() override { m_display.reset(); }

    bool OnFrame() override {
        uint32_t now = HAL::GetTime();
        uint32_t elapsed = now - m_lastFrame;
        if (elapsed < kFrameIntervalMs) {
            // Nothing to do until the next frame is due: give the core back instead of spinning.
            platform::Sleep(kFrameIntervalMs - elapsed);
            return HAL::Game::OnFrame();
        }
        m_lastFrame = now;
        present();
        return HAL::Game::OnFrame();
    }

private:
    void present() {
        if (!m_display->BeginScene()) return;
        HAL::Surface* surface = m_display->GetSurface();
        for (int y = 0; y < surface->m_height; ++y) {
            bool band = y >= surface->m_height * 2 / 5 && y < surface->m_height * 3 / 5;
            std::fill_n(surface->Row(y), surface->m_width, band ? 0x8B0A : 0x0841);
        }
        m_display->Swap(0);
    }

    uint32_t m_lastFrame = 0;
    std::unique_ptr<HAL::Display> m_display;
};

}  // namespace

int BrimvaleMain(int argc, const char* const* argv) {
    SCommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "brimvale: %s\nusage: brimvale [--screen WIDTHxHEIGHT]\n", commandLine.error.c_str());
        return 2;
    }
    platform::SetDeviceScreen(commandLine.screenWidth, commandLine.screenHeight);

    StartupGame game;
    int status = 0;
    if (game.CreateAppWindow(game.m_title)) {
        game.m_lastKeepAwake = HAL::GetTime();
        if (game.OnInitialize())
            game.MessageLoop();
        else
            status = 1;
    }
    HAL::ClearCurrentGame();
    return status;
}
