// Whole frames of the 3-D view (setups/view_frames.h) at 800x600, 480x640 and 240x320, each
// against a plain paletted copy of its whole view and a memset of the same bytes in the same run.
// Read the ratios frame / paletted copy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "setups/paletted_copy.h"
#include "setups/view_frames.h"

namespace {

using namespace view_frames;

void Finish(benchmark::State& state, ViewSize size) {
    state.SetBytesProcessed(int64_t(state.iterations()) * size.width * size.height * 2);
}

void MemsetView(benchmark::State& state, ViewSize size) {
    std::vector<uint16_t> pixels(size_t(size.width) * size.height);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, pixels.size() * 2);
        benchmark::ClobberMemory();
    }
    Finish(state, size);
}

void PalettedCopyView(benchmark::State& state, ViewSize size) {
    std::vector<uint16_t> pixels(size_t(size.width) * size.height);
    SRasterTarget target;
    target.Set(pixels.data(), size.width, size.height, size.width, 0);
    const SPalettedSource source(size.width, size.height);
    for (auto _ : state) {
        PalettedCopy(target, source.texels.data(), source.table.data());
        benchmark::ClobberMemory();
    }
    Finish(state, size);
}

void RunScene(benchmark::State& state, const ViewFrame& frame, ViewSize size) {
    Scene scene(frame, size);
    for (auto _ : state) {
        scene.render->RenderFrame();
        benchmark::ClobberMemory();
    }
    state.counters["polygons"] = scene.render->m_frame.polygonCount;
    Finish(state, size);
}

[[maybe_unused]] const bool kRegistered = [] {
    for (const ViewSize size : kViewSizes) {
        const std::string suffix = "/" + std::to_string(size.width) + "x" + std::to_string(size.height);
        benchmark::RegisterBenchmark(("BM_MemsetViewFrame" + suffix).c_str(), MemsetView, size);
        benchmark::RegisterBenchmark(("BM_PalettedCopyViewFrame" + suffix).c_str(), PalettedCopyView, size);
        for (const ViewFrame& frame : kViewFrames)
            benchmark::RegisterBenchmark(("BM_Frame" + std::string(frame.name) + suffix).c_str(), RunScene, frame,
                                         size);
    }
    return true;
}();

}  // namespace
