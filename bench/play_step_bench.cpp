// One whole step of the player at 800x600 (30 ms frames, 4 movement ticks a step), frame by frame
// as the main loop runs them: a walk across the driver's walled room, and a walk over the edge of
// the middle surface section, where the grid is filled again around the next section; and entering
// the full surface block (nine sections, both layers' records of every cell), which must fit in one
// 30 ms frame with room to spare. The baseline in the same run is memset of the whole screen
// (BM_MemsetPlayScreen); read step / memset, and compare the crossing with the plain walk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "game/feldmar2.h"
#include "platform/headless/headless.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/temp_folder.h"

namespace {

constexpr uint32_t kLargeScreenMode = 15;
constexpr uint32_t kEast = 270;

void runSteps(benchmark::State& state, bool overSectionEdge) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!driver.Start(kLargeScreenMode, error) || (overSectionEdge && !driver.OpenStoneSurface(error))) {
            state.SkipWithError(error.c_str());
            return;
        }
        SStateGame& play = driver.Play();
        for (auto _ : state) {
            state.PauseTiming();
            if (overSectionEdge) {
                play.TravelToPosition(PlayDriver::kMiddlePosition, 0);
                driver.Frame();
            }
            play.m_playerX = overSectionEdge ? 27 : 3;
            play.m_playerY = overSectionEdge ? 10 : 3;
            play.m_heading = kEast;
            state.ResumeTiming();
            driver.Press(kActionForward);
            driver.RunUntilIdle(20);
        }
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

void BM_EnterSurfaceBlock(benchmark::State& state) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!driver.Start(kLargeScreenMode, error) || !driver.OpenStoneSurface(error)) {
            state.SkipWithError(error.c_str());
        } else {
            for (auto _ : state) driver.Play().TravelToPosition(PlayDriver::kMiddlePosition, 0);
        }
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

void BM_PlayStepWalk(benchmark::State& state) { runSteps(state, false); }
void BM_PlayStepOverSectionEdge(benchmark::State& state) { runSteps(state, true); }

}  // namespace

BENCHMARK(BM_PlayStepWalk);
BENCHMARK(BM_PlayStepOverSectionEdge);
BENCHMARK(BM_EnterSurfaceBlock);
