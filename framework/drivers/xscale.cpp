#include "framework/drivers/xscale.h"

#include "framework/device/poll.h"

namespace HAL {

namespace {

constexpr uint32_t kXscaleRegisters = 0x44000000;
constexpr uint32_t kXscaleRegisterBytes = 544;
constexpr uint32_t kXscaleControl = 0x000;
constexpr uint32_t kXscaleWidth = 0x004;   // pixels per row - 1
constexpr uint32_t kXscaleHeight = 0x008;  // rows - 1
constexpr uint32_t kFormat = 0x00C;        // bits 24-26: the depth
constexpr uint32_t kDmaCommand = 0x20C;
constexpr uint32_t kEndOfFrame = 1u << 26;
constexpr uint32_t kRemainingBytes = 0x1FFFFF;

// Monochrome double-pixel panels fetch rows in groups of 8 pixels.
constexpr uint32_t kMonochrome = 1u << 1;
constexpr uint32_t kDoublePixel = 1u << 9;

}  // namespace

XScale::XScale() : LcdDriver(kXscaleRegisters, kXscaleRegisterBytes) {}

bool XScale::Detect(DeviceDesc& device) {
    PhysicalMapping registers(kXscaleRegisters, kXscaleRegisterBytes);
    if (!registers) return false;
    uint32_t control = registers.Read(kXscaleControl);
    if ((control & kLcdEnabled) == 0) return false;
    uint32_t code = (registers.Read(kFormat) >> 24) & 7;
    uint32_t depth = code <= 4 ? 1u << code : 0;
    if (depth != 16) return false;
    uint32_t width = (registers.Read(kXscaleWidth) & 0x3FF) + 1;
    // An active panel at 8 or 16 bits fetches groups of 8 pixels as well.
    bool byEight = ((control & kMonochrome) && (control & kDoublePixel)) || (control & kLcdActivePanel);
    uint32_t rounding = byEight ? 8 : 4;
    device.width = width;
    device.height = (registers.Read(kXscaleHeight) & 0x3FF) + 1;
    device.depth = depth;
    device.pitch = (width + rounding - 1) / rounding * rounding * depth / 8;
    return true;
}

// The copy fits while the DMA fetches the last rows of a frame: not past its end, with 20 to 34
// rows still to go.
void XScale::WaitVBlank() {
    const uint32_t pitch = m_device.pitch;
    PollUntil(
        [&] {
            uint32_t command = m_registers->Read(kDmaCommand);
            uint32_t remaining = command & kRemainingBytes;
            return (command & kEndOfFrame) == 0 && remaining >= 20 * pitch && remaining <= 34 * pitch;
        },
        Yield::Once);
}

}  // namespace HAL
