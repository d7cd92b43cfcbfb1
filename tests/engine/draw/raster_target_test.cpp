#include "engine/draw/raster_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace raster_target_test {

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

// A column span steps to the pixel below; in orientation 1 that is the next stored pixel, in
// orientation 2 the one before, so that its end address at the surface's edge lies outside memory.
TEST(RasterTargetTest, columnSpanStartsAtTheFirstPixelAndStepsDownTheColumn) {
    struct Case {
        int orientation, x, y0, y1;
        ptrdiff_t firstOffset, step;
        int count;
    };
    const Case cases[] = {
        {0, 2, 3, 7, 32, 10, 4}, {1, 2, 3, 7, -17, 1, 4}, {2, 2, 3, 7, 17, -1, 4}, {0, 2, 7, 3, 72, 10, 0}};
    for (const Case& c : cases) {
        std::vector<uint16_t> memory(400);
        uint16_t* origin = memory.data() + 200;
        SRasterTarget target;
        target.Set(origin, 8, 8, 10, c.orientation);
        SRowSpan span = GetColumnSpan(target, c.x, c.y0, c.y1);
        EXPECT_EQ(span.m_first - origin, c.firstOffset) << c.orientation;
        EXPECT_EQ(span.m_step, c.step) << c.orientation;
        EXPECT_EQ(span.m_count, c.count) << c.orientation;
    }
}

// Pitch 4, three pixels wide and four high: in orientation 1 the drawing rows run up the stored
// columns.
TEST(RasterTargetTest, takesTheStepsOfItsOrientation) {
    uint16_t pixels[12] = {};
    SRasterTarget target;
    target.Set(pixels + 8, 3, 4, 4, 1);
    EXPECT_EQ(target.m_pixels, pixels + 8);
    EXPECT_EQ(target.m_rowStep, -4);
    EXPECT_EQ(target.m_columnStep, 1);
    EXPECT_EQ(target.m_width, 3);
    EXPECT_EQ(target.m_height, 4);
}

// An orientation the display never sets gives a surface that nothing is drawn into, rather than
// steps that point anywhere.
TEST(RasterTargetTest, leavesAnUnknownOrientationEmpty) {
    uint16_t pixels[12] = {};
    SRasterTarget target;
    target.Set(pixels, 3, 4, 4, 3);
    EXPECT_EQ(target.m_pixels, nullptr);
    EXPECT_EQ(target.m_width, 0);
    EXPECT_EQ(target.m_height, 0);
}

}  // namespace

}  // namespace raster_target_test
