#include "framework/device/system_functions.h"

#include <cstdlib>

#include "framework/device/optional_libraries.h"

namespace HAL {

namespace {

bool g_allKeys = false;

// Without the shell there are no bars to hide, which is what the caller wanted.
bool fullScreenStandIn(platform::Window*, uint32_t) { return true; }

bool allKeysStandIn(bool allKeys) {
    bool previous = g_allKeys;
    g_allKeys = allKeys;
    return previous;
}

struct Loaded {
    bool loaded = false;
    platform::Library* shell = nullptr;
    platform::Library* core = nullptr;
    SystemFunctions functions{fullScreenStandIn, allKeysStandIn};
};

Loaded g_loaded;

template <typename Function>
void lookUp(platform::Library* library, const char* name, Function& function) {
    if (Function found = LibraryEntry<Function>(library, name)) function = found;
}

}  // namespace

const SystemFunctions& GetSystemFunctions() {
    if (!g_loaded.loaded) {
        g_loaded.loaded = true;
        g_loaded.shell = platform::LoadLibrary("aygshell.dll");
        g_loaded.core = platform::LoadLibrary("coredll.dll");
        // Registered after the first load, so the freeing runs before the platform's own state goes.
        static const bool freedAtExit = std::atexit(UnloadSystemFunctions) == 0;
        (void)freedAtExit;
        lookUp(g_loaded.shell, "SHFullScreen", g_loaded.functions.shFullScreen);
        lookUp(g_loaded.core, "AllKeys", g_loaded.functions.allKeys);
    }
    return g_loaded.functions;
}

void UnloadSystemFunctions() {
    if (g_loaded.shell) platform::FreeLibrary(g_loaded.shell);
    if (g_loaded.core) platform::FreeLibrary(g_loaded.core);
    g_loaded = Loaded{};
    g_allKeys = false;
}

}  // namespace HAL
