#include <gtest/gtest.h>

#include "render_fixture.h"

namespace frame_test {

namespace {

using FrameTest = RenderTest;

// The drawn bit is the surface's own, which shows the frame; every frame starts its polygons afresh,
// here with the indoor band alone over bare cells.
TEST_F(FrameTest, aFrameMarksTheSurfaceDrawnAndEmptiesTheBuffers) {
    useView(40, 30);
    view.m_positionX = view.m_positionY = 10 << 16;
    for (int frame = 0; frame < 2; ++frame) {
        surface->Target().m_drawn = false;
        render->m_frame.vertexCount = render->m_frame.uvCount = render->m_frame.shadeCount = 7;
        render->m_frame.polygonCount = 2;
        render->RenderFrame();
        EXPECT_TRUE(surface->Target().m_drawn);
        EXPECT_EQ(render->m_frame.vertexCount, 4);
        EXPECT_EQ(render->m_frame.uvCount, 4);
        EXPECT_EQ(render->m_frame.shadeCount, 4);
        EXPECT_EQ(render->m_frame.polygonCount, 1);
    }
}

// A view the passes cannot serve draws nothing: the surface keeps every pixel and is not marked,
// and under the sanitizer nothing past the surface is read either.
TEST_F(FrameTest, aViewTooWideOrWithoutHeightDrawsNothing) {
    struct Row {
        int w, h;
    };
    for (Row row : {Row{801, 2}, Row{40, 0}}) {
        useView(row.w, row.h, 801, 2);
        surface->Target().m_drawn = false;
        const std::vector<uint16_t> before = surface->Pixels();
        render->RenderFrame();
        EXPECT_FALSE(surface->Target().m_drawn) << row.w << "x" << row.h;
        EXPECT_EQ(surface->Pixels(), before);
        EXPECT_TRUE(surface->GuardsIntact());
    }
}

}  // namespace

}  // namespace frame_test
