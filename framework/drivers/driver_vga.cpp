#include "framework/drivers/driver_vga.h"

#include "framework/device/device_model.h"
#include "framework/drivers/frame_buffer.h"
#include "framework/log.h"
#include "platform/display_escape.h"

namespace HAL {

namespace {

constexpr uint16_t kFormatMask = 3;
constexpr uint16_t kFormatRgb565 = 1;

bool describeVga(DeviceDesc& device) {
    platform::RawFrameBufferInfo info;
    if (!platform::EscapeSupported(platform::kEscapeRawFrameBuffer) || !platform::QueryRawFrameBuffer(info)) {
        Log("DriverVGA: GETRAWFRAMEBUFFER failed");
        return false;
    }
    if (info.width <= 0 || info.height <= 0 || (info.format & kFormatMask) != kFormatRgb565 ||
        info.frameBuffer == nullptr)
        return false;
    if (uint64_t(info.width) * uint64_t(info.height) != uint64_t(device.width) * device.height) return false;
    FrameLayout layout = LayoutFromPitches(uint32_t(info.width), uint32_t(info.height), info.xStride, info.yStride);
    device.width = layout.width;
    device.height = layout.height;
    device.depth = 16;
    device.pitch = layout.pitch;
    // On this model the raw frame buffer is turned three quarters whatever its strides say.
    device.orientation = GetDeviceModel() == kModelMotoQ ? 3 : layout.orientation;
    device.swapEffect = 0;
    device.frameBuffer = static_cast<uint8_t*>(info.frameBuffer) + layout.offset;
    return true;
}

}  // namespace

bool DriverVGA::Detect(DeviceDesc& device) { return ProbeInto(device, describeVga); }

bool DriverVGA::Initialize(platform::Window*, const DisplayParams&, const DeviceDesc& device) {
    m_device = device;
    if (!describeVga(m_device)) return false;
    m_surface = FrameBufferSurface(m_device);
    return m_surface != nullptr;
}

Surface* DriverVGA::BeginScene() { return m_surface.get(); }

}  // namespace HAL
