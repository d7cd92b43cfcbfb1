#pragma once
// Finds the ways of reaching the screen that work on this device, once per process, and builds the
// best of them for a display.
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/drivers/video_driver.h"

namespace HAL {

enum DriverId : uint32_t {
    kDriverGdi = 1,
    kDriverDirect = 3,
    kDriverGapi = 4,
    kDriverStrongArm = 5,
    kDriverXScale = 6,
    kDriverImageon100 = 7,
    kDriverSlowFb = 8,
    kDriverVga = 9,
};

struct DisplayMode {
    uint32_t width;
    uint32_t height;
    uint32_t orientation;
};

// The display modes a screen can show: its own, and when it is made of whole 16-pixel tiles (which
// rotation needs) the three other quarter turns; otherwise at least the upright orientation.
std::vector<DisplayMode> SupportedModes(const DeviceDesc& device);

class VideoDetect {
public:
    // Probing may open the display library for `window`, the window of the first display.
    explicit VideoDetect(platform::Window* window = nullptr);
    virtual ~VideoDetect() = default;

    // The detection of this process, made on first use (for that display's window) and kept.
    static VideoDetect& Get(platform::Window* window);
    // Drops the kept detection, the device's identity and the drivers' libraries, so that the next
    // use probes the device again.
    static void Forget();

    void DetectDrivers(platform::Window* window);
    // The first detected driver, trying the last found first, that initialises for the parameters;
    // null when none does or the requested orientation is not a supported mode.
    std::unique_ptr<VideoDriver> SelectDriver(platform::Window* window, const DisplayParams& params);
    // Null for an id this build has no driver for.
    virtual std::unique_ptr<VideoDriver> CreateDriver(uint32_t id);
    bool SupportsOrientation(int32_t orientation) const;

    DeviceDesc m_device;
    std::vector<DisplayMode> m_modes;
    std::vector<uint32_t> m_ids;

private:
    void probeHardware(platform::Window* window);
};

}  // namespace HAL
