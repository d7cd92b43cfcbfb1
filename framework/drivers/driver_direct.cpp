#include "framework/drivers/driver_direct.h"

#include <algorithm>

#include "framework/device/device_model.h"
#include "framework/device/optional_libraries.h"
#include "framework/device/poll.h"
#include "framework/drivers/frame_buffer.h"
#include "platform/display_escape.h"

namespace HAL {

namespace {

namespace dma = platform::dma_library;

constexpr int32_t kRecordVersion = 100;
constexpr uint32_t kLandscape = 1u << 3;
// The DMA moves whole groups of four pixels.
constexpr int32_t kDmaPixels = 4;

bool describe(DeviceDesc& device) {
    platform::DirectFrameBufferInfo info;
    if (!platform::EscapeSupported(platform::kEscapeDirectFrameBuffer) || !platform::QueryDirectFrameBuffer(info) ||
        info.version != kRecordVersion)
        return false;
    bool landscape = (info.format & kLandscape) != 0;
    uint32_t width = landscape ? info.height : info.width;
    uint32_t height = landscape ? info.width : info.height;
    // A row shorter than the screen's would make every drawn row spill into the next.
    if (width == 0 || height == 0 || info.stride < int32_t(width * 2)) return false;
    device.width = width;
    device.height = height;
    device.depth = 16;
    device.pitch = uint32_t(info.stride);
    if (landscape) device.orientation = 1;
    device.frameBuffer = info.frameBuffer;
    return true;
}

}  // namespace

bool DriverDirect::Detect(DeviceDesc& device) { return ProbeInto(device, describe); }

bool DriverDirect::Initialize(platform::Window*, const DisplayParams&, const DeviceDesc& device) {
    m_device = device;
    if (!describe(m_device)) return false;
    m_surface = FrameBufferSurface(m_device);
    if (!m_surface) return false;
    int model = GetDeviceModel();
    if (model != kModelP6C && model != kModelTyphoon) {
        platform::Library* library = LoadOptionalLibrary(dma::kLibrary);
        m_copyToVideo = LibraryEntry<dma::CopyToVideo>(library, dma::kCopyToVideo);
        m_isReady = LibraryEntry<dma::IsReady>(library, dma::kIsReady);
    }
    m_device.swapEffect = m_copyToVideo ? 2 : 0;
    m_update = {0, 0, m_surface->m_width, m_surface->m_height};
    return true;
}

Surface* DriverDirect::BeginScene() {
    // The game must not draw into memory that the last transfer is still reading.
    if (m_copyToVideo && m_isReady) PollUntil([this] { return m_isReady() != 0; }, Yield::EachPoll);
    return m_surface.get();
}

void DriverDirect::Present(uint32_t) {
    if (!m_copyToVideo || m_update.left >= m_update.right || m_update.top >= m_update.bottom) return;
    int32_t left = m_update.left / kDmaPixels * kDmaPixels;
    int32_t width = (m_update.right - left + kDmaPixels - 1) / kDmaPixels * kDmaPixels;
    width = std::min(width, m_surface->m_width - left);
    m_copyToVideo(uint32_t(left), uint32_t(m_update.top), uint32_t(width), uint32_t(m_update.bottom - m_update.top));
}

void DriverDirect::SetUpdateRect(const platform::Rect& rect) { m_update = rect; }

}  // namespace HAL
