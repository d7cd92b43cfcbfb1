#include "framework/drivers/mediaq.h"

#include <cstring>

#include "framework/device/poll.h"
#include "framework/drivers/frame_buffer.h"
#include "framework/hal_clock.h"
#include "framework/log.h"

namespace HAL {

namespace {

// Where the chip's memory shows in the address space, and how much of it there is.
constexpr uintptr_t kWindowMask = 0x7FFFF;
constexpr uintptr_t kFirstFrameOffset = 0x42000;
constexpr uint32_t kLargestFrame = 262'144;
// Clearing a frame in system memory takes a few milliseconds; in the chip's memory it takes longer.
constexpr uint32_t kSlowMilliseconds = 15;

}  // namespace

bool MediaQ::Detect(const DeviceDesc& device) {
    const uint32_t bytes = device.pitch * device.height;
    if (device.frameBuffer == nullptr || bytes == 0 || bytes > kLargestFrame) return false;
    if ((reinterpret_cast<uintptr_t>(device.frameBuffer) & kWindowMask) < kFirstFrameOffset) return false;
    // Start on a fresh clock tick, so the measurement does not begin part-way through one.
    const uint32_t tick = GetTime();
    if (!PollUntil([tick] { return GetTime() != tick; }, Yield::Never)) return false;
    const uint32_t start = GetTime();
    std::memset(device.frameBuffer, 0, bytes);
    const uint32_t elapsed = GetTime() - start;
    Log("MediaQ: benchmarked %d ms", int(elapsed));
    return elapsed >= kSlowMilliseconds;
}

bool MediaQ::Initialize(platform::Window*, const DisplayParams&, const DeviceDesc& device) {
    m_device = device;
    m_device.depth = 16;
    m_device.swapEffect = 0;
    m_surface = FrameBufferSurface(m_device);
    return m_surface != nullptr;
}

Surface* MediaQ::BeginScene() { return m_surface.get(); }

}  // namespace HAL
