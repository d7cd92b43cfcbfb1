// Rain over the largest 3-D view, 800x480 with the most streaks, against memset of the view's
// 768,000 bytes: one frame's drawing (both passes) and one frame's update. Read the ratios rain
// draw / memset and rain update / memset. A streak is about 30 single-pixel stores a frame, 60,000
// in all, scattered over the view.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/base/random.h"
#include "render/rain.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 480;
constexpr size_t kBytes = size_t(kWidth) * kHeight * 2;
constexpr int32_t kFrame = 40 * 65536 / 1000;  // 40 ms in 16.16 seconds

struct View {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SRasterTarget target;
    SRandom random;
    std::unique_ptr<SRain> rain = std::make_unique<SRain>();

    View() {
        target.Set(pixels.data(), kWidth, kHeight, kWidth, 0);
        random.Seed(1);
        rain->Reset(SRain::kMaxStreaks, 0xA534, kWidth, kHeight, random);
        // Streaks that have fallen a while, some respawned, as in a running game.
        for (int frame = 0; frame < 50; ++frame) rain->Update(kFrame, random);
    }
};

void Finish(benchmark::State& state) { state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes)); }

void BM_MemsetView(benchmark::State& state) {
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
        view.rain->Draw(view.target, 1);
        view.rain->Draw(view.target, 0);
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

BENCHMARK(BM_MemsetView);
BENCHMARK(BM_RainDraw);
BENCHMARK(BM_RainUpdate);
