// The polygon list's passes over a full frame of 500 polygons in a 640x480 view: the depth sort and
// the occlusion pass, each against a plain copy of the bytes it works on (the sort keys for the
// sort; the frame's vertices for the occlusion pass, which reads each polygon's vertices once
// more), and a whole outdoor frame of the sky against a memset of the view's pixels. Read the
// ratios. The frames are in setups/sky_frame.h.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "setups/sky_frame.h"

namespace {

using namespace sky_frame;

// The copy of the unsorted keys alone (the baseline), or the copy and then the sort.
template <bool kSort>
void BM_SortKeys(benchmark::State& state) {
    Frame frame;
    frame.Fill();
    SRenderSortKey* sortKeys = frame.render->m_frame.sortKeys;
    const std::vector<SRenderSortKey> keys(sortKeys, sortKeys + SRender::kMaxPolygons);
    for (auto _ : state) {
        std::memcpy(sortKeys, keys.data(), keys.size() * sizeof(SRenderSortKey));
        if constexpr (kSort) frame.render->SortPolygons();
        benchmark::ClobberMemory();
    }
}

void BM_CopyVertices(benchmark::State& state) {
    Frame frame;
    frame.Fill();
    std::vector<SRenderVertex> copy(size_t(frame.render->m_frame.vertexCount));
    for (auto _ : state) {
        std::memcpy(copy.data(), frame.render->m_frame.vertices, copy.size() * sizeof(SRenderVertex));
        benchmark::ClobberMemory();
    }
}

void BM_CullHidden(benchmark::State& state) {
    Frame frame;
    frame.Fill();
    frame.render->SortPolygons();
    for (auto _ : state) {
        frame.render->CullHidden();
        benchmark::ClobberMemory();
    }
}

void BM_MemsetSkyView(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        std::memset(frame.pixels.data(), 0x5A, frame.pixels.size() * sizeof(uint16_t));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kWidth * kHeight);
}

// The sky frame of setups/sky_frame.h: each pixel of the view drawn once.
void BM_SkyFrame(benchmark::State& state) {
    SkyFrame frame;
    for (auto _ : state) {
        frame.render->RenderFrame();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kWidth * kHeight);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_SortKeys, false);
BENCHMARK_TEMPLATE(BM_SortKeys, true);
BENCHMARK(BM_CopyVertices);
BENCHMARK(BM_CullHidden);
BENCHMARK(BM_MemsetSkyView);
BENCHMARK(BM_SkyFrame);
