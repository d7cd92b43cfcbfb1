#include "game/brimvale_main.h"

#include <cstdio>
#include <vector>

#include "framework/clock.h"
#include "framework/game.h"
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
        int width = platform::ScreenWidth();
        int height = platform::ScreenHeight();
        m_frame.assign(size_t(width) * height, 0x0841);
        for (int y = height * 2 / 5; y < height * 3 / 5; ++y)
            for (int x = 0; x < width; ++x) m_frame[size_t(y) * width + x] = 0x8B0A;
        platform::PresentFrame(m_window, m_frame.data(), width * 2, width, height, {0, 0, width, height});
    }

    uint32_t m_lastFrame = 0;
    std::vector<uint16_t> m_frame;
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
    if (game.CreateAppWindow(game.m_title)) {
        game.m_lastKeepAwake = HAL::GetTime();
        if (game.OnInitialize()) game.MessageLoop();
    }
    HAL::ClearCurrentGame();
    return 0;
}
