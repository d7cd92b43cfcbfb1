// The townspeople's tick in the middle of Eastbrook at 800x600, every person in view walked about
// inside its zone. Its baseline is BM_MemsetScreen800x600 (weather_frame_bench.cpp), in the same
// run. The tick runs once a frame; read tick / memset, and keep it a small share of the 30 ms frame.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/headless.h"
#include "sample_world_start.h"
#include "support/temp_folder.h"

namespace {

constexpr uint32_t kScreenMode800x600 = 15;

void BM_TickPersonsInTheVillage(benchmark::State& state) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!StartSampleWorld(driver, kScreenMode800x600, VillagePortalPosition().c_str(), error)) {
            state.SkipWithError(error.c_str());
        } else {
            SStateGame& play = driver.Play();
            play.UpdatePersonsInView();
            state.counters["persons"] = double(play.Persons().size());
            for (auto _ : state) play.TickPersons();
        }
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

}  // namespace

BENCHMARK(BM_TickPersonsInTheVillage);
