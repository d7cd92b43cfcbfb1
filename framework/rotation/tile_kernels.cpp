#include "framework/rotation/tile_kernels.h"

#include <cstddef>
#include <cstring>

#include "framework/device/device_model.h"

namespace HAL {

namespace {

// Each destination row is written left to right while the source is walked along a column (quarter
// turns) or backwards along a row (half turn): `columnStep` moves one destination pixel right,
// `rowStep` one destination row down, both in source pixels.
template <int Turns>
struct Steps {
    explicit Steps(int32_t srcPitch) : line(srcPitch / 2) {}
    ptrdiff_t column() const { return Turns == 1 ? -line : Turns == 2 ? -1 : line; }
    ptrdiff_t row() const { return Turns == 1 ? 1 : Turns == 2 ? -line : -1; }
    ptrdiff_t line;
};

uint16_t* destinationRow(uint16_t* dst, int32_t dstPitch, int32_t y) {
    return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(dst) + ptrdiff_t(y) * dstPitch);
}

// Two destination pixels go out as one 32-bit store.
void storePair(uint16_t* to, uint16_t first, uint16_t second) {
    const uint16_t pair[2] = {first, second};
    std::memcpy(to, pair, sizeof pair);
}

// One destination row at a time.
template <int Turns>
void turnTile(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch) {
    const Steps<Turns> steps(srcPitch);
    for (int32_t y = 0; y < kTileSize; ++y) {
        const uint16_t* from = src + y * steps.row();
        uint16_t* to = destinationRow(dst, dstPitch, y);
        for (int32_t x = 0; x < kTileSize; x += 2)
            storePair(to + x, from[x * steps.column()], from[(x + 1) * steps.column()]);
    }
}

// Two destination rows at a time: for the quarter turns their source pixels are neighbours in one
// source row, so the XScale's loads of a pass hit the same cache line.
template <int Turns>
void turnTileTwoRows(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch) {
    const Steps<Turns> steps(srcPitch);
    for (int32_t y = 0; y < kTileSize; y += 2) {
        const uint16_t* upper = src + y * steps.row();
        const uint16_t* lower = upper + steps.row();
        uint16_t* toUpper = destinationRow(dst, dstPitch, y);
        uint16_t* toLower = destinationRow(dst, dstPitch, y + 1);
        for (int32_t x = 0; x < kTileSize; x += 2) {
            const ptrdiff_t a = x * steps.column(), b = (x + 1) * steps.column();
            const uint16_t upperA = upper[a], lowerA = lower[a], upperB = upper[b], lowerB = lower[b];
            storePair(toUpper + x, upperA, upperB);
            storePair(toLower + x, lowerA, lowerB);
        }
    }
}

}  // namespace

TileKernel TileKernelFor(int turns, int cpuType) {
    const bool xscale = cpuType == kCpuXScale;
    switch (turns) {
        case 1: return xscale ? turnTileTwoRows<1> : turnTile<1>;
        case 2: return xscale ? turnTileTwoRows<2> : turnTile<2>;
        case 3: return xscale ? turnTileTwoRows<3> : turnTile<3>;
        default: return nullptr;
    }
}

}  // namespace HAL
