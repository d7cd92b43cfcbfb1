// Rain over the largest 3-D view, 800x480 with the most streaks, against memset of the view's
// 768,000 bytes: one frame's drawing (both passes) and one frame's update. Read the ratios rain
// draw / memset and rain update / memset. A streak is about 30 single-pixel stores a frame, 60,000
// in all, scattered over the view (setups/rain_view.h).
#include <benchmark/benchmark.h>

#include <cstring>

#include "setups/rain_view.h"

namespace {

using namespace rain_view;

constexpr size_t kBytes = size_t(kWidth) * kHeight * 2;

void Finish(benchmark::State& state) { state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes)); }

void BM_MemsetRainView(benchmark::State& state) {
    View view;
    for (auto _ : state) {
        std::memset(view.pixels.data(), 0x5A, kBytes);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_RainDraw(benchmark::State& state) {
    View view;
    for (auto _ : state) {
        DrawRain(view);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void BM_RainUpdate(benchmark::State& state) {
    View view;
    for (auto _ : state) {
        view.rain->Update(kFrame, view.random);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

}  // namespace

BENCHMARK(BM_MemsetRainView);
BENCHMARK(BM_RainDraw);
BENCHMARK(BM_RainUpdate);
