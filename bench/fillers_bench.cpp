// The 3-D fillers over a 640x480 area, each in its plain and its fog variant and in the three
// texel formats, against a plain paletted copy of the same 307,200 pixels: each pixel a format-0
// texel looked up in a 256-colour table and stored through the same surface. Read the ratio of a
// filler's time to the paletted copy's (the pixel loop benchmarks give memcpy and memset of the same
// bytes for scale). The pictures cover the area one texel to a pixel, so that each filler reads as
// many texels as the copy does; the set-ups are in setups/filler_setups.h, where a test checks that
// each one draws every pixel.
#include <benchmark/benchmark.h>

#include "setups/filler_setups.h"
#include "setups/paletted_copy.h"

namespace {

using namespace filler_setups;

void Finish(benchmark::State& state) { state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kPixels)); }

// The baseline: row by row through the surface's row spans, one table look-up per pixel.
void BM_PalettedCopy(benchmark::State& state) {
    Surface surface;
    const SPalettedSource source(kWidth, kHeight);
    for (auto _ : state) {
        PalettedCopy(surface.target, source.texels.data(), source.table.data());
        benchmark::ClobberMemory();
    }
    Finish(state);
}

// The same copy reading its picture down the columns of a 256-wide picture, as a turned floor
// (facings 1 and 3) does: screen row y reads picture column y x 256 / 480, pixel x picture row x.
// What this costs over the plain copy is the memory's, not the filler's.
void BM_PalettedCopyDownColumns(benchmark::State& state) {
    Surface surface;
    BenchPicture picture(0, 256, kWidth);
    uint16_t table[256];
    for (int i = 0; i < 256; ++i) table[i] = picture.Picture().Colour(uint32_t(i));
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y) {
            const uint8_t* column = picture.Picture().Texels() + y * 256 / kHeight;
            const SRowSpan span = GetRowSpan(surface.target, y, 0, kWidth);
            ptrdiff_t offset = 0;
            for (int x = 0; x < span.m_count; ++x, offset += span.m_step)
                span.m_first[offset] = table[column[ptrdiff_t(x) * 256]];
        }
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void RunFiller(benchmark::State& state, const FillerSetup& setup, int format, bool fog) {
    Surface surface;
    const Draw draw = setup.prepare(format, fog);
    for (auto _ : state) {
        draw(surface.target);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

BENCHMARK(BM_PalettedCopy);
BENCHMARK(BM_PalettedCopyDownColumns);

// Every set-up after the baselines, in the order of the table.
[[maybe_unused]] const bool kRegistered = [] {
    for (const FillerSetup& setup : FillerSetups()) {
        for (int format : setup.formats) {
            for (bool fog : setup.hasFog ? std::vector<bool>{false, true} : std::vector<bool>{false}) {
                benchmark::RegisterBenchmark(("BM_" + CaseName(setup, format, fog)).c_str(), RunFiller, setup, format,
                                             fog);
            }
        }
    }
    return true;
}();

}  // namespace
