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

    using Copier = void (RotationDriver::*)(Surface& screen) const;

    std::unique_ptr<VideoDriver> m_inner;
    Surface* m_innerLocked = nullptr;
    int m_turns = 0;  // quarter turns from the buffer to the screen
    TileKernel m_kernel = nullptr;
    // [0] when the present does not wait for the vertical blank, [1] when it does. The two orders
    // meet the refresh differently; a driver without a surface of its own has no refresh to race.
    Copier m_copiers[2] = {};
    platform::Rect m_update;  // in the screen's coordinates, whole tiles

private:
    void copyRows(Surface& screen) const;
    void copyTileColumns(Surface& screen) const;
    void copyTileRows(Surface& screen) const;
    void copyTile(Surface& screen, int32_t x, int32_t y) const;
};

}  // namespace HAL
