#pragma once
// Keeps the writes to slow video memory few: the game draws into a copy in system memory, and each
// present writes only the words that changed since the frame before.
#include <memory>
#include <vector>

#include "framework/drivers/video_driver.h"

namespace HAL {

class SlowFB : public VideoDriver {
public:
    explicit SlowFB(std::unique_ptr<VideoDriver> inner);

    void Resume() override;
    void Suspend() override;
    void Invalidate() override;
    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
    // Flag bit 1: write the whole frame.
    void Present(uint32_t flags) override;
    void SetUpdateRect(const platform::Rect& rect) override;
    void WaitVBlank() override;

private:
    bool hasCopies() const { return !m_frame.empty(); }
    void writeRows(Surface& screen, int32_t top, int32_t bottom, bool everything);

    std::unique_ptr<VideoDriver> m_inner;
    Surface* m_screen = nullptr;  // the inner driver's locked surface during a scene
    // What the game draws into, and what video memory holds now; empty when the screen's size does
    // not suit copies, and the inner driver is used as it is.
    std::vector<uint32_t> m_frame;
    std::vector<uint32_t> m_shown;
    bool m_writeAll = true;  // video memory holds something else than m_shown
    platform::Rect m_update;
};

// Flag of Present: write every word, changed or not.
constexpr uint32_t kPresentEverything = 2;

}  // namespace HAL
