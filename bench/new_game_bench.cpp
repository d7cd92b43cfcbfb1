// A new game of the sample world at 800x600, as character creation starts it: the four packages
// opened and checked, the tables built, the starting kit given, the play screen entered at the start
// position and its first frame drawn. Read the time: a new game should take under 300 ms (the
// run's BM_MemsetScreen800x600 is the plain baseline of the machine).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/headless.h"
#include "sample_world_start.h"
#include "support/temp_folder.h"

namespace {

constexpr uint32_t kLargeScreenMode = 15;

void BM_NewGameOfTheSampleWorld(benchmark::State& state) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!StartSampleWorld(driver, kLargeScreenMode, "base_start", error)) state.SkipWithError(error.c_str());
        StepCounter loading;
        SCharacterChoice choice;
        choice.name = "Ayla";
        for (auto _ : state) {
            if (!driver.Game().m_saveNames.NewGame(loading, choice, error)) state.SkipWithError(error.c_str());
            driver.Play().Enter(1, 0, 0, 0);
            driver.Frame();
        }
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

}  // namespace

BENCHMARK(BM_NewGameOfTheSampleWorld)->Unit(benchmark::kMillisecond);
