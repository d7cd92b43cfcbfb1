// The headless back end: a device that lives in memory and that tests drive and read back.
#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "platform/clock.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_hardware.h"
#include "platform/library.h"
#include "platform/window.h"

namespace platform {

struct Library {
    std::string name;
};

struct Window {
    headless::WindowRecord record;
    WindowProcedure procedure = nullptr;
    bool alive = true;
};

namespace {

struct WindowClass {
    std::string name;
    WindowProcedure procedure;
};

struct Device {
    int screenWidth = 480;
    int screenHeight = 640;
    int screenDepth = 16;
    int screenOrientation = 0;
    uint64_t frequency = 1'000'000;
    uint64_t counter = 0;
    uint32_t tickCount = 0;
    int64_t localTime = 1'700'000'000;
    uint32_t timePerReading = 0;
    std::deque<Message> queue;
    std::function<void()> waitHook;
    std::vector<WindowClass> classes;
    std::vector<std::unique_ptr<Window>> windows;
    std::set<std::string> mutexes;
    std::set<uint32_t> keysDown;
    std::vector<headless::WindowRecord> createdWindows;
    std::vector<headless::MessageBoxRecord> messageBoxes;
    std::vector<std::string> foregroundRequests;
    int idleResets = 0;
    int presents = 0;
    Rect lastPresentRect;
    std::vector<uint16_t> screen;
    // Libraries the test made present, with their entry points, and the ones the program holds.
    std::map<std::string, std::map<std::string, LibraryFunction>> libraries;
    std::vector<std::unique_ptr<Library>> openLibraries;
};

Device& device() {
    static Device instance;
    return instance;
}

Window* lastLiveWindow() {
    for (auto it = device().windows.rbegin(); it != device().windows.rend(); ++it)
        if ((*it)->alive) return it->get();
    return nullptr;
}

}  // namespace

// --- clock ---

bool QueryCounterFrequency(uint64_t& frequency) {
    frequency = device().frequency;
    return frequency != 0;
}
uint64_t QueryCounter() {
    uint64_t counter = device().counter;
    headless::AdvanceTime(device().timePerReading);
    return counter;
}
uint32_t TickCount() {
    uint32_t ticks = device().tickCount;
    headless::AdvanceTime(device().timePerReading);
    return ticks;
}
void Sleep(uint32_t milliseconds) { headless::AdvanceTime(milliseconds); }
int64_t LocalTimeSeconds() { return device().localTime; }

// --- device ---

int ScreenWidth() { return device().screenWidth; }
int ScreenHeight() { return device().screenHeight; }
int ScreenDepth() { return device().screenDepth; }
int ScreenOrientation() { return device().screenOrientation; }
void SetDeviceScreen(int width, int height, int orientation) {
    device().screenWidth = width;
    device().screenHeight = height;
    device().screenOrientation = orientation;
}

NamedMutexResult CreateNamedMutex(const std::string& name) {
    return device().mutexes.insert(name).second ? NamedMutexResult::Created : NamedMutexResult::AlreadyExists;
}

void ResetIdleTimer() { ++device().idleResets; }
bool IsKeyDown(uint32_t virtualKey) { return device().keysDown.count(virtualKey) != 0; }
void ShowMessageBox(Window*, const std::string& text, const std::string& caption) {
    device().messageBoxes.push_back({text, caption});
}

// --- windows and messages ---

bool RegisterWindowClass(const std::string& className, WindowProcedure procedure) {
    if (className.empty() || procedure == nullptr) return false;
    device().classes.push_back({className, procedure});
    return true;
}

Window* CreateAppWindow(const std::string& className, const std::string& title, uint32_t extendedStyle, int x, int y,
                        int width, int height) {
    auto& classes = device().classes;
    auto found =
        std::find_if(classes.begin(), classes.end(), [&](const WindowClass& c) { return c.name == className; });
    if (found == classes.end()) return nullptr;
    auto window = std::make_unique<Window>();
    window->record = {className, title, extendedStyle, x, y, width, height};
    window->procedure = found->procedure;
    device().createdWindows.push_back(window->record);
    device().windows.push_back(std::move(window));
    return device().windows.back().get();
}

bool IsWindow(Window* window) {
    for (auto& w : device().windows)
        if (w.get() == window) return w->alive;
    return false;
}

bool DestroyWindow(Window* window) {
    if (!IsWindow(window)) return false;
    window->procedure(window, kMsgDestroy, 0, 0);
    window->alive = false;
    return true;
}

Window* FindWindowByClass(const std::string& className) {
    for (auto& w : device().windows)
        if (w->alive && w->record.className == className) return w.get();
    return nullptr;
}
void BringToForeground(Window* window) { device().foregroundRequests.push_back(window->record.className); }
bool IsWindowEnabled(Window* window) { return IsWindow(window); }
void ShowWindow(Window*, int) {}

WindowProcedure SetWindowProcedure(Window* window, WindowProcedure procedure) {
    if (!IsWindow(window) || procedure == nullptr) return nullptr;
    return std::exchange(window->procedure, procedure);
}

bool PeekMessage(Message& message) {
    auto& queue = device().queue;
    if (queue.empty()) return false;
    message = queue.front();
    queue.pop_front();
    return true;
}

bool WaitMessage(Message& message) {
    if (device().queue.empty() && device().waitHook) device().waitHook();
    if (!PeekMessage(message)) message = {nullptr, kMsgQuit, 0, 0};
    return message.code != kMsgQuit;
}

void WaitForMessageOrTimeout(uint32_t milliseconds) {
    if (device().queue.empty()) headless::AdvanceTime(milliseconds);
}

void TranslateMessage(const Message&) {}

intptr_t DispatchMessage(const Message& message) {
    if (!IsWindow(message.window)) return 0;
    return message.window->procedure(message.window, message.code, message.wParam, message.lParam);
}

void PostQuitMessage(int exitCode) { device().queue.push_back({nullptr, kMsgQuit, uintptr_t(exitCode), 0}); }
void PostMessage(Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam) {
    device().queue.push_back({window, code, wParam, lParam});
}

void PresentFrame(Window* window, const uint16_t* pixels, int pitchBytes, int width, int height, const Rect& update) {
    if (!IsWindow(window)) return;
    auto& d = device();
    d.screen.resize(size_t(d.screenWidth) * d.screenHeight);
    int left = std::max(update.left, 0);
    int right = std::min({update.right, width, d.screenWidth});
    int bottom = std::min({update.bottom, height, d.screenHeight});
    for (int y = std::max(update.top, 0); y < bottom && left < right; ++y) {
        auto row = reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(pixels) + size_t(y) * pitchBytes);
        std::copy(row + left, row + right, d.screen.begin() + ptrdiff_t(y) * d.screenWidth + left);
    }
    d.lastPresentRect = update;
    ++d.presents;
}

