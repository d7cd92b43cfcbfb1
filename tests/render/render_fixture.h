#pragma once
// A render context drawing into a test surface, with a view descriptor the test fills in. The
// context lives on the heap, as the game keeps it, so that a write past its end is caught by the
// sanitizer.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "render/render.h"
#include "support/test_surface.h"

class RenderTest : public ::testing::Test {
protected:
    // A surface of the given size with the view covering (x, y, w, h) of it, seven cells of view
    // reaching out beyond five cells of clear air, over a 35 x 35 grid of bare cells: no floors, no
    // walls, so that the cell pass adds nothing unless a test gives the cells records.
    void useView(int w, int h, int surfaceWidth, int surfaceHeight, int x = 0, int y = 0, int orientation = 0) {
        surface = std::make_unique<STestSurface>(surfaceWidth, surfaceHeight, orientation);
        view.m_viewX = x;
        view.m_viewY = y;
        view.m_viewWidth = w;
        view.m_viewHeight = h;
        view.m_farDistance = 7 * SRender::kUnitsPerCell;
        view.m_fogDistance = 5 * SRender::kUnitsPerCell;
        view.m_gridWidth = view.m_gridHeight = kGridSide;
        view.m_cells = {bareCells.data(), uint32_t(bareCells.size())};
        render->SetView(&view);
        render->SetSurface(&surface->Target());
    }
    void useView(int w, int h) { useView(w, h, w, h); }

    // The player at a 16.16 grid position, facing a 16.16-degree heading, and the frame that sets
    // the camera up for them.
    void standAt(int32_t positionX, int32_t positionY, int32_t heading) {
        view.m_positionX = positionX;
        view.m_positionY = positionY;
        view.m_heading = heading;
        render->RenderFrame();
    }

    static constexpr int kGridSide = 35;
    std::vector<SCellViewRecord> bareCells = std::vector<SCellViewRecord>(kGridSide * kGridSide);
    std::unique_ptr<SRender> render = std::make_unique<SRender>();
    std::unique_ptr<STestSurface> surface;
    SViewDescriptor view;
};

inline constexpr int32_t kDegree = 1 << 16;
