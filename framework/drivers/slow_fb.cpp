#include "framework/drivers/slow_fb.h"

#include <algorithm>
#include <cstring>

#include "framework/hal_display.h"

namespace HAL {

namespace {
// The copies are compared in 32-bit words and kept in blocks of 64 bytes.
constexpr size_t kCopyGranule = 64;
}  // namespace

SlowFB::SlowFB(std::unique_ptr<VideoDriver> inner) : m_inner(std::move(inner)) {}

bool SlowFB::Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) {
    if (!m_inner->Initialize(window, params, device)) return false;
    m_device = m_inner->m_device;
    const size_t bytes = size_t(m_device.pitch) * m_device.height;
    m_update = {0, 0, int32_t(m_device.width), int32_t(m_device.height)};
    if (bytes == 0 || bytes % kCopyGranule != 0 || m_device.pitch % 4 != 0) return true;

    m_frame.assign(bytes / 4, 0);
    m_shown.assign(bytes / 4, 0);
    m_writeAll = true;
    m_surface = std::make_unique<Surface>(int32_t(m_device.width), int32_t(m_device.height), int32_t(m_device.pitch),
                                          reinterpret_cast<uint16_t*>(m_frame.data()), false);
    // The game may keep drawing into the copy from frame to frame; only a game that turns the
    // screen draws into a rotation buffer of its own and needs no more than a discarding surface.
    bool native = params.orientation == kOrientationAny || uint32_t(params.orientation) == m_device.orientation;
    m_device.swapEffect = params.swapEffect == kSwapCopy && native ? kSwapCopy : kSwapDiscard;
    return true;
}

Surface* SlowFB::BeginScene() {
    m_screen = m_inner->BeginScene();
    if (!hasCopies() || m_screen == nullptr) return m_screen;
    return m_surface.get();
}

void SlowFB::Present(uint32_t flags) {
    if (hasCopies() && m_screen != nullptr) {
        bool everything = m_writeAll || (flags & kPresentEverything) != 0;
        int32_t top = everything ? 0 : std::max(m_update.top, 0);
        int32_t bottom = everything ? int32_t(m_device.height) : std::min(m_update.bottom, int32_t(m_device.height));
        writeRows(*m_screen, top, bottom, everything);
        m_writeAll = false;
    }
    m_inner->Present(flags);
    m_screen = nullptr;
}

// Video memory is written only where the frame differs from what it shows; m_shown follows every
// write, so the game's copy stays its own to draw on.
void SlowFB::writeRows(Surface& screen, int32_t top, int32_t bottom, bool everything) {
    const size_t rowWords = m_device.pitch / 4;
    for (int32_t y = top; y < bottom; ++y) {
        uint32_t* frame = &m_frame[size_t(y) * rowWords];
        uint32_t* shown = &m_shown[size_t(y) * rowWords];
        auto* video = reinterpret_cast<uint8_t*>(screen.Row(y));
        for (size_t word = 0; word < rowWords; ++word) {
            if (!everything && frame[word] == shown[word]) continue;
            shown[word] = frame[word];
            std::memcpy(video + word * 4, &frame[word], 4);
        }
    }
}

void SlowFB::SetUpdateRect(const platform::Rect& rect) {
    m_update = rect;
    m_inner->SetUpdateRect(rect);
}

void SlowFB::WaitVBlank() { m_inner->WaitVBlank(); }

void SlowFB::Invalidate() {
    m_writeAll = true;
    m_inner->Invalidate();
}

void SlowFB::Resume() {
    m_writeAll = true;
    m_inner->Resume();
}

void SlowFB::Suspend() {
    m_writeAll = true;
    m_inner->Suspend();
}

}  // namespace HAL
