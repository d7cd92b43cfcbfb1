#include "framework/drivers/frame_buffer.h"

#include <cstdlib>
#include <cstring>

#include "platform/hardware.h"

namespace HAL {

FrameLayout LayoutFromPitches(uint32_t width, uint32_t height, int32_t xPitch, int32_t yPitch) {
    uint32_t orientation = xPitch > 0 ? (yPitch > 0 ? 0 : 1) : (yPitch < 0 ? 2 : 3);
    bool turned = orientation % 2 == 1;
    FrameLayout layout{width, height, uint32_t(std::abs(yPitch)), orientation, 0};
    if (turned) layout = {height, width, uint32_t(std::abs(xPitch)), orientation, 0};
    // Walking backwards along an axis starts at that axis's far end.
    if (xPitch < 0) layout.offset += ptrdiff_t(width - 1) * xPitch;
    if (yPitch < 0) layout.offset += ptrdiff_t(height - 1) * yPitch;
    return layout;
}

void* PreferCachedView(void* frameBuffer, size_t bytes) {
    constexpr uint32_t kUncached = 1u << 29;
    uint32_t address = platform::KernelAddressOf(frameBuffer);
    if ((address & kUncached) == 0) return frameBuffer;
    void* cached = platform::KernelMemory(address & ~kUncached, uint32_t(bytes));
    if (cached == nullptr || std::memcmp(cached, frameBuffer, bytes) != 0) return frameBuffer;
    return cached;
}

bool ProbeInto(DeviceDesc& device, bool (*probe)(DeviceDesc&)) {
    DeviceDesc found = device;
    if (!probe(found)) return false;
    device = found;
    return true;
}

std::unique_ptr<Surface> FrameBufferSurface(const DeviceDesc& device) {
    if (device.frameBuffer == nullptr) return nullptr;
    return std::make_unique<Surface>(int32_t(device.width), int32_t(device.height), int32_t(device.pitch),
                                     static_cast<uint16_t*>(device.frameBuffer), false);
}

}  // namespace HAL
