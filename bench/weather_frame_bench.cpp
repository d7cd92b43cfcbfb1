// The play screen's frame at 800x600 on the sample world, as the main loop runs it, against a
// memset of the whole 800 x 600 screen in the same run: heavy rain on the surface and in the
// village, on the kept scene and with the scene drawn again, and standing still in the dripping
// cave (only the clocks' work; 33 such frames make a second of play, so 33 x its time per second
// is the share of a core it takes). The frames are in setups/weather_frames.h. Read the ratios
// frame / memset.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "setups/weather_frames.h"

namespace {

using namespace weather_frames;

constexpr size_t kScreenBytes = size_t(800) * 600 * 2;

void BM_MemsetScreen800x600(benchmark::State& state) {
    std::vector<uint8_t> pixels(kScreenBytes);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, kScreenBytes);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetScreen800x600);

void RunFrames(benchmark::State& state, const WeatherFrame& frame) {
    SSampleWorldSession session;
    std::string error;
    if (!StartWeather(session, frame, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) RunWeatherFrame(session.Driver(), frame);
}

[[maybe_unused]] const bool kRegistered = [] {
    for (const WeatherFrame& frame : WeatherFrames())
        benchmark::RegisterBenchmark(("BM_PlayFrame" + frame.name).c_str(), RunFrames, frame);
    return true;
}();

}  // namespace
