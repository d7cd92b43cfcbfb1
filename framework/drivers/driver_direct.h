#pragma once
// The screen's memory as the display driver reveals it on request, with an optional DMA library that
// moves each frame from system memory to the screen.
#include "framework/drivers/video_driver.h"
#include "platform/dma_library.h"

namespace HAL {

class DriverDirect : public VideoDriver {
public:
    // Whether the display driver reveals the memory; on success the description holds its layout.
    static bool Detect(DeviceDesc& device);

    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
    void Present(uint32_t flags) override;
    void SetUpdateRect(const platform::Rect& rect) override;

private:
    platform::dma_library::IsReady m_isReady = nullptr;  // null: every transfer counts as finished
    platform::dma_library::CopyToVideo m_copyToVideo = nullptr;
    platform::Rect m_update;
};

}  // namespace HAL
