// The townspeople's tick in the middle of Eastbrook at 800x600, every person in view walked about
// inside its zone, against a memset of the whole screen in the same run. The tick runs once a
// frame; read tick / memset, and keep it a small share of the 30 ms frame.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "sample_world_start.h"
#include "support/temp_folder.h"
#include "tools/sampledata/sample_village.h"

namespace {

constexpr uint32_t kScreenMode800x600 = 15;
constexpr size_t kScreenBytes = size_t(800) * 600 * 2;
// Where the town portal brings the player: the middle of Eastbrook, its townsfolk about.
const std::string kVillagePortal = std::string(kVillageTown) + "townportal";

void BM_MemsetScreenForPersons(benchmark::State& state) {
    std::vector<uint8_t> pixels(kScreenBytes);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, kScreenBytes);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}

void BM_TickPersonsInTheVillage(benchmark::State& state) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!StartSampleWorld(driver, kScreenMode800x600, kVillagePortal.c_str(), error)) {
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

BENCHMARK(BM_MemsetScreenForPersons);
BENCHMARK(BM_TickPersonsInTheVillage);
