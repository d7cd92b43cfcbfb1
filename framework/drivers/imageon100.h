#pragma once
// The screen through a graphics chip with memory of its own: the game draws into a surface in the
// chip's memory that an overlay shows over the whole screen.
#include "framework/drivers/video_driver.h"
#include "platform/graphics_chip_library.h"

namespace HAL {

class Imageon100 : public VideoDriver {
public:
    ~Imageon100() override;
    // Whether this device has the chip and its library answers.
    static bool Detect(const DeviceDesc& device);

    void Resume() override;
    void Suspend() override;
    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
    void Present(uint32_t flags) override;

    struct Entries {
        platform::graphics_chip_library::ProcessAttach attach;
        platform::graphics_chip_library::ProcessDetach detach;
        platform::graphics_chip_library::AllocateSurface allocateSurface;
        platform::graphics_chip_library::DestroySurface destroySurface;
        platform::graphics_chip_library::AllocOverlay allocOverlay;
        platform::graphics_chip_library::SetupOverlay setupOverlay;
        platform::graphics_chip_library::SetOverlayOnOff setOverlayOnOff;
        platform::graphics_chip_library::ReleaseOverlay releaseOverlay;
        platform::graphics_chip_library::WaitComplete waitComplete;
        platform::graphics_chip_library::SetupMemoryTransfer setupMemoryTransfer;
        platform::graphics_chip_library::TerminateMemoryTransfer terminateMemoryTransfer;
    };

private:
    void endTransfer();

    Entries m_chip{};
    bool m_attached = false;
    bool m_hasSurface = false;
    bool m_hasOverlay = false;
    bool m_transferring = false;
    uint32_t m_chipSurface = 0;
    uint32_t m_overlay = 0;
};

}  // namespace HAL
