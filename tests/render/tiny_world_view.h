#pragma once
// A tiny world (tools/sampledata/tiny_world.h) drawn by a render context into a test surface of
// the world's view size.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "render/render.h"
#include "support/test_surface.h"
#include "tools/sampledata/tiny_world.h"

struct STinyWorldView {
    STinyWorld world;
    std::unique_ptr<SRender> render = std::make_unique<SRender>();
    std::unique_ptr<STestSurface> surface;

    // Loads the text (a failure fails the test) and, unless the size is 0, draws it at w x h.
    explicit STinyWorldView(std::string_view text, int w = 0, int h = 0, int orientation = 0) {
        std::string error;
        EXPECT_TRUE(world.Load(text, error)) << error;
        SViewDescriptor& view = world.View();
        if (w) view.m_viewWidth = view.m_screenWidth = w, view.m_viewHeight = view.m_screenHeight = h;
        surface = std::make_unique<STestSurface>(view.m_viewWidth, view.m_viewHeight, orientation);
        render->SetView(&view);
        render->SetSurface(&surface->Target());
    }

    // The frame at a position in cells and a 16.16-degree heading, as drawing pixels.
    std::vector<uint16_t> Frame(double x, double y, int32_t heading) {
        SViewDescriptor& view = world.View();
        view.m_positionX = int32_t(x * 65536), view.m_positionY = int32_t(y * 65536);
        view.m_heading = heading;
        render->RenderFrame();
        return surface->Pixels();
    }
};
