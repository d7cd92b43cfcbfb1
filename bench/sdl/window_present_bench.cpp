// Presenting a 480x640 frame through the desktop window back end, as the game's window driver does
// at every present: the rows compared with what the window shows, the changed ones copied, the
// texture updated and the window drawn again. Three cases against memcpy of the same bytes: every
// row changed (a frame of the moving 3-D view), no row changed (a frame that drew nothing), and one
// row changed. Runs on whatever display SDL finds: under a virtual X display as the game runs
// there, or with SDL_VIDEODRIVER=offscreen.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/device.h"
#include "platform/window.h"

namespace {

constexpr int kWidth = 480, kHeight = 640;
constexpr size_t kPixels = size_t(kWidth) * kHeight;

intptr_t quietWindow(platform::Window*, uint32_t, uintptr_t, intptr_t) { return 0; }

platform::Window* BenchWindow() {
    static platform::Window* window = [] {
        platform::RegisterWindowClass("bench", quietWindow);
        return platform::CreateAppWindow("bench", "bench", 0, 0, 0, kWidth, kHeight);
    }();
    return window;
}

// Two frames to present in turn; `changedRows` rows differ between them.
void Present(benchmark::State& state, int changedRows) {
    platform::Window* window = BenchWindow();
    if (window == nullptr) {
        state.SkipWithError("no window");
        return;
    }
    std::vector<uint16_t> frames[2] = {std::vector<uint16_t>(kPixels), std::vector<uint16_t>(kPixels)};
    for (size_t i = 0; i < kPixels; ++i) frames[0][i] = frames[1][i] = uint16_t(i * 7);
    for (int y = 0; y < changedRows; ++y) frames[1][size_t(y) * kWidth + kWidth / 2] ^= 0xFFFF;
    const platform::Rect whole{0, 0, kWidth, kHeight};
    int shown = 0;
    for (auto _ : state) {
        shown ^= 1;
        platform::PresentFrame(window, frames[shown].data(), kWidth * 2, kWidth, kHeight, whole);
        platform::Message message;
        while (platform::PeekMessage(message)) {
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixels) * 2);
}

void BM_MemcpyWindowFrame(benchmark::State& state) {
    std::vector<uint16_t> from(kPixels, 0x1234), to(kPixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kPixels * 2);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixels) * 2);
}

void BM_WindowPresentEveryRowChanged(benchmark::State& state) { Present(state, kHeight); }
void BM_WindowPresentOneRowChanged(benchmark::State& state) { Present(state, 1); }
void BM_WindowPresentNothingChanged(benchmark::State& state) { Present(state, 0); }

}  // namespace

BENCHMARK(BM_MemcpyWindowFrame);
BENCHMARK(BM_WindowPresentEveryRowChanged);
BENCHMARK(BM_WindowPresentOneRowChanged);
BENCHMARK(BM_WindowPresentNothingChanged);
