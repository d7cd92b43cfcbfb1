#include <cstdint>

#include "engine/draw/pixel_loops.h"
#include "engine/draw/pixel_rows.h"

using namespace pixel_rows;

namespace {

constexpr int kShrinkSource = 50;  // the one picture size the fixed downscales take
constexpr int kCell = 5;           // source pixels per block side
constexpr int kCells = kShrinkSource / kCell;

// How much each of a block's five source positions gives to each of its n destination pixels
// along one axis; every row sums to 5, so a pixel's weights over the block sum to 25.
constexpr uint32_t kWeights4[4][kCell] = {{4, 1, 0, 0, 0}, {0, 3, 2, 0, 0}, {0, 0, 2, 3, 0}, {0, 0, 0, 1, 4}};
constexpr uint32_t kWeights3[3][kCell] = {{3, 2, 0, 0, 0}, {0, 1, 3, 1, 0}, {0, 0, 0, 2, 3}};
constexpr uint32_t kWeights2[2][kCell] = {{2, 2, 1, 0, 0}, {0, 0, 1, 2, 2}};

// Draws one 5x5 block of the picture as n x n pixels. The weights are applied along x per source
// row first, then along y, which gives the same sums as weighting each pixel by both at once.
template <int Format, int N>
void ShrinkBlock(const SRasterTarget& target, const SPicture& picture, int x, int y, int bx, int by, SRun columns,
                 SRun rows, const uint32_t (&weights)[N][kCell]) {
    uint32_t across[kCell][N][3] = {};
    for (int b = 0; b < kCell; ++b) {
        STexelRow<Format> texels(picture, kCell * by + b);
        for (int a = 0; a < kCell; ++a) {
            uint32_t colour = ColourAt(picture, texels, kCell * bx + a);
            uint32_t channels[3] = {colour >> 11, (colour >> 5) & 63, colour & 31};
            for (int i = 0; i < N; ++i) {
                for (int k = 0; k < 3; ++k) across[b][i][k] += weights[i][a] * channels[k];
            }
        }
    }
    for (int j = 0; j < N; ++j) {
        int row = N * by + j;
        if (row < rows.first || row >= rows.end) continue;
        for (int i = 0; i < N; ++i) {
            int column = N * bx + i;
            if (column < columns.first || column >= columns.end) continue;
            uint32_t sums[3] = {};
            for (int b = 0; b < kCell; ++b) {
                for (int k = 0; k < 3; ++k) sums[k] += weights[j][b] * across[b][i][k];
            }
            *target.PixelAddress(x + column, y + row) =
                uint16_t((sums[0] / 25) << 11 | (sums[1] / 25) << 5 | sums[2] / 25);
        }
    }
}

template <int N>
void Shrink(SRasterTarget& target, const SPicture& picture, int x, int y, const uint32_t (&weights)[N][kCell]) {
    target.m_drawn = true;
    if (picture.Width() != kShrinkSource || picture.Height() != kShrinkSource) return;
    SRun columns = ClipRun(N * kCells, x, target.m_width);
    SRun rows = ClipRun(N * kCells, y, target.m_height);
    if (columns.Empty() || rows.Empty()) return;
    WithFormat(picture.Format(), [&](auto format) {
        for (int by = 0; by < kCells; ++by) {
            for (int bx = 0; bx < kCells; ++bx) {
                ShrinkBlock<decltype(format)::value, N>(target, picture, x, y, bx, by, columns, rows, weights);
            }
        }
    });
}

}  // namespace

void SPixelLoops::BlitScaledRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceW, int sourceH,
                                int destW, int destH) {
    target.m_drawn = true;
    // Sampling beyond the picture, or onto no pixels at all, draws nothing.
    if (sourceW <= 0 || sourceH <= 0 || sourceW > picture.Width() || sourceH > picture.Height() || destW <= 0 ||
        destH <= 0) {
        return;
    }
    SRun columns = ClipRun(destW, x, target.m_width);
    SRun rows = ClipRun(destH, y, target.m_height);
    if (columns.Empty() || rows.Empty()) return;
    // 16.16 steps through the source; a picture side is at most 32767, so they fit in 32 bits.
    int32_t uStep = (sourceW << 16) / destW;
    int32_t vStep = (sourceH << 16) / destH;
    WithFormat(picture.Format(), [&](auto format) {
        ForEachRow(target, x, y, columns, rows, [&](auto out, int j) {
            STexelRow<decltype(format)::value> texels(picture, int((int64_t(j) * vStep) >> 16));
            int32_t u = columns.first * uStep;
            for (int k = 0, n = columns.Count(); k < n; ++k, u += uStep) out[k] = ColourAt(picture, texels, u >> 16);
        });
    });
}

void SPixelLoops::BlitShrink40Raw(SRasterTarget& target, const SPicture& picture, int x, int y) {
    Shrink(target, picture, x, y, kWeights4);
}

void SPixelLoops::BlitShrink30Raw(SRasterTarget& target, const SPicture& picture, int x, int y) {
    Shrink(target, picture, x, y, kWeights3);
}

void SPixelLoops::BlitShrink20Raw(SRasterTarget& target, const SPicture& picture, int x, int y) {
    Shrink(target, picture, x, y, kWeights2);
}
