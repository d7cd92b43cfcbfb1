#pragma once
// The tile kernels for x86-64 processors, built on SSE2, which every one of them has.
#if defined(__x86_64__)
#include "framework/rotation/tile_kernels.h"

namespace HAL {

TileKernel Sse2TileKernel(int turns);

}  // namespace HAL
#endif
