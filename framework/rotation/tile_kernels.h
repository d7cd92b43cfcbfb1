#pragma once
// Turning rectangles of whole 16x16 tiles of 16-bit pixels by a quarter, half or three-quarter turn.
#include <cstdint>

namespace HAL {

constexpr int32_t kTileSize = 16;

// Turns a width x height rectangle of the destination, both multiples of the tile size. `src` is
// the source pixel that lands on the rectangle's top-left pixel; the pitches are in bytes.
using TileKernel = void (*)(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch, int32_t width,
                            int32_t height);

// The kernel for 1, 2 or 3 quarter turns: destination (x, y) of the rectangle is the source pixel
//   1: (y, -x)   2: (-x, -y)   3: (-y, x)
// counted from `src`. Two sets give the same pixels: one scheduled for the XScale processor
// (cpuType 2, HAL::GetCpuType), one for the others, which uses the vector instructions every
// processor of this build's kind has.
TileKernel TileKernelFor(int turns, int cpuType);
// The others' set in plain C++, as a build for a processor without vector kernels runs it; the
// tests hold every set to it.
TileKernel PlainTileKernel(int turns);

}  // namespace HAL
