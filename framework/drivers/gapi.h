#pragma once
// The screen through the display library for games: it opens the screen to the game and tells where
// its memory is and how it is laid out.
#include <cstddef>

#include "framework/drivers/video_driver.h"
#include "platform/display_library.h"

namespace HAL {

class GAPI : public VideoDriver {
public:
    ~GAPI() override;

    // Whether the library works for this screen; on success the description holds its layout.
    // `libraryMissing` is set when the library could not be loaded at all.
    static bool Detect(platform::Window* window, DeviceDesc& device, bool& libraryMissing);

    void Resume() override;
    void Suspend() override;
    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
    void Present(uint32_t flags) override;
    void SetUpdateRect(const platform::Rect& rect) override;

    struct Entries {
        platform::display_library::OpenDisplay open;
        platform::display_library::CloseDisplay close;
        platform::display_library::BeginDraw begin;
        platform::display_library::EndDraw end;
        platform::display_library::GetDisplayProperties properties;
        platform::display_library::IsDisplayDRAMBuffer isDramBuffer;
        platform::display_library::Suspend suspend;
        platform::display_library::Resume resume;
        platform::display_library::SetViewport setViewport;
    };

private:
    Entries m_gx{};
    bool m_open = false;
    // On some models the library's begin and end must not be used; the probe's address serves.
    bool m_fixedFrameBuffer = false;
    ptrdiff_t m_offset = 0;  // from the address the library hands out to the start of the memory
};

}  // namespace HAL
