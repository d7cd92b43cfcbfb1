#pragma once
// The roof models drawn over wall cells: model v is the roof of wall variant v. Each model slopes
// up from every side of the cell whose neighbour is not part of the same wall, from height 0 at the
// side to the ridge height 305 units in; two open sides meet in a mitre, and a corner whose
// diagonal neighbour is open while both sides beside it are closed dips down to that corner. The
// flat top is not drawn. Models 0 (a wall closed on every side) and 16 (no mask) are empty.
#include <cstdint>
#include <span>

#include "render/wall_variants.h"

struct SRoofCorner {
    int32_t x = 0;  // inside the cell, world units: x east, y south
    int32_t height = 0;
    int32_t y = 0;
    int32_t s = 0;  // 28.4 texels of a roof picture 256 texels wide
    int32_t t = 0;
};

// Corners run clockwise seen from above, so that a face seen from outside the roof is front-facing.
struct SRoofFace {
    int count = 0;
    SRoofCorner corners[4];
};

inline constexpr int32_t kRoofRidgeHeight = 396;
inline constexpr int32_t kRoofRidgeInset = 305;

// The faces of a model; none for a model number past the table.
std::span<const SRoofFace> RoofModel(int model);
