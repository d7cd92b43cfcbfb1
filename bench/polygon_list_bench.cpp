// The polygon list's passes over a full frame of 500 polygons in a 640x480 view: the depth sort and
// the occlusion pass, each against a plain copy of the bytes it works on (the sort keys for the
// sort; the frame's vertices for the occlusion pass, which reads each polygon's vertices once
// more), and a whole outdoor frame of the sky against a memset of the view's pixels. Read the
// ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "render/render.h"
#include "tests/support/picture_record.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A render context over a 640x480 surface with seven cells of view.
struct Frame {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SRasterTarget surface;
    SViewDescriptor view;
    std::unique_ptr<SRender> render = std::make_unique<SRender>();

    Frame() {
        surface.Set(pixels.data(), kWidth, kHeight, kWidth, 0);
        view.m_viewWidth = kWidth;
        view.m_viewHeight = kHeight;
        view.m_farDistance = 7 * SRender::kUnitsPerCell;
        view.m_fogDistance = 5 * SRender::kUnitsPerCell;
        view.m_positionX = view.m_positionY = 10 << 16;
        render->SetView(&view);
        render->SetSurface(&surface);
        if (!render->UpdateProjection()) throw std::runtime_error("no projection");
    }

    // 500 quads as a frame of cells gives them: a fifth walls of either layer, the rest floors,
    // objects and ceilings, scattered over the view at random depths.
    void Fill() {
        std::mt19937 random(5);
        const SSortClass classes[] = {SSortClass::FirstLayer, SSortClass::SecondLayer, SSortClass::Floor,
                                      SSortClass::Floor,      SSortClass::Pit,         SSortClass::Ceiling};
        for (int i = 0; i < SRender::kMaxPolygons; ++i) {
            const int32_t x0 = int32_t(random() % (kWidth * 16)), y0 = int32_t(random() % (kHeight * 16));
            const int32_t x1 = x0 + 16 * int32_t(8 + random() % 120), y1 = y0 + 16 * int32_t(8 + random() % 160);
            const int32_t z = 600 + int32_t(random() % 7000);
            SRenderVertex* v = render->m_clip.screenPolygon;
            v[0] = {x0, y0, z}, v[1] = {x1, y0, z + 64}, v[2] = {x1, y1, z + 64}, v[3] = {x0, y1, z};
            const SSortClass sortClass = classes[random() % 6];
            const bool wall = i % 5 == 0 &&
                              (sortClass == SSortClass::FirstLayer || sortClass == SSortClass::SecondLayer);
            render->AddPolygon(4, wall ? SPolygonType::Wall : SPolygonType::Billboard, 256, sortClass);
        }
    }
};

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

void BM_MemsetView(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        std::memset(frame.pixels.data(), 0x5A, frame.pixels.size() * sizeof(uint16_t));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kWidth * kHeight);
}

// A whole frame outdoors with no cells: the sky panorama (one 8-bit index per 2x2 block), its
// horizon band and the ground, each pixel of the view drawn once.
void BM_SkyFrame(benchmark::State& state) {
    Frame frame;
    std::vector<uint32_t> indices(380 * 55);
    std::vector<uint16_t> colours(1024);
    std::mt19937 random(3);
    for (uint32_t& index : indices) index = random() % 256;
    for (uint16_t& colour : colours) colour = uint16_t(random() % 0xFFFF);
    std::vector<std::unique_ptr<SPictureEntry>> pictures(2);
    pictures[1] = std::make_unique<SPictureEntry>();
    pictures[1]->record = std::make_unique<SPdbRecord>();
    pictures[1]->record->bytes = PictureRecord(1, 760, 110, indices, colours);
    SReadError error;
    if (!pictures[1]->Bind(pictures[1]->record->bytes, 0, error)) throw std::runtime_error(error.Message());
    frame.view.m_pictures = {pictures.data(), 2};
    frame.view.m_skyPicture = 1;
    frame.view.m_flags = SViewDescriptor::kSky;
    frame.view.m_heading = 10 << 16;  // the panorama wraps inside the view
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
BENCHMARK(BM_MemsetView);
BENCHMARK(BM_SkyFrame);
