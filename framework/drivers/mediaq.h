#pragma once
// The screen of a MediaQ graphics chip: a frame buffer in the chip's slow memory, found by an earlier
// probe. It serves inside SlowFB, which keeps writes to that memory few.
#include "framework/drivers/video_driver.h"

namespace HAL {

class MediaQ : public VideoDriver {
public:
    // Whether the frame buffer found so far lies in the chip's memory. Clears the screen.
    static bool Detect(const DeviceDesc& device);

    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
};

}  // namespace HAL
