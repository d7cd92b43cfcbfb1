// One frame of the play screen at 800x600 in the driver's walled room (or looking down a corridor
// longer than the view reaches, where the most cells are drawn), as the main loop runs it
// (the clock moves on, the tick with its nine clocks, the drawing with the renderer, the present),
// against memset of the whole 800 x 584 screen in the same run. Two cases: the view drawn again in
// every frame (as while turning or walking), and standing still, when only what changed is drawn.
// The corridor case is held to 20 times the memset.
// Read the ratios frame / memset.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/temp_folder.h"

namespace {

constexpr uint32_t kLargeScreenMode = 15;
constexpr size_t kScreenBytes = size_t(800) * 584 * 2;

void BM_MemsetPlayScreen(benchmark::State& state) {
    std::vector<uint8_t> pixels(kScreenBytes);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, kScreenBytes);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}

// A hall one cell wide running east past the farthest cell the view reaches (7), the player at its
// west end facing east.
const char* const kCorridor = R"(floor base_stone
cell # centre=base_brick
cell . floor=base_stone
cell S floor=base_stone centre=base_position centre-id=1 centre-extra=2
cells 0 0
################
#S.............#
################
end
object 1 base_start
)";

void runPlayFrames(benchmark::State& state, bool redrawEachFrame, bool corridor = false) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        PlayDriver driver;
        std::string error;
        if (!driver.Start(kLargeScreenMode, error) ||
            (corridor &&
             !driver.OpenWorld("BrimvaleCorridor", {{"base_corridor", "The Corridor", kCorridor}}, error))) {
            state.SkipWithError(error.c_str());
            return;
        }
        for (auto _ : state) {
            if (redrawEachFrame) driver.Play().m_redrawRequest = 1;
            driver.Frame();
        }
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}

void BM_PlayFrameViewRedrawn(benchmark::State& state) { runPlayFrames(state, true); }
void BM_PlayFrameStandingStill(benchmark::State& state) { runPlayFrames(state, false); }
void BM_PlayFrameDownTheCorridor(benchmark::State& state) { runPlayFrames(state, true, true); }

}  // namespace

BENCHMARK(BM_MemsetPlayScreen);
BENCHMARK(BM_PlayFrameViewRedrawn);
BENCHMARK(BM_PlayFrameStandingStill);
BENCHMARK(BM_PlayFrameDownTheCorridor);
