#pragma once
// One way of reaching the device's screen. The display (display_impl.h) picks a driver through the
// detection (video_detect.h), locks its surface for each frame and asks it to present.
#include <cstdint>
#include <memory>

#include "framework/surface.h"
#include "platform/window.h"

namespace HAL {

struct DisplayParams;

// A screen as a driver sees it. A fresh description knows nothing but says so in its orientation.
struct DeviceDesc {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t depth = 0;        // bits per pixel
    uint32_t pitch = 0;        // bytes from one row to the next
    uint32_t orientation = 4;  // native quarter turns, 4 unknown
    // 0 no surface the game may draw into, 1 one it may draw into, 2 memory the driver copies itself
    uint32_t swapEffect = 0;
    void* frameBuffer = nullptr;
};

class VideoDriver {
public:
    virtual void Resume() {}
    virtual void Suspend() {}
    // The next present must rewrite the whole screen.
    virtual void Invalidate() {}
    virtual ~VideoDriver() = default;
    // Takes over the screen for the requested parameters. `device` is what detection found of the
    // screen, or for a driver that wraps another, the inner driver's own description.
    virtual bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) = 0;
    // The screen surface to draw into until the next present; null when it cannot be locked.
    virtual Surface* BeginScene() = 0;
    // Flag bit 0: the caller wants the copy timed to the vertical blank.
    virtual void Present(uint32_t) {}
    // The part of the screen the next present must bring up to date.
    virtual void SetUpdateRect(const platform::Rect&) {}
    virtual void WaitVBlank() {}
    // Memory the screen shows that a driver wrapped around this one may write each changed
    // rectangle straight into during a scene, and the present that then shows the update rectangle
    // from it without a copy of this driver's own. Null when the driver has no such memory.
    virtual Surface* ShownSurface() { return nullptr; }
    virtual void PresentShown(uint32_t flags) { Present(flags); }

    DeviceDesc m_device;
    std::unique_ptr<Surface> m_surface;
};

}  // namespace HAL
