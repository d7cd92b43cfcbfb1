#pragma once
// The screen of an XScale processor's LCD controller.
#include "framework/drivers/lcd_driver.h"

namespace HAL {

class XScale : public LcdDriver {
public:
    XScale();
    // Whether the controller drives a usable screen; on success the description holds its size.
    static bool Detect(DeviceDesc& device);

    void WaitVBlank() override;
};

}  // namespace HAL
