// The 2-D drawing over a 640x480 area against memcpy and memset of the same 614,400 bytes.
// Read the ratios: opaque blit / memcpy, keyed blit / memcpy, fill / memset. The blits go through
// the display as the game draws, from the pixels a picture is decoded into on its first draw;
// BM_FirstDraw is that first draw, BM_DecodePicture its decoding alone. The set-ups are in
// setups/screen_pictures.h.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "engine/draw/pixel_loops.h"
#include "setups/bench_surface.h"
#include "setups/screen_pictures.h"

namespace {

using namespace screen_pictures;
using bench_surface::Surface;

constexpr size_t kBytes = size_t(kWidth) * kHeight * 2;

void Finish(benchmark::State& state) { state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes)); }

void BM_Memcpy(benchmark::State& state) {
    Surface surface;
    std::vector<uint16_t> source(surface.pixels.size(), 0x1234);
    for (auto _ : state) {
        std::memcpy(surface.pixels.data(), source.data(), kBytes);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_Memset(benchmark::State& state) {
    Surface surface;
    for (auto _ : state) {
        std::memset(surface.pixels.data(), 0x5A, kBytes);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_FillRect(benchmark::State& state) {
    Surface surface;
    for (auto _ : state) {
        SPixelLoops::FillRectRaw(surface.target, 0, 0, kWidth, kHeight, 0x5A5A);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_BlitOpaque(benchmark::State& state) {
    ScreenDisplay screen;
    ScreenPicture picture(int(state.range(0)), Keys::Scattered);
    for (auto _ : state) {
        screen.display.BlitOpaque(picture.Entry(), 0, 0);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_BlitKeyed(benchmark::State& state) {
    ScreenDisplay screen;
    ScreenPicture picture(int(state.range(0)), Keys(state.range(1)));
    for (auto _ : state) {
        screen.display.BlitKeyed(picture.Entry(), 0, 0);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

// A picture's first draw through the display: decoded into pixels, then blitted.
void BM_FirstDraw(benchmark::State& state) {
    ScreenDisplay screen;
    ScreenPicture picture(int(state.range(0)), Keys::Scattered);
    for (auto _ : state) {
        FirstDraw(screen.display, picture.Entry(), state.range(1) != 0);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

// The decoding alone: its texels turned into pixels, through the picture blits.
void BM_DecodePicture(benchmark::State& state) {
    ScreenPicture picture(int(state.range(0)), Keys::Scattered);
    SDecodedPicture pixels;
    for (auto _ : state) {
        pixels.Release();
        pixels.Update(picture.Entry().picture, SColourSource::OwnTable);
        benchmark::DoNotOptimize(pixels.Opaque().data());
    }
    Finish(state);
}

}  // namespace

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_Memset);
BENCHMARK(BM_FillRect);
BENCHMARK(BM_BlitOpaque)->ArgName("format")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_BlitKeyed)->ArgNames({"format", "sprite"})->ArgsProduct({{0, 1, 2}, {0, 1}});
BENCHMARK(BM_FirstDraw)->ArgNames({"format", "keyed"})->ArgsProduct({{0, 1, 2}, {0, 1}});
BENCHMARK(BM_DecodePicture)->ArgName("format")->Arg(0)->Arg(1)->Arg(2);
