#include "framework/tile_kernels.h"

#include <cstddef>

namespace HAL {

namespace {

// Each destination row is written left to right while the source is walked along a column (quarter
// turns) or backwards along a row (half turn): `columnStep` moves one destination pixel right,
// `rowStep` one destination row down, both in source pixels.
template <int Turns>
void turnTile(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch) {
    const ptrdiff_t line = srcPitch / 2;
    const ptrdiff_t columnStep = Turns == 1 ? -line : Turns == 2 ? -1 : line;
    const ptrdiff_t rowStep = Turns == 1 ? 1 : Turns == 2 ? -line : -1;
    for (int32_t y = 0; y < kTileSize; ++y) {
        const uint16_t* from = src + y * rowStep;
        auto* to = reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(dst) + ptrdiff_t(y) * dstPitch);
        for (int32_t x = 0; x < kTileSize; ++x) to[x] = from[x * columnStep];
    }
}

}  // namespace

TileKernel TileKernelFor(int turns) {
    switch (turns) {
    case 1: return turnTile<1>;
    case 2: return turnTile<2>;
    case 3: return turnTile<3>;
    default: return nullptr;
    }
}

}  // namespace HAL
