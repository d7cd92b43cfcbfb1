#pragma once
// The screen's raw memory as the display driver of large screens reveals it on request; the game's
// frames are copied straight into it.
#include "framework/drivers/video_driver.h"

namespace HAL {

class DriverVGA : public VideoDriver {
public:
    // Whether the display driver reveals the memory of this screen; on success the description
    // holds its layout.
    static bool Detect(DeviceDesc& device);

    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
};

}  // namespace HAL
