#include "framework/drivers/video_detect.h"

#include <algorithm>

#include "framework/device/device_model.h"
#include "framework/device/optional_libraries.h"
#include "framework/drivers/driver_direct.h"
#include "framework/drivers/driver_vga.h"
#include "framework/drivers/gapi.h"
#include "framework/drivers/gdi_driver.h"
#include "framework/drivers/imageon100.h"
#include "framework/drivers/mediaq.h"
#include "framework/drivers/slow_fb.h"
#include "framework/drivers/strongarm.h"
#include "framework/drivers/xscale.h"
#include "framework/hal_display.h"
#include "framework/log.h"
#include "framework/rotation/tile_kernels.h"
#include "platform/device.h"

namespace HAL {

namespace {
std::unique_ptr<VideoDetect> g_detect;
}  // namespace

VideoDetect::VideoDetect(platform::Window* window) { DetectDrivers(window); }

VideoDetect& VideoDetect::Get(platform::Window* window) {
    if (!g_detect) g_detect = std::make_unique<VideoDetect>(window);
    return *g_detect;
}

void VideoDetect::Forget() {
    g_detect.reset();
    ForgetDeviceIdentity();
    FreeOptionalLibraries();
}

void VideoDetect::DetectDrivers(platform::Window* window) {
    m_device = DeviceDesc{};
    m_ids.clear();
    int depth = platform::ScreenDepth();
    if (depth > 0) {
        m_device.width = uint32_t(platform::ScreenWidth());
        m_device.height = uint32_t(platform::ScreenHeight());
        m_device.depth = uint32_t(depth);
        m_device.orientation = uint32_t(platform::ScreenOrientation());
        m_ids.push_back(kDriverGdi);
    }
    // The other ways write straight into 16-bit video memory.
    if (m_device.depth == 16) probeHardware(window);
    if (m_device.orientation == kOrientationAny) m_device.orientation = 0;
    m_modes = SupportedModes(m_device);
}

// Later probes build on what earlier ones learnt: the LCD controllers and the MediaQ chip draw
// into the frame buffer that the display library or the display driver revealed.
void VideoDetect::probeHardware(platform::Window* window) {
    bool gxMissing = false;
    if (GAPI::Detect(window, m_device, gxMissing))
        m_ids.push_back(kDriverGapi);
    else if (gxMissing && DriverDirect::Detect(m_device))
        m_ids.push_back(kDriverDirect);

    // The first of the direct ways that works is the best this device has.
    if (DriverVGA::Detect(m_device)) {
        m_ids.push_back(kDriverVga);
        return;
    }
    int cpu = GetCpuType();
    if (cpu == kCpuStrongArm && StrongARM::Detect(m_device)) {
        m_ids.push_back(kDriverStrongArm);
        return;
    }
    if (cpu == kCpuXScale && XScale::Detect(m_device)) {
        m_ids.push_back(kDriverXScale);
        return;
    }
    if (Imageon100::Detect(m_device)) {
        m_ids.push_back(kDriverImageon100);
        return;
    }
    if (MediaQ::Detect(m_device)) m_ids.push_back(kDriverSlowFb);
}

std::vector<DisplayMode> SupportedModes(const DeviceDesc& device) {
    const uint32_t w = device.width, h = device.height, o = device.orientation;
    std::vector<DisplayMode> modes{{w, h, o}};
    if (w % kTileSize == 0 && h % kTileSize == 0) {
        modes.push_back({h, w, (o + 1) % 4});
        modes.push_back({w, h, (o + 2) % 4});
        modes.push_back({h, w, (o + 3) % 4});
    } else if (o == 2) {
        modes.push_back({w, h, 0});
    } else if (o != 0) {
        modes.push_back({h, w, 0});
    }
    return modes;
}

bool VideoDetect::SupportsOrientation(int32_t orientation) const {
    if (orientation < 0 || orientation >= kOrientationAny) return true;
    return std::any_of(m_modes.begin(), m_modes.end(),
                       [&](const DisplayMode& mode) { return mode.orientation == uint32_t(orientation); });
}

std::unique_ptr<VideoDriver> VideoDetect::SelectDriver(platform::Window* window, const DisplayParams& params) {
    if (m_ids.empty() || !SupportsOrientation(params.orientation)) return nullptr;
    for (auto id = m_ids.rbegin(); id != m_ids.rend(); ++id) {
        std::unique_ptr<VideoDriver> driver = CreateDriver(*id);
        if (driver && driver->Initialize(window, params, m_device)) return driver;
        Log("VideoDetect: driver %u failed", *id);
    }
    return nullptr;
}

std::unique_ptr<VideoDriver> VideoDetect::CreateDriver(uint32_t id) {
    switch (id) {
        case kDriverGdi: return std::make_unique<GDIDriver>();
        case kDriverDirect: return std::make_unique<DriverDirect>();
        case kDriverGapi: return std::make_unique<GAPI>();
        case kDriverStrongArm: return std::make_unique<StrongARM>();
        case kDriverXScale: return std::make_unique<XScale>();
        case kDriverImageon100: return std::make_unique<Imageon100>();
        case kDriverSlowFb: return std::make_unique<SlowFB>(std::make_unique<MediaQ>());
        case kDriverVga: return std::make_unique<DriverVGA>();
        default: return nullptr;
    }
}

}  // namespace HAL
