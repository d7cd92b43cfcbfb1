#pragma once
// A turned frame to present: a 640x480 landscape game on a 480x640 portrait screen, through the
// display, the rotation driver and the window driver of the headless device. Shared by its
// benchmark and the test that checks the present reaches every pixel of the screen.
#include <memory>

#include "framework/device/system_functions.h"
#include "framework/display_impl.h"
#include "framework/drivers/video_detect.h"
#include "framework/hal_display.h"
#include "framework/surface.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace turned_present {

constexpr int kWidth = 640, kHeight = 480;

inline intptr_t QuietWindow(platform::Window*, uint32_t, uintptr_t, intptr_t) { return 0; }

// The display made on a fresh headless device, its back buffer drawn once; the device and the
// video drivers are forgotten again at the end.
class TurnedDisplay {
public:
    TurnedDisplay() {
        platform::headless::Reset();
        HAL::VideoDetect::Forget();
        platform::SetDeviceScreen(kHeight, kWidth);
        platform::RegisterWindowClass("bench", QuietWindow);
        platform::Window* window = platform::CreateAppWindow("bench", "", 0, 0, 0, kHeight, kWidth);
        HAL::DisplayParams params{kWidth, kHeight, 1, HAL::kSwapCopy};
        m_display = HAL::Display::Create(window, params);
        if (!m_display) return;
        m_display->BeginScene();
        HAL::Surface* surface = m_display->GetSurface();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) surface->Row(y)[x] = uint16_t(x ^ y);
    }
    ~TurnedDisplay() {
        m_display.reset();
        HAL::VideoDetect::Forget();
        HAL::UnloadSystemFunctions();
        platform::headless::Reset();
    }
    TurnedDisplay(const TurnedDisplay&) = delete;
    TurnedDisplay& operator=(const TurnedDisplay&) = delete;

    bool Made() const { return m_display != nullptr; }
    // One frame as the game presents it: the scene begun, the frame turned and shown.
    void Present() {
        m_display->BeginScene();
        m_display->Swap(0);
    }

private:
    std::unique_ptr<HAL::Display> m_display;
};

}  // namespace turned_present
