// Whole frames of the 3-D view at 800x600 against memset of the same 960,000 bytes: (a) an open
// field under the sky at heading 45, fog from 2 cells and a far view of 7, on the free-angle path;
// (b) a dungeon corridor at facing 0; (c) the sample yard's street of objects, sprites, item piles
// and roofs at facing 0. Read the ratios frame / memset.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "render/render.h"
#include "tools/sampledata/tiny_world.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr size_t kBytes = size_t(kWidth) * kHeight * 2;

const char* const kField = R"(sky on
fog 2
far 7
fogcolour 9CF3
view 800 600
ceiling sky
cell . floor=grass
cell , floor=grass blend=dirt mask=mask
cell s floor=sand
grid
...............
..,,,......s...
..,,,......s...
.......,.......
...ss..........
...ss.....,,...
...............
.....,,........
...............
...............
...............
)";

const char* const kCorridor = R"(sky off
fog 2
far 7
fogcolour 0841
view 800 600
ceiling ceiling
cell # wall=brick upper=upper
cell . floor=stone
cell , floor=stone blend=moss mask=mask
cell p floor=pitside pit
grid
#######
###.###
###.###
###,###
###p###
###.###
###,###
###.###
###.###
###.###
#######
)";

struct Scene {
    STinyWorld world;
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SRasterTarget target;
    std::unique_ptr<SRender> render = std::make_unique<SRender>();

    Scene(const char* text, double x, double y, int heading) {
        std::string error;
        world.Load(text, error);
        SViewDescriptor& view = world.View();
        view.m_viewWidth = view.m_screenWidth = kWidth;
        view.m_viewHeight = view.m_screenHeight = kHeight;
        view.m_positionX = int32_t(x * 65536);
        view.m_positionY = int32_t(y * 65536);
        view.m_heading = heading << 16;
        target.Set(pixels.data(), kWidth, kHeight, kWidth, 0);
        render->SetView(&world.View());
        render->SetSurface(&target);
    }
};

void Finish(benchmark::State& state) { state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes)); }

void BM_MemsetViewFrame(benchmark::State& state) {
    std::vector<uint16_t> pixels(size_t(kWidth) * kHeight);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, kBytes);
        benchmark::ClobberMemory();
    }
    Finish(state);
}

void RunScene(benchmark::State& state, Scene& scene) {
    for (auto _ : state) {
        scene.render->RenderFrame();
        benchmark::ClobberMemory();
    }
    state.counters["polygons"] = scene.render->m_frame.polygonCount;
    Finish(state);
}

void BM_FrameOpenFieldHeading45(benchmark::State& state) {
    Scene scene(kField, 7.5, 9.5, 45);
    RunScene(state, scene);
}

void BM_FrameCorridorFacing0(benchmark::State& state) {
    Scene scene(kCorridor, 3.5, 9.5, 0);
    RunScene(state, scene);
}

void BM_FrameStreetFacing0(benchmark::State& state) {
    Scene scene(kSampleYard, 7.5, 22.5, 0);
    RunScene(state, scene);
}

BENCHMARK(BM_MemsetViewFrame);
BENCHMARK(BM_FrameOpenFieldHeading45);
BENCHMARK(BM_FrameCorridorFacing0);
BENCHMARK(BM_FrameStreetFacing0);

}  // namespace
