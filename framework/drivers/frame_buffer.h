#pragma once
// What the drivers that draw straight into the screen's memory share: reading the memory's layout
// from signed pixel steps, choosing the faster of two views of it, and a surface over it.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "framework/drivers/video_driver.h"
#include "framework/surface.h"

namespace HAL {

// The screen's memory as it is laid out, from a description of it as seen upright.
struct FrameLayout {
    uint32_t width;   // of a row in memory
    uint32_t height;  // rows in memory
    uint32_t pitch;   // bytes from one row in memory to the next
    uint32_t orientation;
    // Bytes from the upright top-left pixel to the start of the memory (never positive).
    ptrdiff_t offset;
};

// `width` and `height` of the upright screen; `xPitch` and `yPitch` the signed byte steps from one
// upright pixel to the next along x and along y.
FrameLayout LayoutFromPitches(uint32_t width, uint32_t height, int32_t xPitch, int32_t yPitch);

// The kernel sees memory through two windows that differ in bit 29 of the address; the one without
// the bit is cached and much faster to draw into. The cached view is used when it exists and holds
// the same `bytes` as the frame buffer, so that it is certain to be the same memory.
void* PreferCachedView(void* frameBuffer, size_t bytes);

// Runs `probe` on a copy of the description and keeps what it learnt only when it succeeds, so that
// a probe that gives up half-way leaves nothing behind.
bool ProbeInto(DeviceDesc& device, bool (*probe)(DeviceDesc&));

// A surface over the frame buffer of the description (the pixels stay the device's); null without
// one.
std::unique_ptr<Surface> FrameBufferSurface(const DeviceDesc& device);

}  // namespace HAL
