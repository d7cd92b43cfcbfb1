#pragma once
// Finds the ways of reaching the screen that work on this device, once per process, and builds the
// best of them for a display.
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/video_driver.h"

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

// The probes of the drivers that reach hardware registers or optional libraries. Each answers
// whether its driver works here and writes what it learnt of the screen into the description.
// This build reaches none of that hardware, so every probe finds its driver absent, as on a device
// without it.
class HardwareProbes {
public:
    virtual ~HardwareProbes() = default;
    // `libraryMissing` is set when the Game API library could not be loaded at all.
    virtual bool Gapi(DeviceDesc&, bool& libraryMissing) {
        libraryMissing = true;
        return false;
    }
    virtual bool DriverDirect(DeviceDesc&) { return false; }
    virtual bool DriverVga(DeviceDesc&) { return false; }
    // 0 unknown, 1 StrongARM, 2 XScale.
    virtual int CpuType() { return 0; }
    virtual bool StrongArmLcd(DeviceDesc&) { return false; }
    virtual bool XScaleLcd(DeviceDesc&) { return false; }
    virtual bool Imageon100(DeviceDesc&) { return false; }
    virtual bool MediaQ(DeviceDesc&) { return false; }
};

class VideoDetect {
public:
    explicit VideoDetect(std::unique_ptr<HardwareProbes> probes = std::make_unique<HardwareProbes>());
    virtual ~VideoDetect() = default;

    // The detection of this process, made on first use and kept.
    static VideoDetect& Get();
    // Drops the kept detection, so that the next use probes the device again.
    static void Forget();

    void DetectDrivers();
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
    void probeHardware();

    std::unique_ptr<HardwareProbes> m_probes;
};

}  // namespace HAL
