// Presenting a turned frame: a 640x480 landscape game on a 480x640 portrait screen, through the
// display, the rotation driver and the window driver, against copying the same bytes with memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "framework/device/system_functions.h"
#include "framework/display_impl.h"
#include "framework/drivers/video_detect.h"
#include "framework/hal_display.h"
#include "framework/surface.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

intptr_t quietWindow(platform::Window*, uint32_t, uintptr_t, intptr_t) { return 0; }

void BM_PresentTurnedFrame(benchmark::State& state) {
    platform::headless::Reset();
    HAL::VideoDetect::Forget();
    platform::SetDeviceScreen(kHeight, kWidth);
    platform::RegisterWindowClass("bench", quietWindow);
    platform::Window* window = platform::CreateAppWindow("bench", "", 0, 0, 0, kHeight, kWidth);
    HAL::DisplayParams params{kWidth, kHeight, 1, HAL::kSwapCopy};
    auto display = HAL::Display::Create(window, params);
    if (!display) {
        state.SkipWithError("no display");
        return;
    }
    display->BeginScene();
    HAL::Surface* surface = display->GetSurface();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) surface->Row(y)[x] = uint16_t(x ^ y);
    display->Swap(0);
    for (auto _ : state) {
        display->BeginScene();
        display->Swap(0);
    }
    benchmark::DoNotOptimize(platform::headless::Screen().data());
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * 2);
    display.reset();
    HAL::VideoDetect::Forget();
    HAL::UnloadSystemFunctions();
    platform::headless::Reset();
}
BENCHMARK(BM_PresentTurnedFrame);

// The same frame's bytes copied once, as the floor any present has to pay.
void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<uint16_t> from(size_t(kWidth) * kHeight, 0x1234), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 2);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * 2);
}
BENCHMARK(BM_MemcpyFrame);

}  // namespace
