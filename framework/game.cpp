#include "framework/game.h"

#include <cstdio>

#include "framework/hal_clock.h"
#include "framework/log.h"
#include "platform/device.h"

namespace HAL {

namespace {
GameBase* g_currentGame = nullptr;
}  // namespace

GameBase* CurrentGame() { return g_currentGame; }
void ClearCurrentGame() { g_currentGame = nullptr; }

std::string FrameworkName(uint32_t appId) {
    char name[32];
    std::snprintf(name, sizeof name, "HAL_FRAMEWORK_%08X", appId);
    return name;
}

bool IsHandheldScreen(int width, int height) {
    struct Size {
        int width, height;
    };
    constexpr Size kHandheld[] = {{320, 240}, {240, 320}, {640, 480}, {480, 640}, {240, 240}, {480, 480}};
    for (const Size& size : kHandheld)
        if (size.width == width && size.height == height) return true;
    return false;
}

GameBase::GameBase() { g_currentGame = this; }

GameBase::~GameBase() { g_currentGame = nullptr; }

Game::Game() { g_currentGame = this; }

bool Game::OnInitialize() {
    m_startTime = GetTime();
    return true;
}

bool Game::OnFrame() {
    uint32_t now = GetTime();
    if (now - m_lastKeepAwake >= kKeepAwakeIntervalMs) {
        m_lastKeepAwake = now;
        KeepAwake();
    }
    return !m_quit;
}

void Game::OnResume() { m_lastKeepAwake = GetTime(); }

bool Game::CreateAppWindow(const char* title) {
    m_title = title;
    const std::string name = FrameworkName(m_appId);

    platform::NamedMutexResult mutex = platform::CreateNamedMutex(name);
    if (mutex == platform::NamedMutexResult::AlreadyExists) {
        if (platform::Window* running = platform::FindWindowByClass(name)) {
            platform::BringToForeground(running);
            if (platform::IsWindowEnabled(running)) platform::ShowWindow(running, platform::kShowDefault);
        }
        return false;
    }
    if (mutex == platform::NamedMutexResult::Failed) Log("framework: no single-instance guard");

    if (!platform::RegisterWindowClass(name, &Game::StaticWindowProc)) return false;

    int width = platform::ScreenWidth();
    int height = platform::ScreenHeight();
    uint32_t extendedStyle = IsHandheldScreen(width, height) ? 0 : platform::kWindowTopmost;
    if (width == 800 && height == 600) height = 584;

    m_window = platform::CreateAppWindow(name, title ? title : "", extendedStyle, 0, 0, width, height);
    return m_window != nullptr;
}

bool Game::MessageLoop() {
    platform::Message message;
    for (;;) {
        if (!m_suspended) {
            if (!platform::PeekMessage(message)) {
                if (OnFrame()) continue;
                platform::DestroyWindow(m_window);
                return true;
            }
            if (message.code == platform::kMsgQuit) return true;
        } else if (!platform::WaitMessage(message)) {
            return true;
        }
        platform::TranslateMessage(message);
        platform::DispatchMessage(message);
    }
}

void Game::KeepAwake() {
    if (IsHandheldScreen(platform::ScreenWidth(), platform::ScreenHeight())) platform::ResetIdleTimer();
}

intptr_t Game::WindowProc(uint32_t code, uintptr_t wParam, intptr_t lParam) {
    switch (code) {
        case platform::kMsgActivate:
            if ((wParam & 0xFFFF) == 0) {
                m_suspended = 1;
                OnSuspend();
            } else {
                m_suspended = 0;
                OnResume();
            }
            break;
        case platform::kMsgClose: platform::DestroyWindow(m_window); break;
        case platform::kMsgDestroy:
            OnShutdown();
            platform::PostQuitMessage(0);
            break;
        case platform::kMsgKeyDown:
            if ((lParam & platform::kKeyWasDownBit) == 0) OnKeyDown(uint32_t(wParam));
            break;
        case platform::kMsgKeyUp: OnKeyUp(uint32_t(wParam)); break;
        case platform::kMsgMouseMove: OnStylusMove(platform::PointX(lParam), platform::PointY(lParam)); break;
        case platform::kMsgLButtonDown: OnStylusDown(platform::PointX(lParam), platform::PointY(lParam)); break;
        case platform::kMsgLButtonUp: OnStylusUp(platform::PointX(lParam), platform::PointY(lParam)); break;
        default: break;
    }
    return platform::DefaultWindowProcedure(m_window, code, wParam, lParam);
}

intptr_t Game::StaticWindowProc(platform::Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam) {
    auto* game = dynamic_cast<Game*>(g_currentGame);
    if (game == nullptr || game->m_window != window)
        return platform::DefaultWindowProcedure(window, code, wParam, lParam);
    return game->WindowProc(code, wParam, lParam);
}

bool Game::Create() {
    m_quit = 0;
    if (!CreateAppWindow(m_title)) return false;
    m_lastKeepAwake = GetTime();
    return true;
}

bool Game::Run() {
    if (!Create()) return false;
    if (!OnInitialize()) return false;
    return MessageLoop();
}

}  // namespace HAL
