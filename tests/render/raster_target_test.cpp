#include "render/raster_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/render.h"

namespace {

struct RowSpanCase {
    const char* name;
    int orientation, y, x0, x1;
    ptrdiff_t firstOffset, step;
    int count;
};

void PrintTo(const RowSpanCase& c, std::ostream* out) { *out << c.name; }

class RowSpanTest : public ::testing::TestWithParam<RowSpanCase> {};

// Pitch 10: drawing pixel (x, y) lies at x + 10y, y - 10x or 10x - y from pixel (0, 0).
TEST_P(RowSpanTest, startsAtTheFirstPixelAndStepsAlongTheRow) {
    const RowSpanCase& c = GetParam();
    std::vector<uint16_t> memory(400);
    uint16_t* origin = memory.data() + 200;
    SRasterTarget target;
    target.Set(origin, 8, 8, 10, c.orientation);
    SRowSpan span = GetRowSpan(target, c.y, c.x0, c.x1);
    EXPECT_EQ(span.m_first - origin, c.firstOffset);
    EXPECT_EQ(span.m_step, c.step);
    EXPECT_EQ(span.m_count, c.count);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowSpanTest,
                         ::testing::Values(RowSpanCase{"normal", 0, 2, 3, 7, 23, 1, 4},
                                           RowSpanCase{"leftLandscape", 1, 2, 3, 7, -28, -10, 4},
                                           RowSpanCase{"rightLandscape", 2, 2, 3, 7, 28, 10, 4},
                                           RowSpanCase{"reversedIsEmpty", 0, 2, 7, 3, 27, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class RenderProjectionTest : public ::testing::Test {
protected:
    void Project(int orientation) {
        m_view.m_surfacePixels = m_pixels + 8;
        m_view.m_surfaceWidth = 3;
        m_view.m_surfaceHeight = 4;
        m_view.m_pitch = 4;
        m_view.m_orientation = orientation;
        m_render.m_view = &m_view;
        m_render.UpdateProjection();
    }

    uint16_t m_pixels[12] = {};
    SViewDescriptor m_view;
    SRender m_render;
};

TEST_F(RenderProjectionTest, takesTheSurfaceFromTheViewDescriptor) {
    Project(1);
    EXPECT_EQ(m_render.m_fullTarget.m_pixels, m_pixels + 8);
    EXPECT_EQ(m_render.m_fullTarget.m_rowStep, -4);
    EXPECT_EQ(m_render.m_fullTarget.m_columnStep, 1);
    EXPECT_EQ(m_render.m_fullTarget.m_width, 3);
    EXPECT_EQ(m_render.m_fullTarget.m_height, 4);
}

// An orientation the display never sets gives a surface that nothing is drawn into, rather than
// steps that point anywhere.
TEST_F(RenderProjectionTest, leavesAnUnknownOrientationEmpty) {
    Project(3);
    EXPECT_EQ(m_render.m_fullTarget.m_pixels, nullptr);
    EXPECT_EQ(m_render.m_fullTarget.m_width, 0);
    EXPECT_EQ(m_render.m_fullTarget.m_height, 0);
}

}  // namespace
