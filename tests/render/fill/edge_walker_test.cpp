#include "render/fill/edge_walker.h"

#include <gtest/gtest.h>

#include <vector>

namespace edge_walker_test {

namespace {

struct Extremes {
    uint32_t first1, last1, first2, last2;
    bool operator==(const Extremes&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Extremes& e) {
    return out << "walker 1 " << e.first1 << ".." << e.last1 << ", walker 2 " << e.first2 << ".." << e.last2;
}

Extremes Find(const std::vector<SRenderVertex>& vertices, int major, int minor) {
    EdgeWalker walker1, walker2;
    FindPolyExtremes(walker1, walker2, major, minor, uint32_t(vertices.size()), vertices.data());
    EXPECT_EQ(walker1.m_current, walker1.m_first);
    EXPECT_EQ(walker1.m_next, walker1.m_first);
    EXPECT_EQ(walker2.m_current, walker2.m_first);
    EXPECT_EQ(walker2.m_next, walker2.m_first);
    return {walker1.m_first, walker1.m_last, walker2.m_first, walker2.m_last};
}

// Rows (major y): walker 1 starts at the top-left and ends at the bottom-left, walker 2 runs from
// the top-right to the bottom-right. Columns (major x) the same with the axes swapped.
TEST(EdgeWalkerTest, findsTheExtremeVerticesWithTheirTieBreaks) {
    // A rectangle, clockwise from its top left: flat top and flat bottom.
    const std::vector<SRenderVertex> rectangle = {{0, 0, 1}, {64, 0, 1}, {64, 32, 1}, {0, 32, 1}};
    EXPECT_EQ(Find(rectangle, 1, 0), (Extremes{0, 3, 1, 2}));
    EXPECT_EQ(Find(rectangle, 0, 1), (Extremes{0, 1, 3, 2}));
    // A diamond has one vertex at each extreme.
    const std::vector<SRenderVertex> diamond = {{32, 0, 1}, {64, 32, 1}, {32, 64, 1}, {0, 32, 1}};
    EXPECT_EQ(Find(diamond, 1, 0), (Extremes{0, 2, 0, 2}));
    // Identical vertices: the lowest index wins.
    const std::vector<SRenderVertex> doubled = {{0, 0, 1}, {16, 16, 1}, {16, 16, 1}, {0, 0, 1}};
    EXPECT_EQ(Find(doubled, 1, 0), (Extremes{0, 1, 0, 1}));
    // Fewer than two vertices.
    EXPECT_EQ(Find({{5, 5, 1}}, 1, 0), (Extremes{0, 0, 0, 0}));
}

// Walking forward from the top of a triangle: the walker passes every vertex whose major coordinate
// c has reached and stands on the segment that c lies in; the walk that ends at the last vertex
// stops there and gives no position.
TEST(EdgeWalkerTest, walksOnToTheSegmentHoldingTheCentreAndStopsAtItsEnd) {
    const std::vector<SRenderVertex> triangle = {{0, 0, 1}, {160, 80, 1}, {0, 160, 1}};
    EdgeWalker walker1, walker2;
    FindPolyExtremes(walker1, walker2, 1, 0, 3, triangle.data());
    walker2.StepForward(8);
    EXPECT_EQ(walker2.m_current, 0u);
    EXPECT_EQ(walker2.m_next, 1u);
    EXPECT_EQ(walker2.m_minorStepper.m_value, 16);  // x = 2y on the first edge
    walker2.StepForward(88);
    EXPECT_EQ(walker2.m_current, 1u);
    EXPECT_EQ(walker2.m_next, 2u);
    EXPECT_EQ(walker2.m_minorStepper.m_value, 144);
    EXPECT_TRUE(walker1.StepBackwardToEnd(8));
    EXPECT_EQ(walker1.m_next, 2u);
    EXPECT_FALSE(walker1.StepBackwardToEnd(168));
    EXPECT_EQ(walker1.m_current, walker1.m_last);
    EXPECT_EQ(walker1.m_pixel, EdgeWalker::kPassedEnd);
}

}  // namespace

}  // namespace edge_walker_test
