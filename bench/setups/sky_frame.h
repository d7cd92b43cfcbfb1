#pragma once
// A render context over a 640x480 surface with seven cells of view, shared by the polygon list's
// benchmarks and the test that checks the outdoor frame of the sky covers the whole view.
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "render/render.h"
#include "tests/support/picture_record.h"

namespace sky_frame {

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

// A whole frame outdoors with no cells: the sky panorama (one 8-bit index per 2x2 block), its
// horizon band and the ground, each pixel of the view drawn once.
struct SkyFrame : Frame {
    std::vector<std::unique_ptr<SPictureEntry>> pictures = std::vector<std::unique_ptr<SPictureEntry>>(2);

    SkyFrame() {
        std::vector<uint32_t> indices(380 * 55);
        std::vector<uint16_t> colours(1024);
        std::mt19937 random(3);
        for (uint32_t& index : indices) index = random() % 256;
        for (uint16_t& colour : colours) colour = uint16_t(random() % 0xFFFF);
        pictures[1] = std::make_unique<SPictureEntry>();
        pictures[1]->record = std::make_unique<SPdbRecord>();
        pictures[1]->record->bytes = PictureRecord(1, 760, 110, indices, colours);
        SReadError error;
        if (!pictures[1]->Bind(pictures[1]->record->bytes, 0, error)) throw std::runtime_error(error.Message());
        view.m_pictures = {pictures.data(), 2};
        view.m_skyPicture = 1;
        view.m_flags = SViewDescriptor::kSky;
        view.m_heading = 10 << 16;  // the panorama wraps inside the view
    }
};

}  // namespace sky_frame
