#pragma once
// How the tile kernels walk the source: shared by every kernel set.
#include <cstddef>
#include <cstdint>

namespace HAL {

// Each destination row is written left to right while the source is walked along a column (quarter
// turns) or backwards along a row (half turn): `column` moves one destination pixel right, `row`
// one destination row down, both in source pixels.
template <int Turns>
struct TileSteps {
    explicit TileSteps(int32_t srcPitch) : line(srcPitch / 2) {}
    ptrdiff_t column() const { return Turns == 1 ? -line : Turns == 2 ? -1 : line; }
    ptrdiff_t row() const { return Turns == 1 ? 1 : Turns == 2 ? -line : -1; }
    ptrdiff_t line;
};

inline uint16_t* DestinationRow(uint16_t* dst, int32_t dstPitch, int32_t y) {
    return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(dst) + ptrdiff_t(y) * dstPitch);
}

}  // namespace HAL
