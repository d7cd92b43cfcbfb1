// Presenting a turned frame (setups/turned_present.h) against copying the same bytes with memcpy.
// The headless window back end copies the frame once more; bench/sdl has the desktop one.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "setups/turned_present.h"

namespace {

using namespace turned_present;

void BM_PresentTurnedFrame(benchmark::State& state) {
    TurnedDisplay display;
    if (!display.Made()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) display.Present();
    benchmark::DoNotOptimize(platform::headless::Screen().data());
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * 2);
}
BENCHMARK(BM_PresentTurnedFrame);

// The same frame's bytes copied once, as the floor any present has to pay.
void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<uint16_t> from(size_t(kWidth) * kHeight, 0x1234), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 2);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * 2);
}
BENCHMARK(BM_MemcpyFrame);

}  // namespace
