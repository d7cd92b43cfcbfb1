// The first-person hands over the 3-D view at 800x600 on the sample world (setups/hands.h), drawn
// in every frame of the view, against memcpy of as many pixels as their areas hold. Read the ratio
// hands / memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "setups/hands.h"

namespace {

using namespace hands;

template <class Body>
void OnHands(benchmark::State& state, Body body) {
    SSampleWorldSession session;
    std::string error;
    if (!StartHands(session, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const int64_t pixels = HandAreaPixels(session.Driver());
    body(session.Driver(), size_t(pixels));
    state.SetItemsProcessed(int64_t(state.iterations()) * pixels);
}

void BM_MemcpyHandAreas(benchmark::State& state) {
    OnHands(state, [&](PlayDriver&, size_t pixels) {
        std::vector<uint16_t> from(pixels, 0x1234), to(pixels);
        for (auto _ : state) {
            std::memcpy(to.data(), from.data(), pixels * 2);
            benchmark::ClobberMemory();
        }
    });
}

void BM_Hands(benchmark::State& state) {
    OnHands(state, [&](PlayDriver& driver, size_t) {
        for (auto _ : state) {
            DrawHands(driver);
            benchmark::ClobberMemory();
        }
    });
}

}  // namespace

BENCHMARK(BM_MemcpyHandAreas);
BENCHMARK(BM_Hands);
