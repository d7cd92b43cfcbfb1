#include "framework/drivers/gapi.h"

#include "framework/device/device_model.h"
#include "framework/device/optional_libraries.h"
#include "framework/drivers/frame_buffer.h"
#include "framework/log.h"

namespace HAL {

namespace {

namespace gx = platform::display_library;

// False when the library or any entry point is missing.
bool loadEntries(GAPI::Entries& e, bool& libraryMissing) {
    platform::Library* library = LoadOptionalLibrary(gx::kLibrary);
    libraryMissing = library == nullptr;
    e.open = LibraryEntry<gx::OpenDisplay>(library, gx::kOpenDisplay);
    e.close = LibraryEntry<gx::CloseDisplay>(library, gx::kCloseDisplay);
    e.begin = LibraryEntry<gx::BeginDraw>(library, gx::kBeginDraw);
    e.end = LibraryEntry<gx::EndDraw>(library, gx::kEndDraw);
    e.properties = LibraryEntry<gx::GetDisplayProperties>(library, gx::kGetDisplayProperties);
    e.isDramBuffer = LibraryEntry<gx::IsDisplayDRAMBuffer>(library, gx::kIsDisplayDRAMBuffer);
    e.suspend = LibraryEntry<gx::Suspend>(library, gx::kSuspend);
    e.resume = LibraryEntry<gx::Resume>(library, gx::kResume);
    e.setViewport = LibraryEntry<gx::SetViewport>(library, gx::kSetViewport);
    return e.open && e.close && e.begin && e.end && e.properties && e.isDramBuffer && e.suspend && e.resume &&
           e.setViewport;
}

bool noDramBuffer() {
    int model = GetDeviceModel();
    return model == kModelP6C || model == kModelTyphoon;
}

// The screen's layout from the open display's properties, and the offset from the library's address
// to the start of the memory.
FrameLayout describe(const GAPI::Entries& e, DeviceDesc& device) {
    gx::Properties properties = e.properties();
    FrameLayout layout = LayoutFromPitches(properties.width, properties.height, properties.xPitch, properties.yPitch);
    device.width = layout.width;
    device.height = layout.height;
    device.depth = uint32_t(properties.depth);
    device.pitch = layout.pitch;
    device.orientation = layout.orientation;
    device.swapEffect = e.isDramBuffer() && !noDramBuffer() ? 2 : 0;
    return layout;
}

}  // namespace

bool GAPI::Detect(platform::Window* window, DeviceDesc& device, bool& libraryMissing) {
    Log("GAPI: Detect()");
    Entries e;
    if (!loadEntries(e, libraryMissing) || !e.open(window, gx::kFullScreen)) return false;
    DeviceDesc found = device;
    FrameLayout layout = describe(e, found);
    if (found.frameBuffer == nullptr) {
        if (auto* upright = static_cast<uint8_t*>(e.begin())) found.frameBuffer = upright + layout.offset;
        e.end();
    }
    e.close();
    if (uint64_t(found.width) * found.height != uint64_t(device.width) * device.height) return false;
    device = found;
    return true;
}

GAPI::~GAPI() {
    if (m_open) m_gx.close();
}

bool GAPI::Initialize(platform::Window* window, const DisplayParams&, const DeviceDesc& device) {
    bool libraryMissing = false;
    if (!loadEntries(m_gx, libraryMissing) || !m_gx.open(window, gx::kFullScreen)) return false;
    m_open = true;
    m_device = device;
    m_offset = describe(m_gx, m_device).offset;
    m_fixedFrameBuffer = noDramBuffer();
    if (m_fixedFrameBuffer && device.frameBuffer == nullptr) return false;
    m_device.frameBuffer = m_fixedFrameBuffer ? device.frameBuffer : nullptr;
    m_surface = std::make_unique<Surface>(int32_t(m_device.width), int32_t(m_device.height), int32_t(m_device.pitch),
                                          static_cast<uint16_t*>(m_device.frameBuffer), false);
    return true;
}

Surface* GAPI::BeginScene() {
    if (m_fixedFrameBuffer) return m_surface.get();
    auto* upright = static_cast<uint8_t*>(m_gx.begin());
    if (upright == nullptr) return nullptr;
    m_surface->m_pixels = reinterpret_cast<uint16_t*>(upright + m_offset);
    return m_surface.get();
}

void GAPI::Present(uint32_t) {
    if (!m_fixedFrameBuffer) m_gx.end();
}

void GAPI::Resume() { m_gx.resume(); }
void GAPI::Suspend() { m_gx.suspend(); }

// With its own memory the library copies to the screen only the rows of the viewport, counted along
// the screen's upright y.
void GAPI::SetUpdateRect(const platform::Rect& rect) {
    if (m_device.swapEffect != 2) return;
    const int32_t width = int32_t(m_device.width), height = int32_t(m_device.height);
    int32_t top = rect.top, rows = rect.bottom - rect.top;
    switch (m_device.orientation) {
        case 1: top = width - rect.right, rows = rect.right - rect.left; break;
        case 2: top = height - rect.bottom; break;
        case 3: top = rect.left, rows = rect.right - rect.left; break;
        default: break;
    }
    m_gx.setViewport(uint32_t(top), uint32_t(rows), 0, 0);
}

}  // namespace HAL
