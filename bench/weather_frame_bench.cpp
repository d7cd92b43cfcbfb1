// The play screen's frame at 800x600 on the sample world, as the main loop runs it, against a
// memset of the whole 800 x 600 screen in the same run. Three cases: heavy rain on the surface and
// in the village of Eastbrook among its houses and townspeople (the view is drawn again every frame
// for the streaks, with the rain's loop and the thunder's checks), and standing still in the
// dripping cave (only the clocks' work; 33 such frames make a second of
// play, so 33 x its time per second is the share of a core it takes). Read the ratios frame /
// memset.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "sample_world_start.h"
#include "support/temp_folder.h"
#include "tools/sampledata/sample_ambient_places.h"

namespace {

constexpr uint32_t kScreenMode800x600 = 15;
constexpr size_t kScreenBytes = size_t(800) * 600 * 2;

void BM_MemsetScreen800x600(benchmark::State& state) {
    std::vector<uint8_t> pixels(kScreenBytes);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, kScreenBytes);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}

void runFrames(benchmark::State& state, const char* position, int32_t weatherRoll) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!StartSampleWorld(driver, kScreenMode800x600, position, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        driver.Play().RollWeather(weatherRoll);
        for (auto _ : state) driver.Frame();
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

void BM_PlayFrameHeavyRainOnTheSurface(benchmark::State& state) { runFrames(state, "base_surface", 99); }
void BM_PlayFrameHeavyRainInTheVillage(benchmark::State& state) {
    runFrames(state, VillagePortalPosition().c_str(), 99);
}
void BM_PlayFrameStandingInTheCave(benchmark::State& state) { runFrames(state, kCavePosition, 0); }

}  // namespace

BENCHMARK(BM_MemsetScreen800x600);
BENCHMARK(BM_PlayFrameHeavyRainOnTheSurface);
BENCHMARK(BM_PlayFrameHeavyRainInTheVillage);
BENCHMARK(BM_PlayFrameStandingInTheCave);
