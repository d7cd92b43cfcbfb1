#pragma once
// The driver every device has: the game draws into a memory bitmap that the system's drawing layer
// copies into the window.
#include "framework/drivers/video_driver.h"

namespace HAL {

class GDIDriver : public VideoDriver {
public:
    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
    void Present(uint32_t flags) override;
    void SetUpdateRect(const platform::Rect& rect) override;
    // The window's own frame, when it covers the screen.
    Surface* ShownSurface() override;
    void PresentShown(uint32_t flags) override;

    platform::Window* m_window = nullptr;
    platform::Rect m_update;

private:
    Surface m_shown{0, 0, 0, nullptr, false};
};

}  // namespace HAL
