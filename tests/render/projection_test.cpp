#include <gtest/gtest.h>

#include "render_fixture.h"

namespace projection_test {

namespace {

using ProjectionTest = RenderTest;

// The values every pass projects with, for the reference view, the widest screen and a small one.
TEST_F(ProjectionTest, theViewSizeGivesItsProjection) {
    struct Row {
        int w, h;
        int32_t centreOffsetX, horizonOffset, scale, floorReach;
    };
    for (Row row : {Row{380, 320, -3040, -1440, 172389888, 260}, Row{800, 600, -6400, -2443, 362926592, 199},
                    Row{320, 200, -2560, -657, 145170432, 97}}) {
        useView(row.w, row.h);
        ASSERT_TRUE(render->UpdateProjection());
        const SRender::SProjection& p = render->Projection();
        SCOPED_TRACE(testing::Message() << row.w << "x" << row.h);
        // cot 30 degrees x 579 in the fixed-point trigonometry, and the eye half a cell behind.
        EXPECT_EQ(p.distance, 1002);
        EXPECT_EQ(p.eyePullBack, 490);
        EXPECT_EQ(p.centreOffsetX, row.centreOffsetX);
        EXPECT_EQ(p.horizonOffset, row.horizonOffset);
        EXPECT_EQ(p.scale, row.scale);
        EXPECT_EQ(p.floorReach, row.floorReach);
        EXPECT_EQ(p.width16, row.w * 16);
        EXPECT_EQ(p.height16, row.h * 16);
    }
}

TEST_F(ProjectionTest, theViewDistancesCountFromTheProjectionDistance) {
    useView(380, 320);
    view.m_farDistance = 2352;  // 7 cells of 336
    view.m_fogDistance = 1000;  // 3047.6 world units, truncated
    view.m_fogColour = 0xF81F;  // magenta
    ASSERT_TRUE(render->UpdateProjection());
    EXPECT_EQ(render->Projection().farDistance, 1002 + 7168 - 1);
    EXPECT_EQ(render->Projection().fogStart, 1002 + 3047);
    // Spread: green moves to the high half, red and blue stay in the low half.
    EXPECT_EQ(render->Projection().fogSpread, 0x0000F81Fu);
    view.m_fogColour = 0x07E0;
    ASSERT_TRUE(render->UpdateProjection());
    EXPECT_EQ(render->Projection().fogSpread, 0x07E00000u);
}

// The view target starts at the view's top-left pixel in every orientation, so that a pass drawing
// view pixel (0, 0) lands on the surface at the view's corner; the full target is the surface.
TEST_F(ProjectionTest, theTargetsFollowTheSurfaceInEveryOrientation) {
    for (int orientation : {0, 1, 2}) {
        useView(6, 4, 10, 8, 3, 2, orientation);
        ASSERT_TRUE(render->UpdateProjection());
        const SRender::SProjection& p = render->Projection();
        const SRasterTarget& target = surface->Target();
        EXPECT_EQ(p.viewTarget.m_pixels, target.PixelAddress(3, 2)) << orientation;
        EXPECT_EQ(p.viewTarget.m_rowStep, target.m_rowStep);
        EXPECT_EQ(p.viewTarget.m_columnStep, target.m_columnStep);
        EXPECT_EQ(p.viewTarget.m_width, 6);
        EXPECT_EQ(p.viewTarget.m_height, 4);
        EXPECT_EQ(p.fullTarget.m_pixels, target.m_pixels);
        EXPECT_EQ(p.fullTarget.m_width, 10);

        *p.viewTarget.PixelAddress(5, 3) = 0x1234;  // the view's bottom-right pixel
        EXPECT_EQ(surface->At(8, 5), 0x1234) << orientation;
        EXPECT_TRUE(surface->GuardsIntact());
    }
}

// A view the passes cannot serve is refused whole, and both targets are emptied so that nothing
// can be drawn through them.
TEST_F(ProjectionTest, aViewThePassesCannotServeIsRefused) {
    struct Row {
        const char* name;
        int x, y, w, h, surfaceWidth, surfaceHeight;
    };
    for (Row row :
         {Row{"wider than the coverage arrays", 0, 0, 801, 10, 801, 10}, Row{"no width", 0, 0, 0, 10, 20, 10},
          Row{"no height", 0, 0, 20, 0, 20, 10}, Row{"negative width", 0, 0, -4, 10, 20, 10},
          Row{"past the right edge", 1, 0, 20, 10, 20, 10}, Row{"past the bottom edge", 0, 5, 20, 6, 20, 10},
          Row{"left of the surface", -1, 0, 10, 10, 20, 10}, Row{"above the surface", 0, -1, 10, 10, 20, 10}}) {
        useView(20, 10);
        ASSERT_TRUE(render->UpdateProjection());
        useView(row.w, row.h, row.surfaceWidth, row.surfaceHeight, row.x, row.y);
        EXPECT_FALSE(render->UpdateProjection()) << row.name;
        EXPECT_EQ(render->Projection().viewTarget.m_pixels, nullptr) << row.name;
        EXPECT_EQ(render->Projection().fullTarget.m_pixels, nullptr) << row.name;
    }
    useView(800, 10);
    EXPECT_TRUE(render->UpdateProjection()) << "the widest screen's full width";
    render->SetSurface(nullptr);
    EXPECT_FALSE(render->UpdateProjection()) << "no surface";
    render->SetView(nullptr);
    EXPECT_FALSE(render->UpdateProjection()) << "no view";
}

// k = scale / z = 708,841 at the near plane of an 800-wide view: three cells to the side, X x k is
// 2,177,559,552, past 32 bits, and the point lands far outside the view where the clipper cuts it.
TEST_F(ProjectionTest, aNearPointFarToTheSideProjectsWithoutOverflow) {
    useView(800, 600);
    ASSERT_TRUE(render->UpdateProjection());
    const SRenderVertex screen = render->Project({3 * 1024, 3 * 1024, 512});
    // x = (2,177,559,552 >> 15) + 6400; y = (-2,177,559,552 >> 15) + 2443, the shift flooring.
    EXPECT_EQ(screen.x, 66453 + 6400);
    EXPECT_EQ(screen.y, -66454 + 2443);
    EXPECT_EQ(screen.z, 512);
}

}  // namespace

}  // namespace projection_test
