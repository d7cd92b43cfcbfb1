// The device's window as a desktop window: the device screen scaled up by a whole factor, desktop
// events turned into the device's messages.
#include "platform/sdl/sdl_window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "platform/device.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/shared/window_scaler.h"
#include "platform/window.h"

namespace platform {

struct Window {
    std::string className;
    WindowProcedure procedure = nullptr;
    SDL_Window* native = nullptr;
    int width = 0;
    int height = 0;
    bool stylusDown = false;
    // The window's own pixels hold the last frame shown (the desktop repaints from them), so no
    // drawing stack is loaded for a window that only ever shows finished frames.
    SDL_Surface* surface = nullptr;
    WindowScaler scaler;
    // The window's pixel for every RGB565 colour, made for the surface's format.
    std::vector<uint32_t> colours;
    uint32_t coloursFormat = SDL_PIXELFORMAT_UNKNOWN;
    // The last frame shown at the device's size: a frame that changes nothing is not shown again, so
    // an idle game costs the desktop almost nothing, and a resized window is drawn again from it.
    std::vector<uint16_t> shown;
    // The frame memory drivers may write into (GetWindowFrame); made on first request.
    std::vector<uint16_t> frame;
};

namespace {

struct WindowClass {
    std::string name;
    WindowProcedure procedure;
};

std::vector<WindowClass> g_classes;
std::vector<std::unique_ptr<Window>> g_windows;
std::deque<Message> g_queue;

Window* findWindow(Uint32 windowId) {
    SDL_Window* native = SDL_GetWindowFromID(windowId);
    for (auto& w : g_windows)
        if (w->native == native) return w.get();
    return nullptr;
}

Window* mainWindow() { return g_windows.empty() ? nullptr : g_windows.front().get(); }

void makeColours(Window* window) {
    const SDL_PixelFormat* format = window->surface->format;
    if (window->coloursFormat == format->format) return;
    window->coloursFormat = format->format;
    window->colours.resize(0x10000);
    for (uint32_t c = 0; c < 0x10000; ++c) {
        const uint32_t red = c >> 11, green = (c >> 5) & 0x3F, blue = c & 0x1F;
        window->colours[c] = SDL_MapRGB(format, Uint8(red << 3 | red >> 2), Uint8(green << 2 | green >> 4),
                                        Uint8(blue << 3 | blue >> 2));
    }
}

// Draws part of the last frame into the window's pixels; the rectangle of the window that changed.
SDL_Rect drawShown(Window* window, const Rect& update) {
    SDL_Surface* surface = window->surface;
    if (surface == nullptr || (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)) return {};
    const WindowPixels pixels{static_cast<uint8_t*>(surface->pixels), surface->pitch, surface->format->BytesPerPixel,
                              surface->w, surface->h};
    const Rect drawn =
        window->scaler.Draw(window->shown.data(), window->width * 2, update, window->colours.data(), pixels);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    return {drawn.left, drawn.top, drawn.right - drawn.left, drawn.bottom - drawn.top};
}

// The window's pixels are new after a resize: the last frame is laid out again, black around it.
bool redrawWindow(Window* window) {
    window->surface = SDL_GetWindowSurface(window->native);
    if (window->surface == nullptr) return false;
    makeColours(window);
    window->scaler.Fit(window->width, window->height, window->surface->w, window->surface->h);
    SDL_FillRect(window->surface, nullptr, SDL_MapRGB(window->surface->format, 0, 0, 0));
    drawShown(window, {0, 0, window->width, window->height});
    SDL_UpdateWindowSurface(window->native);
    return true;
}

// The pointer's place in the window as a point of the device screen, which stylus positions never
// leave, whatever the desktop pointer does.
intptr_t stylusPoint(Window* window, int x, int y) {
    int screenX = 0, screenY = 0;
    window->scaler.ScreenPoint(x, y, screenX, screenY);
    return PackPoint(screenX, screenY);
}

void post(Window* window, uint32_t code, uintptr_t wParam = 0, intptr_t lParam = 0) {
    if (window != nullptr) g_queue.push_back({window, code, wParam, lParam});
}

void translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: post(mainWindow(), kMsgClose); break;
        case SDL_WINDOWEVENT: {
            Window* window = findWindow(event.window.windowID);
            if (window == nullptr) break;
            switch (event.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED: post(window, kMsgActivate, 1); break;
                case SDL_WINDOWEVENT_FOCUS_LOST: post(window, kMsgActivate, 0); break;
                case SDL_WINDOWEVENT_EXPOSED:
                    SDL_UpdateWindowSurface(window->native);
                    post(window, kMsgPaint);
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED: redrawWindow(window); break;
                case SDL_WINDOWEVENT_CLOSE: post(window, kMsgClose); break;
                default: break;
            }
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            uint32_t virtualKey = sdl::VirtualKeyFor(event.key.keysym.sym);
            if (virtualKey == 0) break;
            Window* window = findWindow(event.key.windowID);
            if (event.type == SDL_KEYDOWN)
                post(window, kMsgKeyDown, virtualKey, event.key.repeat ? kKeyWasDownBit : 0);
            else
                post(window, kMsgKeyUp, virtualKey);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            Window* window = findWindow(event.button.windowID);
            if (window == nullptr || event.button.button != SDL_BUTTON_LEFT) break;
            bool down = event.type == SDL_MOUSEBUTTONDOWN;
            window->stylusDown = down;
            SDL_CaptureMouse(down ? SDL_TRUE : SDL_FALSE);
            post(window, down ? kMsgLButtonDown : kMsgLButtonUp, 0,
                 stylusPoint(window, event.button.x, event.button.y));
            break;
        }
        case SDL_MOUSEMOTION: {
            // The stylus only moves while it touches the screen.
            Window* window = findWindow(event.motion.windowID);
            if (window != nullptr && window->stylusDown)
                post(window, kMsgMouseMove, 0, stylusPoint(window, event.motion.x, event.motion.y));
            break;
        }
        default: break;
    }
}

void pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) translate(event);
}

// bench/startup_time times the start-up from exec to the first frame the game shows: with
// BRIMVALE_EXIT_AFTER_FIRST_FRAME set the process ends right after that frame reaches the display.
void endAfterFirstFrameWhenTimed() {
    static const bool timed = std::getenv("BRIMVALE_EXIT_AFTER_FIRST_FRAME") != nullptr;
    if (!timed) return;
    std::_Exit(0);
}

// The largest whole factor at which the window still fits the desktop.
int scaleFor(int width, int height) {
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) != 0) return 1;
    return std::max(1, std::min(bounds.w / width, bounds.h / height));
}

}  // namespace

namespace sdl {
SDL_Window* NativeWindow(Window* window) { return window ? window->native : nullptr; }
}  // namespace sdl

bool RegisterWindowClass(const std::string& className, WindowProcedure procedure) {
    if (className.empty() || procedure == nullptr) return false;
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Cannot open a window: %s\n", SDL_GetError());
        return false;
    }
    g_classes.push_back({className, procedure});
    return true;
}

Window* CreateAppWindow(const std::string& className, const std::string& title, uint32_t, int, int, int width,
                        int height) {
    auto found =
        std::find_if(g_classes.begin(), g_classes.end(), [&](const WindowClass& c) { return c.name == className; });
    if (found == g_classes.end() || width <= 0 || height <= 0) return nullptr;

    // SDL would otherwise back the window's pixels with a texture of its drawing stack, which costs
    // loading that stack at start-up; X11 takes the pixels straight. Wayland has no window pixels of
    // its own and keeps the texture.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "wayland") != 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    int scale = scaleFor(width, height);
    auto window = std::make_unique<Window>();
    window->className = className;
    window->procedure = found->procedure;
    window->width = width;
    window->height = height;
    window->native = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * scale,
                                      height * scale, SDL_WINDOW_RESIZABLE);
    if (window->native == nullptr) {
        std::fprintf(stderr, "Cannot open a window: %s\n", SDL_GetError());
        return nullptr;
    }
    window->shown.assign(size_t(width) * height, 0);
    if (!redrawWindow(window.get())) {
        std::fprintf(stderr, "Cannot draw into the window: %s\n", SDL_GetError());
        SDL_DestroyWindow(window->native);
        return nullptr;
    }
    SDL_DisableScreenSaver();
    g_windows.push_back(std::move(window));
    return g_windows.back().get();
}

