#include "framework/rotation/tile_kernels.h"

#include <cstring>

#include "framework/device/device_model.h"
#include "framework/rotation/tile_kernels_sse2.h"
#include "framework/rotation/tile_steps.h"

namespace HAL {

namespace {

// Two destination pixels go out as one 32-bit store.
void storePair(uint16_t* to, uint16_t first, uint16_t second) {
    const uint16_t pair[2] = {first, second};
    std::memcpy(to, pair, sizeof pair);
}

// One destination row at a time.
template <int Turns>
void turnTile(uint16_t* dst, const uint16_t* src, const TileSteps<Turns>& steps, int32_t dstPitch) {
    for (int32_t y = 0; y < kTileSize; ++y) {
        const uint16_t* from = src + y * steps.row();
        uint16_t* to = DestinationRow(dst, dstPitch, y);
        for (int32_t x = 0; x < kTileSize; x += 2)
            storePair(to + x, from[x * steps.column()], from[(x + 1) * steps.column()]);
    }
}

// Two destination rows at a time: for the quarter turns their source pixels are neighbours in one
// source row, so the XScale's loads of a pass hit the same cache line.
template <int Turns>
void turnTileTwoRows(uint16_t* dst, const uint16_t* src, const TileSteps<Turns>& steps, int32_t dstPitch) {
    for (int32_t y = 0; y < kTileSize; y += 2) {
        const uint16_t* upper = src + y * steps.row();
        const uint16_t* lower = upper + steps.row();
        uint16_t* toUpper = DestinationRow(dst, dstPitch, y);
        uint16_t* toLower = DestinationRow(dst, dstPitch, y + 1);
        for (int32_t x = 0; x < kTileSize; x += 2) {
            const ptrdiff_t a = x * steps.column(), b = (x + 1) * steps.column();
            const uint16_t upperA = upper[a], lowerA = lower[a], upperB = upper[b], lowerB = lower[b];
            storePair(toUpper + x, upperA, upperB);
            storePair(toLower + x, lowerA, lowerB);
        }
    }
}

template <int Turns>
using TileTurner = void (*)(uint16_t* dst, const uint16_t* src, const TileSteps<Turns>& steps, int32_t dstPitch);

// The rectangle tile by tile, row of tiles after row of tiles.
template <int Turns, TileTurner<Turns> Tile>
void turnTiles(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch, int32_t width, int32_t height) {
    const TileSteps<Turns> steps(srcPitch);
    for (int32_t y = 0; y < height; y += kTileSize)
        for (int32_t x = 0; x < width; x += kTileSize)
            Tile(DestinationRow(dst, dstPitch, y) + x, src + x * steps.column() + y * steps.row(), steps, dstPitch);
}

}  // namespace

TileKernel PlainTileKernel(int turns) {
    switch (turns) {
        case 1: return turnTiles<1, turnTile<1>>;
        case 2: return turnTiles<2, turnTile<2>>;
        case 3: return turnTiles<3, turnTile<3>>;
        default: return nullptr;
    }
}

TileKernel TileKernelFor(int turns, int cpuType) {
    if (cpuType == kCpuXScale) {
        switch (turns) {
            case 1: return turnTiles<1, turnTileTwoRows<1>>;
            case 2: return turnTiles<2, turnTileTwoRows<2>>;
            case 3: return turnTiles<3, turnTileTwoRows<3>>;
            default: return nullptr;
        }
    }
#if defined(__x86_64__)
    return Sse2TileKernel(turns);
#else
    return PlainTileKernel(turns);
#endif
}

}  // namespace HAL
