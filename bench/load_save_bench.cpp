// The load and save screen at 800x600 on the sample world: entering it with four saved games
// (their summaries read, the rows laid out and the screen drawn; left again after each entry),
// saving the game to a slot, and loading a slot back into the play screen. Against memset of the
// whole 800 x 584 screen in the same run (BM_MemsetPlayScreen). Read the times as well as the
// ratios: an entry should take under 20 ms, a save and a load under 100 ms each.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/headless.h"
#include "sample_world_start.h"
#include "screens/loadsave/state_load_save.h"
#include "support/step_counter.h"
#include "support/temp_folder.h"

namespace {

constexpr uint32_t kLargeScreenMode = 15;

// A new game of the sample world saved to slots 1 to 4, then the body.
template <class Body>
void withFourSaves(benchmark::State& state, Body body) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        bool ready = StartSampleWorld(driver, kLargeScreenMode, "base_surface", error);
        for (uint32_t slot = 1; ready && slot <= 4; ++slot) ready = driver.Game().m_saveNames.SaveGame(slot, error);
        if (ready)
            body(driver);
        else
            state.SkipWithError(error.c_str());
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

void BM_LoadSaveScreenEnterWithFourSaves(benchmark::State& state) {
    withFourSaves(state, [&](PlayDriver& driver) {
        SState& screen = *driver.Game().Screen(kLoadSaveScreen);
        for (auto _ : state) {
            screen.Enter(SStateLoadSave::kLoadMode, 0, 0, 0);
            screen.Leave();
        }
    });
}

void BM_LoadSaveSaveASlot(benchmark::State& state) {
    withFourSaves(state, [&](PlayDriver& driver) {
        std::string error;
        for (auto _ : state)
            if (!driver.Game().m_saveNames.SaveGame(2, error)) state.SkipWithError(error.c_str());
    });
}

// The load as the screen does it, then the play screen entered for the loaded game.
void BM_LoadSaveLoadASlot(benchmark::State& state) {
    withFourSaves(state, [&](PlayDriver& driver) {
        std::string error;
        StepCounter loading;
        for (auto _ : state) {
            if (!driver.Game().m_saveNames.LoadGame(2, loading, error)) state.SkipWithError(error.c_str());
            driver.Play().Enter(0, 0, 0, 0);
        }
    });
}

}  // namespace

BENCHMARK(BM_LoadSaveScreenEnterWithFourSaves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSaveSaveASlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSaveLoadASlot)->Unit(benchmark::kMillisecond);
