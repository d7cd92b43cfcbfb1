#pragma once
// The framework's application layer: the game interface, the single window and the message loop.
#include <cstdint>
#include <string>

#include "platform/window.h"

namespace HAL {

// What a game implements. The framework calls every slot on the message-loop thread.
class IGame {
public:
    virtual ~IGame() = default;
    virtual bool OnInitialize() = 0;  // false ends the program before the loop
    virtual void OnShutdown() = 0;    // the window is being destroyed
    virtual bool OnFrame() = 0;       // false ends the loop
    virtual void OnSuspend() = 0;
    virtual void OnResume() = 0;
    virtual void OnKeyDown(uint32_t virtualKey) = 0;  // first press only
    virtual void OnKeyUp(uint32_t virtualKey) = 0;
    virtual void OnStylusDown(int32_t x, int32_t y) = 0;
    virtual void OnStylusMove(int32_t x, int32_t y) = 0;
    virtual void OnStylusUp(int32_t x, int32_t y) = 0;
};

class GameBase : public IGame {
public:
    GameBase();
    ~GameBase() override;
    GameBase(const GameBase&) = delete;
    GameBase& operator=(const GameBase&) = delete;

    platform::Window* m_window = nullptr;
    uint8_t m_suspended = 0;  // set while the window is inactive
    uint32_t m_appId = 0;     // names the single-instance mutex and the window class
};

class Game : public GameBase {
public:
    Game();

    bool OnInitialize() override;
    void OnShutdown() override {}
    bool OnFrame() override;
    void OnSuspend() override {}
    void OnResume() override;
    void OnKeyDown(uint32_t) override {}
    void OnKeyUp(uint32_t) override {}
    void OnStylusDown(int32_t, int32_t) override {}
    void OnStylusMove(int32_t, int32_t) override {}
    void OnStylusUp(int32_t, int32_t) override {}

    // Single-instance guard, window class and the one window; false when another instance runs
    // (it is brought forward) or the window cannot be made.
    bool CreateAppWindow(const char* title);
    // Runs until the window is gone; always true.
    bool MessageLoop();
    void KeepAwake();
    intptr_t WindowProc(uint32_t code, uintptr_t wParam, intptr_t lParam);
    static intptr_t StaticWindowProc(platform::Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam);
    bool Create();
    bool Run();

    const char* m_title = nullptr;
    uint8_t m_quit = 0;  // makes OnFrame end the loop
    uint32_t m_lastKeepAwake = 0;
    uint32_t m_startTime = 0;
};

constexpr uint32_t kKeepAwakeIntervalMs = 5000;

// The game the window procedure talks to; there is never more than one.
GameBase* CurrentGame();
void ClearCurrentGame();

// "HAL_FRAMEWORK_" and the application id in eight upper-case hex digits: the mutex and class name.
std::string FrameworkName(uint32_t appId);

// The six screen sizes of ordinary handhelds. Only these keep the device awake; on the other sizes
// the window is made topmost.
bool IsHandheldScreen(int width, int height);

}  // namespace HAL
