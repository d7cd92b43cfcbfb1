// A new game of the sample world at 800x600 with its loading dialog, as character creation starts
// it (setups/new_game.h). Read the time: a new game should take under 150 ms (the run's
// BM_MemsetScreen800x600 is the plain baseline of the machine).
#include <benchmark/benchmark.h>

#include <string>

#include "setups/new_game.h"

namespace {

using namespace new_game;

void BM_NewGameOfTheSampleWorld(benchmark::State& state) {
    SSampleWorldSession session;
    std::string error;
    if (!session.Start(kScreenMode800x600, "base_start", error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    NewGameLoading loading(session.Driver().Game());
    for (auto _ : state) {
        if (!BeginNewGame(session.Driver(), loading, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_NewGameOfTheSampleWorld)->Unit(benchmark::kMillisecond);
