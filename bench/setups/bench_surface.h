#pragma once
// The 640x480 area the 2-D and fill benchmarks draw over: a back buffer in the drawing orientation
// the game uses.
#include <vector>

#include "engine/draw/raster_target.h"

namespace bench_surface {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr size_t kPixels = size_t(kWidth) * kHeight;

struct Surface {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(kPixels);
    SRasterTarget target;

    Surface() { target.Set(pixels.data(), kWidth, kHeight, kWidth, 0); }
};

}  // namespace bench_surface
