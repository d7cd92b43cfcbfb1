// Device-wide services on the desktop.
#include <SDL.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/device.h"
#include "platform/message_text.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_window.h"

namespace platform {

namespace {
int g_screenWidth = 480;
int g_screenHeight = 640;
int g_screenOrientation = 0;
}  // namespace

int ScreenWidth() { return g_screenWidth; }
int ScreenHeight() { return g_screenHeight; }
// The window shows RGB565 frames whatever the desktop's own depth is.
int ScreenDepth() { return 16; }
int ScreenOrientation() { return g_screenOrientation; }
void SetDeviceScreen(int width, int height, int orientation) {
    g_screenWidth = width;
    g_screenHeight = height;
    g_screenOrientation = orientation;
}

// A lock file stands for the named mutex: the lock lives as long as the process, and the system
// drops it when the process ends, however it ends.
NamedMutexResult CreateNamedMutex(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string path = std::string(runtime && *runtime ? runtime : "/tmp") + "/" + name + ".lock";
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return NamedMutexResult::Failed;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return NamedMutexResult::AlreadyExists;
    }
    return NamedMutexResult::Created;
}

void ResetIdleTimer() {
    // The desktop's screen saver is off for the whole run (see the window), nothing to do per call.
}

bool IsKeyDown(uint32_t virtualKey) {
    SDL_Scancode scancode = sdl::ScancodeFor(virtualKey);
    if (scancode == SDL_SCANCODE_UNKNOWN) return false;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    return state != nullptr && scancode < count && state[scancode] != 0;
}

void ShowMessageBox(Window* owner, const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    // The desktop's box shows each line as it comes, however wide: a path would run off the screen.
    constexpr size_t kColumns = 60;
    const std::string wrapped = WrapMessageText(text, kColumns);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), wrapped.c_str(), sdl::NativeWindow(owner));
}

}  // namespace platform
