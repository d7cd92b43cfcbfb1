#pragma once
// The device's one window and its message queue. A back end owns the windows; the game sees only
// these operations and the numeric messages of messages.h.
#include <cstdint>
#include <string>

#include "platform/messages.h"

namespace platform {

using WindowProcedure = intptr_t (*)(Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam);

// Extended window style bit: keep the window above all others.
constexpr uint32_t kWindowTopmost = 8;
// Show command that restores a window and brings it forward.
constexpr int kShowDefault = 13;

bool RegisterWindowClass(const std::string& className, WindowProcedure procedure);
Window* CreateAppWindow(const std::string& className, const std::string& title, uint32_t extendedStyle, int x, int y,
                        int width, int height);
bool DestroyWindow(Window* window);
bool IsWindow(Window* window);

// Used by a second start of the program to bring the first one forward.
Window* FindWindowByClass(const std::string& className);
void BringToForeground(Window* window);
bool IsWindowEnabled(Window* window);
void ShowWindow(Window* window, int showCommand);

// Replaces the procedure that receives the window's messages and returns the previous one
// (null when refused); the caller chains to it with CallWindowProcedure.
WindowProcedure SetWindowProcedure(Window* window, WindowProcedure procedure);
intptr_t CallWindowProcedure(WindowProcedure procedure, Window* window, uint32_t code, uintptr_t wParam,
                             intptr_t lParam);

// Takes the next message if there is one (never blocks).
bool PeekMessage(Message& message);
// Blocks until a message arrives; false when it is the quit message.
bool WaitMessage(Message& message);
// Sleeps until a message is waiting or the time is up, whichever comes first; the message stays
// queued. A paced loop waits here instead of spinning, and still answers input at once.
void WaitForMessageOrTimeout(uint32_t milliseconds);
void TranslateMessage(const Message& message);
intptr_t DispatchMessage(const Message& message);
intptr_t DefaultWindowProcedure(Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam);
void PostQuitMessage(int exitCode);
void PostMessage(Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam);

// Shows a finished RGB565 frame of the device screen's size in the window. Only the update
// rectangle needs to be new; the rest of the frame is kept from earlier presents.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
void PresentFrame(Window* window, const uint16_t* pixels, int pitchBytes, int width, int height, const Rect& update);

// The window's own frame memory, RGB565 rows of the window's size. A driver that rewrites every
// changed rectangle anyway (the rotation) writes straight into it and shows it with
// ShowWindowFrame, instead of writing into memory of its own that PresentFrame then copies. The
// memory lives as long as the window; no pixels when the window is not one.
struct WindowFrame {
    uint16_t* pixels = nullptr;
    int pitchBytes = 0;
    int width = 0, height = 0;
};
WindowFrame GetWindowFrame(Window* window);
// Shows the update rectangle of the window's own frame, as PresentFrame shows given pixels.
void ShowWindowFrame(Window* window, const Rect& update);

}  // namespace platform