// The window's frame is the device screen itself: what is written into it is what tests read back.
WindowFrame GetWindowFrame(Window* window) {
    if (!IsWindow(window)) return {};
    auto& d = device();
    d.screen.resize(size_t(d.screenWidth) * d.screenHeight);
    return {d.screen.data(), d.screenWidth * 2, d.screenWidth, d.screenHeight};
}

void ShowWindowFrame(Window* window, const Rect& update) {
    if (!IsWindow(window)) return;
    device().lastPresentRect = update;
    ++device().presents;
}

// --- optional libraries ---

Library* LoadLibrary(const std::string& name) {
    auto& d = device();
    if (d.libraries.count(name) == 0) return nullptr;
    d.openLibraries.push_back(std::make_unique<Library>(Library{name}));
    return d.openLibraries.back().get();
}

LibraryFunction GetLibraryFunction(Library* library, const std::string& name) {
    auto& d = device();
    bool open =
        std::any_of(d.openLibraries.begin(), d.openLibraries.end(), [&](auto& l) { return l.get() == library; });
    if (!open) return nullptr;
    auto& functions = d.libraries[library->name];
    auto found = functions.find(name);
    return found == functions.end() ? nullptr : found->second;
}

void FreeLibrary(Library* library) {
    std::erase_if(device().openLibraries, [&](auto& l) { return l.get() == library; });
}

// --- test controls ---

namespace headless {

void Reset() {
    device() = Device{};
    ResetHardware();
}
void SetScreenDepth(int bitsPerPixel) { device().screenDepth = bitsPerPixel; }
void ProvideLibrary(const std::string& library) { device().libraries[library]; }
void ProvideLibraryFunction(const std::string& library, const std::string& name, LibraryFunction function) {
    device().libraries[library][name] = function;
}
size_t OpenLibraries() { return device().openLibraries.size(); }
void SetCounterFrequency(uint64_t frequency) { device().frequency = frequency; }
void AdvanceTime(uint32_t milliseconds) {
    auto& d = device();
    d.counter += uint64_t(milliseconds) * d.frequency / 1000;
    d.tickCount += milliseconds;
}
void SetTickCount(uint32_t milliseconds) { device().tickCount = milliseconds; }
void SetCounter(uint64_t ticks) { device().counter = ticks; }
void SetLocalTime(int64_t seconds) { device().localTime = seconds; }
void SetTimePerClockReading(uint32_t milliseconds) { device().timePerReading = milliseconds; }

void PushMessage(uint32_t code, uintptr_t wParam, intptr_t lParam) {
    device().queue.push_back({lastLiveWindow(), code, wParam, lParam});
}
void SetWaitHook(std::function<void()> hook) { device().waitHook = std::move(hook); }
size_t QueuedMessages() { return device().queue.size(); }

void SetKeyDown(uint32_t virtualKey, bool down) {
    if (down)
        device().keysDown.insert(virtualKey);
    else
        device().keysDown.erase(virtualKey);
}
void AddExistingMutex(const std::string& name) { device().mutexes.insert(name); }

const std::vector<WindowRecord>& CreatedWindows() { return device().createdWindows; }
const std::vector<MessageBoxRecord>& MessageBoxes() { return device().messageBoxes; }
const std::vector<std::string>& ForegroundRequests() { return device().foregroundRequests; }
int IdleTimerResets() { return device().idleResets; }
int PresentCount() { return device().presents; }
Rect LastPresentRect() { return device().lastPresentRect; }
const std::vector<uint16_t>& Screen() { return device().screen; }

}  // namespace headless
}  // namespace platform
