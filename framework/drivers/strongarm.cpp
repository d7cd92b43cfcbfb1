#include "framework/drivers/strongarm.h"

#include <algorithm>

#include "framework/device/device_model.h"
#include "framework/device/poll.h"
#include "platform/hardware.h"

namespace HAL {

namespace {

constexpr uint32_t kRegisters = 0xB0100000;
constexpr uint32_t kRegisterBytes = 44;
constexpr uint32_t kControl = 0x00;
constexpr uint32_t kDmaBase = 0x10;     // physical start of the palette, the frame follows it
constexpr uint32_t kDmaCurrent = 0x14;  // physical address the DMA reads now
constexpr uint32_t kWidth = 0x20;
constexpr uint32_t kHeight = 0x24;
// At 16 bits the palette is 16 entries of 16 bits; only its first word means anything (the depth).
constexpr uint32_t kPaletteBytes = 32;
constexpr uint32_t kPaletteDepth = 0x3000;

// The iPAQ H3800 keeps its frame right after the palette, reachable only through the kernel.
constexpr uint32_t kIpaqFrameBuffer = 0xAC050020;

uint32_t depthFromPalette(uint32_t word) {
    switch (word & kPaletteDepth) {
        case 0x0000: return 4;
        case 0x1000: return 8;
        case 0x2000: return 16;
        default: return 0;
    }
}

}  // namespace

StrongARM::StrongARM() : LcdDriver(kRegisters, kRegisterBytes) {}

bool StrongARM::Detect(DeviceDesc& device) {
    PhysicalMapping registers(kRegisters, kRegisterBytes);
    if (!registers) return false;
    uint32_t control = registers.Read(kControl);
    if ((control & kLcdEnabled) == 0 || (control & kLcdActivePanel) == 0) return false;
    PhysicalMapping palette(registers.Read(kDmaBase), 4);
    if (!palette || depthFromPalette(palette.Read(0)) != 16) return false;
    device.width = (registers.Read(kWidth) & 0x3FF) + 16;
    device.height = (registers.Read(kHeight) & 0x3FF) + 1;
    device.depth = 16;
    device.pitch = (device.width + 15) / 16 * 16 * 2;
    return true;
}

void StrongARM::adjust(DeviceDesc& device) {
    if (GetDeviceModel() != kModelIpaqH3800) return;
    device.orientation = 3;
    device.frameBuffer = platform::KernelMemory(kIpaqFrameBuffer, device.pitch * device.height);
}

// The copy must start once the DMA has passed the visible rows it would overwrite and finish
// before it comes round again: a window of rows near the bottom of the frame.
void StrongARM::WaitVBlank() {
    const uint32_t frame = m_registers->Read(kDmaBase) + kPaletteBytes;
    const int64_t height = m_device.height, pitch = m_device.pitch;
    const int64_t first = frame + std::max<int64_t>(height - 34, 0) * pitch;
    const int64_t last = frame + std::max<int64_t>(height - 20, 0) * pitch;
    PollUntil(
        [&] {
            int64_t current = m_registers->Read(kDmaCurrent);
            return current >= first && current <= last;
        },
        Yield::Once);
}

}  // namespace HAL
