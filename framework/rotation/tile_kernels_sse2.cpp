#include "framework/rotation/tile_kernels_sse2.h"

#if defined(__x86_64__)
#include <emmintrin.h>

#include <algorithm>

#include "framework/rotation/tile_steps.h"

namespace HAL {

namespace {

constexpr int32_t kBlock = 8;  // pixels a side of the blocks turned in registers
constexpr int32_t kBand = 32;  // destination rows walked together

__m128i load(const uint16_t* from) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)); }
void store(uint16_t* to, __m128i pixels) { _mm_storeu_si128(reinterpret_cast<__m128i*>(to), pixels); }

// Eight rows of eight pixels become eight columns: pixel e of rows[i] ends as pixel i of rows[e].
// Inlined, so that the rows stay in registers from the loads to the stores.
[[gnu::always_inline]] inline void transpose(__m128i rows[kBlock]) {
    const __m128i a0 = _mm_unpacklo_epi16(rows[0], rows[1]), a1 = _mm_unpackhi_epi16(rows[0], rows[1]);
    const __m128i a2 = _mm_unpacklo_epi16(rows[2], rows[3]), a3 = _mm_unpackhi_epi16(rows[2], rows[3]);
    const __m128i a4 = _mm_unpacklo_epi16(rows[4], rows[5]), a5 = _mm_unpackhi_epi16(rows[4], rows[5]);
    const __m128i a6 = _mm_unpacklo_epi16(rows[6], rows[7]), a7 = _mm_unpackhi_epi16(rows[6], rows[7]);
    const __m128i b0 = _mm_unpacklo_epi32(a0, a2), b1 = _mm_unpackhi_epi32(a0, a2);
    const __m128i b2 = _mm_unpacklo_epi32(a1, a3), b3 = _mm_unpackhi_epi32(a1, a3);
    const __m128i b4 = _mm_unpacklo_epi32(a4, a6), b5 = _mm_unpackhi_epi32(a4, a6);
    const __m128i b6 = _mm_unpacklo_epi32(a5, a7), b7 = _mm_unpackhi_epi32(a5, a7);
    rows[0] = _mm_unpacklo_epi64(b0, b4), rows[1] = _mm_unpackhi_epi64(b0, b4);
    rows[2] = _mm_unpacklo_epi64(b1, b5), rows[3] = _mm_unpackhi_epi64(b1, b5);
    rows[4] = _mm_unpacklo_epi64(b2, b6), rows[5] = _mm_unpackhi_epi64(b2, b6);
    rows[6] = _mm_unpacklo_epi64(b3, b7), rows[7] = _mm_unpackhi_epi64(b3, b7);
}

__m128i reversed(__m128i pixels) {
    pixels = _mm_shuffle_epi32(pixels, _MM_SHUFFLE(0, 1, 2, 3));
    pixels = _mm_shufflelo_epi16(pixels, _MM_SHUFFLE(2, 3, 0, 1));
    return _mm_shufflehi_epi16(pixels, _MM_SHUFFLE(2, 3, 0, 1));
}

// An 8x8 block of a quarter turn: destination column i is a run of eight neighbours in one source
// row, read upwards for three quarter turns.
template <int Turns>
[[gnu::always_inline]] inline void turnBlock(uint16_t* dst, int32_t dstPitch, const uint16_t* src,
                                             const TileSteps<Turns>& steps) {
    constexpr bool upwards = Turns == 3;
    __m128i rows[kBlock];
#pragma GCC unroll 8
    for (int i = 0; i < kBlock; ++i) rows[i] = load(src + i * steps.column() - (upwards ? kBlock - 1 : 0));
    transpose(rows);
#pragma GCC unroll 8
    for (int j = 0; j < kBlock; ++j) store(DestinationRow(dst, dstPitch, j), rows[upwards ? kBlock - 1 - j : j]);
}

// Bands of 32 destination rows (the last may hold 16) walked eight columns at a time: a column of
// blocks reads 64 bytes in a row from each of its eight source rows, a cache line's worth, and the
// band's destination lines stay in the first-level cache until they are full.
template <int Turns>
void turnQuarter(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch, int32_t width,
                 int32_t height) {
    const TileSteps<Turns> steps(srcPitch);
    for (int32_t top = 0; top < height; top += kBand) {
        const int32_t bottom = std::min(top + kBand, height);
        for (int32_t x = 0; x < width; x += kBlock)
            for (int32_t y = top; y < bottom; y += kBlock)
                turnBlock<Turns>(DestinationRow(dst, dstPitch, y) + x, dstPitch,
                                 src + x * steps.column() + y * steps.row(), steps);
    }
}

// A half turn keeps rows together: each destination row is a source row read backwards.
void turnHalf(uint16_t* dst, const uint16_t* src, int32_t srcPitch, int32_t dstPitch, int32_t width, int32_t height) {
    const TileSteps<2> steps(srcPitch);
    for (int32_t y = 0; y < height; ++y) {
        const uint16_t* from = src + y * steps.row();
        uint16_t* to = DestinationRow(dst, dstPitch, y);
        for (int32_t x = 0; x < width; x += kBlock) store(to + x, reversed(load(from - x - (kBlock - 1))));
    }
}

}  // namespace

TileKernel Sse2TileKernel(int turns) {
    switch (turns) {
        case 1: return turnQuarter<1>;
        case 2: return turnHalf;
        case 3: return turnQuarter<3>;
        default: return nullptr;
    }
}

}  // namespace HAL
#endif
