#include "tools/viewer/viewer_window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "engine/draw/display.h"
#include "framework/game.h"
#include "platform/device.h"
#include "platform/messages.h"
#include "tools/viewer/viewer_session.h"

namespace {

// The game's default screen, 480 x 640, in its screen mode.
constexpr int kScreenWidth = 480, kScreenHeight = 640, kScreenMode = 10;

class SViewerWindow : public HAL::Game {
public:
    explicit SViewerWindow(SViewerSession& session) : m_session(session) { m_title = "Brim Vale viewer"; }

    bool OnInitialize() override {
        HAL::Game::OnInitialize();
        m_display = std::make_unique<SDisplay>();
        m_display->Init(m_window, kScreenWidth, kScreenHeight, kScreenMode);
        m_display->SetMode(kScreenMode, true);
        return true;
    }

    bool OnFrame() override {
        if (!HAL::Game::OnFrame()) return false;
        const std::vector<uint16_t>& pixels = m_session.Frame();
        if (m_display->BeginFrame() && m_display->GetBackBuffer()) {
            const int w = std::min<int>(m_session.Width(), m_display->m_width);
            const int h = std::min<int>(m_session.Height(), m_display->m_height);
            m_display->FillRect(0, 0, m_display->m_width, m_display->m_height, 0);
            for (int y = 0; y < h; ++y)
                std::copy_n(&pixels[size_t(y) * size_t(m_session.Width())], w,
                            m_display->GetBackBuffer() + size_t(y) * size_t(m_display->m_pitch));
            m_display->Present();
        }
        if (const std::string line = m_session.Statistics(); !line.empty()) std::printf("%s\n", line.c_str());
        // The game's pace: a frame every 30 ms leaves the processor to others.
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        return true;
    }

    void OnKeyDown(uint32_t key) override {
        if (key == platform::kVkEscape) {
            m_quit = 1;
        } else if (key == 'P') {
            const std::string name = "viewer-" + std::to_string(m_dumps++) + ".png";
            std::printf(m_session.Dump(name) ? "wrote %s\n" : "cannot write %s\n", name.c_str());
        } else {
            m_session.Key(key);
        }
    }

private:
    SViewerSession& m_session;
    std::unique_ptr<SDisplay> m_display;
    int m_dumps = 0;
};

}  // namespace

int RunViewerWindow(SViewerSession& session) {
    platform::SetDeviceScreen(kScreenWidth, kScreenHeight);
    SViewerWindow window(session);
    int status = 0;
    if (!window.CreateAppWindow(window.m_title)) return 1;
    if (window.OnInitialize())
        window.MessageLoop();
    else
        status = 1;
    HAL::ClearCurrentGame();
    return status;
}
