#include "framework/drivers/gdi_driver.h"

#include "platform/device.h"

namespace HAL {

bool GDIDriver::Initialize(platform::Window* window, const DisplayParams&, const DeviceDesc& device) {
    m_window = window;
    m_surface = CreateMemorySurface(int32_t(device.width), int32_t(device.height));
    if (!m_surface) return false;
    // The drawing layer draws the way the screen's memory lies, which a landscape handheld's
    // portrait panel turns.
    m_device = {
        device.width,       device.height, 16, uint32_t(m_surface->m_pitch), uint32_t(platform::ScreenOrientation()), 2,
        m_surface->m_pixels};
    m_update = {0, 0, m_surface->m_width, m_surface->m_height};
    return true;
}

Surface* GDIDriver::BeginScene() { return m_surface.get(); }

void GDIDriver::Present(uint32_t) {
    platform::PresentFrame(m_window, m_surface->m_pixels, m_surface->m_pitch, m_surface->m_width, m_surface->m_height,
                           m_update);
}

void GDIDriver::SetUpdateRect(const platform::Rect& rect) { m_update = rect; }

// The window's frame is asked for at every present rather than kept: it is the window's memory.
Surface* GDIDriver::ShownSurface() {
    const platform::WindowFrame frame = platform::GetWindowFrame(m_window);
    if (!frame.pixels || frame.width < m_surface->m_width || frame.height < m_surface->m_height) return nullptr;
    m_shown.m_width = m_surface->m_width;
    m_shown.m_height = m_surface->m_height;
    m_shown.m_pitch = frame.pitchBytes;
    m_shown.m_pixels = frame.pixels;
    return &m_shown;
}

void GDIDriver::PresentShown(uint32_t) { platform::ShowWindowFrame(m_window, m_update); }

}  // namespace HAL
