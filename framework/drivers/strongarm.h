#pragma once
// The screen of a StrongARM processor's LCD controller.
#include "framework/drivers/lcd_driver.h"

namespace HAL {

class StrongARM : public LcdDriver {
public:
    StrongARM();
    // Whether the controller drives a usable screen; on success the description holds its size.
    static bool Detect(DeviceDesc& device);

    void WaitVBlank() override;

private:
    void adjust(DeviceDesc& device) override;
};

}  // namespace HAL
