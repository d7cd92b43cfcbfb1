#pragma once
// The 80 x 50 picture of the 3-D view that a saved game keeps.
#include <cstdint>
#include <span>

#include "engine/draw/raster_target.h"

inline constexpr int kThumbWidth = 80;
inline constexpr int kThumbHeight = 50;
using SThumbnail = std::span<uint16_t, kThumbWidth * kThumbHeight>;

// The view scaled to fit 80 x 50 with its shape kept, centred, the rest black. A view of no pixels
// gives a black thumbnail.
void MakeThumbnail(const SRasterTarget& view, SThumbnail thumbnail);
// The whole view, nearest neighbour, onto the width x height pixels of the thumbnail from (left,
// top), the rectangle cut to the thumbnail. Pixels are read through the view's own addressing, so
// that every orientation gives the same thumbnail.
void ScaleViewToThumb(const SRasterTarget& view, SThumbnail thumbnail, int left, int top, int width, int height);
