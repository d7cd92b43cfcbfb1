#pragma once
// Shell and system entry points that only some devices have. A missing one is replaced by a
// stand-in, so callers never check.
#include <cstdint>

#include "platform/window.h"

namespace HAL {

// Shell bars (task bar, start icon, input-panel button) for SystemFunctions::shFullScreen.
constexpr uint32_t kHideShellBars = 42;
constexpr uint32_t kShowShellBars = 21;

struct SystemFunctions {
    using FullScreenFunction = bool (*)(platform::Window* window, uint32_t flags);
    using AllKeysFunction = bool (*)(bool allKeys);  // answers the previous setting

    FullScreenFunction shFullScreen;
    AllKeysFunction allKeys;
};

// Loads the libraries on first use; they stay loaded until UnloadSystemFunctions or the end of
// the process.
const SystemFunctions& GetSystemFunctions();
// Frees the libraries; the next use looks the entry points up again (on a device whose libraries
// changed meanwhile, as in tests).
void UnloadSystemFunctions();

}  // namespace HAL
