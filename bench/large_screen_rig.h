#pragma once
// The benchmarks' interface rig: the game started headless at 800x600 (screen mode 15) in a fresh
// program folder, with the recording play screen current; the folder and the headless device are
// cleared again afterwards.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/headless.h"
#include "support/temp_folder.h"
#include "support/ui_rig.h"

inline constexpr uint32_t kLargeScreenMode = 15;

template <class Body>
void OnLargeScreenRig(benchmark::State& state, Body body) {
    STempFolder folder;
    setenv("BRIMVALE_HOME", folder.Path().c_str(), 1);
    platform::headless::Reset();
    {
        UiRig rig;
        std::string error;
        if (!rig.Start(kLargeScreenMode, error))
            state.SkipWithError(error.c_str());
        else
            body(rig);
    }
    platform::headless::Reset();
    unsetenv("BRIMVALE_HOME");
}
