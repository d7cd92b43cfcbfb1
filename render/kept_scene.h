#pragma once
// SKeptScene: a copy of the 3-D view's scene as it stood before the rain and the first-person item
// were drawn over it. While it rains and nothing in the scene moves, a frame puts the copy back
// and draws only the falling streaks and the hands again, instead of the whole scene.
#include <cstdint>
#include <vector>

#include "engine/draw/raster_target.h"

class SKeptScene {
public:
    // Copies the target's pixels.
    void Keep(const SRasterTarget& target);
    // Puts the copy back; false, with nothing drawn, when there is none or the target is no longer
    // the one it was kept from (the view moved on the surface, changed size or turned).
    bool Restore(const SRasterTarget& target) const;
    void Forget() { m_pixels.clear(); }

private:
    bool fits(const SRasterTarget& target) const;

    std::vector<uint16_t> m_pixels;
    SRasterTarget m_from;
};
