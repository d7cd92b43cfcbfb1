#pragma once
// Drivers that find the screen in the registers of the processor's own LCD controller: they draw
// straight into the frame buffer that an earlier probe found and time their copies by the
// controller's DMA.
#include <memory>

#include "framework/device/physical_mapping.h"
#include "framework/drivers/video_driver.h"

namespace HAL {

class LcdDriver : public VideoDriver {
public:
    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;

protected:
    // The controller's register block.
    LcdDriver(uint32_t registers, uint32_t registerBytes);
    // Fills in what a model knows better than the probes; the description is the detection's.
    virtual void adjust(DeviceDesc&) {}

    const uint32_t m_registerAddress;
    const uint32_t m_registerBytes;
    std::unique_ptr<PhysicalMapping> m_registers;
};

// Bits of the controllers' first control register. The drivers want an active panel: a passive
// one is refreshed in a way the vertical-blank timing does not fit.
constexpr uint32_t kLcdEnabled = 1u << 0;
constexpr uint32_t kLcdActivePanel = 1u << 7;

}  // namespace HAL
