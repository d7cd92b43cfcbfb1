#include "framework/rotation/rotation_driver.h"

#include <algorithm>
#include <cstring>

#include "framework/device/device_model.h"
#include "framework/hal_display.h"

namespace HAL {

RotationDriver::RotationDriver(std::unique_ptr<VideoDriver> inner) : m_inner(std::move(inner)) {}

void RotationDriver::Resume() { m_inner->Resume(); }
void RotationDriver::Suspend() { m_inner->Suspend(); }
void RotationDriver::Invalidate() { m_inner->Invalidate(); }

bool RotationDriver::Initialize(platform::Window*, const DisplayParams& params, const DeviceDesc& device) {
    bool known = params.orientation >= 0 && params.orientation < kOrientationAny;
    m_turns = known ? ((int(device.orientation) - params.orientation) % 4 + 4) % 4 : 0;
    // The tiles must cover the screen exactly, or the last ones would write past it.
    if (m_turns != 0 && (device.width % kTileSize != 0 || device.height % kTileSize != 0)) return false;

    bool odd = m_turns % 2 == 1;
    uint32_t width = odd ? device.height : device.width;
    uint32_t height = odd ? device.width : device.height;
    m_surface = CreateMemorySurface(int32_t(width), int32_t(height));
    if (!m_surface) return false;
    m_device = {width,
                height,
                16,
                uint32_t(m_surface->m_pitch),
                known ? uint32_t(params.orientation) : device.orientation,
                2,
                m_surface->m_pixels};

    m_kernel = TileKernelFor(m_turns, GetCpuType());
    m_update = {0, 0, int32_t(device.width), int32_t(device.height)};
    return true;
}

Surface* RotationDriver::BeginScene() {
    m_innerLocked = m_inner->BeginScene();
    return m_innerLocked ? m_surface.get() : nullptr;
}

void RotationDriver::Present(uint32_t flags) {
    if (flags & kSwapWaitVBlank) m_inner->WaitVBlank();
    // Straight into what the screen shows where the inner driver allows it: its present then has
    // nothing left to copy.
    Surface* shown = m_innerLocked != nullptr ? m_inner->ShownSurface() : nullptr;
    Surface* screen = shown != nullptr ? shown : m_innerLocked;
    const platform::Rect& update = m_update;
    if (screen != nullptr && update.left < update.right && update.top < update.bottom &&
        screen->m_width >= update.right && screen->m_height >= update.bottom)
        copyUpdate(*screen);
    if (shown != nullptr)
        m_inner->PresentShown(flags);
    else
        m_inner->Present(flags);
    m_innerLocked = nullptr;
}

void RotationDriver::SetUpdateRect(const platform::Rect& rect) {
    const int32_t W = int32_t(m_inner->m_device.width), H = int32_t(m_inner->m_device.height);
    const auto [l, t, r, b] = rect;
    platform::Rect mapped = rect;
    switch (m_turns) {
        case 1: mapped = {W - b, l, W - t, r}; break;
        case 2: mapped = {W - r, H - b, W - l, H - t}; break;
        case 3: mapped = {t, H - r, b, H - l}; break;
        default: break;
    }
    m_inner->SetUpdateRect(mapped);
    auto down = [](int32_t v) { return v >= 0 ? v / kTileSize * kTileSize : 0; };
    auto up = [](int32_t v, int32_t limit) { return std::min((v + kTileSize - 1) / kTileSize * kTileSize, limit); };
    m_update = {down(mapped.left), down(mapped.top), up(mapped.right, W), up(mapped.bottom, H)};
}

void RotationDriver::copyUpdate(Surface& screen) const {
    const int32_t x = m_update.left, y = m_update.top;
    const int32_t width = m_update.right - x, height = m_update.bottom - y;
    if (m_turns == 0) {
        for (int32_t row = y; row < m_update.bottom; ++row)
            std::memcpy(screen.Row(row) + x, m_surface->Row(row) + x, size_t(width) * 2);
        return;
    }
    // The buffer pixel that lands on the rectangle's top-left corner.
    const int32_t right = m_surface->m_width - 1, bottom = m_surface->m_height - 1;
    int32_t sourceX = y, sourceY = bottom - x;  // one quarter turn
    if (m_turns == 2) sourceX = right - x, sourceY = bottom - y;
    if (m_turns == 3) sourceX = right - y, sourceY = x;
    m_kernel(screen.Row(y) + x, m_surface->Row(sourceY) + sourceX, m_surface->m_pitch, screen.m_pitch, width, height);
}

}  // namespace HAL