bool IsWindow(Window* window) {
    return window != nullptr &&
           std::any_of(g_windows.begin(), g_windows.end(), [&](auto& w) { return w.get() == window; });
}

bool DestroyWindow(Window* window) {
    if (!IsWindow(window)) return false;
    window->procedure(window, kMsgDestroy, 0, 0);
    SDL_DestroyWindow(window->native);
    std::erase_if(g_queue, [&](const Message& m) { return m.window == window; });
    std::erase_if(g_windows, [&](auto& w) { return w.get() == window; });
    return true;
}

// Another process's window is out of reach on the desktop; the second start simply ends.
Window* FindWindowByClass(const std::string&) { return nullptr; }
void BringToForeground(Window* window) {
    if (IsWindow(window)) SDL_RaiseWindow(window->native);
}
bool IsWindowEnabled(Window* window) { return IsWindow(window); }
void ShowWindow(Window* window, int) {
    if (IsWindow(window)) SDL_ShowWindow(window->native);
}

WindowProcedure SetWindowProcedure(Window* window, WindowProcedure procedure) {
    if (!IsWindow(window) || procedure == nullptr) return nullptr;
    return std::exchange(window->procedure, procedure);
}

bool PeekMessage(Message& message) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) pumpEvents();
    if (g_queue.empty()) return false;
    message = g_queue.front();
    g_queue.pop_front();
    return true;
}

bool WaitMessage(Message& message) {
    while (!PeekMessage(message)) {
        SDL_Event event;
        if (SDL_WaitEvent(&event)) translate(event);
    }
    return message.code != kMsgQuit;
}

void WaitForMessageOrTimeout(uint32_t milliseconds) {
    if (!g_queue.empty()) return;
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, int(milliseconds))) translate(event);
}

void TranslateMessage(const Message&) {}

intptr_t DispatchMessage(const Message& message) {
    if (!IsWindow(message.window)) return 0;
    return message.window->procedure(message.window, message.code, message.wParam, message.lParam);
}

void PostQuitMessage(int exitCode) { g_queue.push_back({nullptr, kMsgQuit, uintptr_t(exitCode), 0}); }
void PostMessage(Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam) {
    g_queue.push_back({window, code, wParam, lParam});
}

void PresentFrame(Window* window, const uint16_t* pixels, int pitchBytes, int width, int height, const Rect& update) {
    if (!IsWindow(window)) return;
    int left = std::max(update.left, 0);
    int top = std::max(update.top, 0);
    int right = std::min({update.right, width, window->width});
    int bottom = std::min({update.bottom, height, window->height});
    if (right <= left || bottom <= top) return;
    // Only the rows that changed are drawn and sent to the desktop.
    int firstChanged = bottom, endChanged = top;
    for (int y = top; y < bottom; ++y) {
        auto row = reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(pixels) + size_t(y) * pitchBytes);
        uint16_t* kept = window->shown.data() + size_t(y) * window->width;
        if (std::equal(row + left, row + right, kept + left)) continue;
        std::copy(row + left, row + right, kept + left);
        firstChanged = std::min(firstChanged, y);
        endChanged = y + 1;
    }
    if (endChanged <= firstChanged) return;
    const SDL_Rect drawn = drawShown(window, {left, firstChanged, right, endChanged});
    if (drawn.w > 0 && drawn.h > 0) SDL_UpdateWindowSurfaceRects(window->native, &drawn, 1);
    endAfterFirstFrameWhenTimed();
}

WindowFrame GetWindowFrame(Window* window) {
    if (!IsWindow(window)) return {};
    if (window->frame.empty()) window->frame.assign(size_t(window->width) * window->height, 0);
    return {window->frame.data(), window->width * 2, window->width, window->height};
}

// The frame written in place goes the way of any other, so unchanged rows still cost no upload.
void ShowWindowFrame(Window* window, const Rect& update) {
    if (!IsWindow(window) || window->frame.empty()) return;
    PresentFrame(window, window->frame.data(), window->width * 2, window->width, window->height, update);
}

}  // namespace platform
