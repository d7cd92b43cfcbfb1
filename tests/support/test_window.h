#pragma once
// A window on the headless device for tests that need the framework display: the device gets the
// screen size, and the window ignores its messages.
#include "platform/device.h"
#include "platform/window.h"

inline platform::Window* OpenTestWindow(int width, int height) {
    platform::SetDeviceScreen(width, height);
    platform::RegisterWindowClass("test",
                                  [](platform::Window*, uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; });
    return platform::CreateAppWindow("test", "test", 0, 0, 0, width, height);
}
