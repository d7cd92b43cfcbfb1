#pragma once
// Turning 16x16 tiles of 16-bit pixels by a quarter, half or three-quarter turn.
#include <cstdint>

namespace HAL {

constexpr int32_t kTileSize = 16;

// Copies one tile. `src` is the source pixel that lands on the destination's top-left pixel; the
// pitches are in bytes.
using TileKernel = void (*)(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch);

// The kernel for 1, 2 or 3 quarter turns: destination (x, y) of a tile is the source pixel
//   1: (y, 15 - x)   2: (15 - x, 15 - y)   3: (15 - y, x)
// counted from the source tile's own corner. Two sets give the same pixels: one scheduled for the
// XScale processor (cpuType 2, HAL::GetCpuType), one for the others.
TileKernel TileKernelFor(int turns, int cpuType);

}  // namespace HAL
