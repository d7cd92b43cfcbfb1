#pragma once
// Which handheld this is, as far as the video drivers care: a few models need their screen reached
// in a way of their own, and the processor decides which tile kernels turn the screen fastest.
#include <cstdint>

namespace HAL {

enum DeviceModel : int {
    kModelUnknown = 0,
    kModelIpaqH3800 = 1,  // its LCD frame buffer sits at a fixed address, the panel turned a quarter
    kModelP6C = 2,        // the display library's own memory and the DMA must not be used
    kModelTyphoon = 3,    // as kModelP6C
    kModelE310 = 4,
    kModelE330 = 5,
    kModelE740 = 6,   // may have the graphics chip
    kModelE750 = 7,   // may have the graphics chip
    kModelMotoQ = 8,  // its raw frame buffer reports the wrong orientation
};

enum CpuType : int {
    kCpuOther = 0,
    kCpuStrongArm = 1,
    kCpuXScale = 2,
};

// From the OEM's name for the device; worked out on first use and kept.
int GetDeviceModel();
// From the processor's identification word; worked out on first use and kept.
int GetCpuType();
// Drops both answers, so that the next use reads the device again.
void ForgetDeviceIdentity();

}  // namespace HAL
