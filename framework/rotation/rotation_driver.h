#pragma once
// Shows the game in an orientation the screen does not have: the game draws upright into a memory
// buffer, and each present turns the changed tiles of it onto the inner driver's screen.
#include <memory>

#include "framework/drivers/video_driver.h"
#include "framework/rotation/tile_kernels.h"

namespace HAL {

class RotationDriver : public VideoDriver {
public:
    explicit RotationDriver(std::unique_ptr<VideoDriver> inner);

    void Resume() override;
    void Suspend() override;
    void Invalidate() override;
    // `device` is the inner driver's description.
    bool Initialize(platform::Window* window, const DisplayParams& params, const DeviceDesc& device) override;
    Surface* BeginScene() override;
    void Present(uint32_t flags) override;
    // The rectangle is in the buffer's coordinates.
    void SetUpdateRect(const platform::Rect& rect) override;

    std::unique_ptr<VideoDriver> m_inner;
    Surface* m_innerLocked = nullptr;
    int m_turns = 0;  // quarter turns from the buffer to the screen
    TileKernel m_kernel = nullptr;
    platform::Rect m_update;  // in the screen's coordinates, whole tiles

private:
    // Writes the update rectangle of the screen from the buffer, turned, in one kernel call: the
    // kernel chooses the order that keeps the caches full, whether or not the present waited.
    void copyUpdate(Surface& screen) const;
};

}  // namespace HAL
