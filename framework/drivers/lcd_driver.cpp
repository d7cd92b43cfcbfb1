#include "framework/drivers/lcd_driver.h"

#include "framework/drivers/frame_buffer.h"

namespace HAL {

LcdDriver::LcdDriver(uint32_t registers, uint32_t registerBytes)
    : m_registerAddress(registers), m_registerBytes(registerBytes) {}

bool LcdDriver::Initialize(platform::Window*, const DisplayParams&, const DeviceDesc& device) {
    m_device = device;
    adjust(m_device);
    if (m_device.frameBuffer == nullptr) return false;
    m_registers = std::make_unique<PhysicalMapping>(m_registerAddress, m_registerBytes);
    if (!*m_registers) return false;
    m_device.frameBuffer = PreferCachedView(m_device.frameBuffer, size_t(m_device.pitch) * m_device.height);
    // The game draws into a back buffer that the display copies after the vertical blank.
    m_device.swapEffect = 0;
    m_surface = FrameBufferSurface(m_device);
    return true;
}

Surface* LcdDriver::BeginScene() { return m_surface.get(); }

}  // namespace HAL
