#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fill_fixture.h"

namespace flat_filler_test {

namespace {

using fill_test::Cross;
using fill_test::kBackground;
using Points = fill_test::SPoints;

constexpr uint16_t kInk = 0x7BEF;
constexpr int kSide = 24;  // the test surface, in pixels

// The fill rule, decided with exact integer cross products: a pixel centre (16p + 8) is covered
// when it lies inside every edge, or on an edge that is a top edge (horizontal, the inside below)
// or a left edge (going up).
bool Covered(const Points& polygon, int px, int py) {
    const int64_t x = 16 * px + 8, y = 16 * py + 8;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const SRenderVertex& a = polygon[i];
        const SRenderVertex& b = polygon[(i + 1) % polygon.size()];
        const int64_t cross = Cross(a, b, x, y);
        const bool top = b.y == a.y && b.x > a.x, left = b.y < a.y;
        if (cross < 0 || (cross == 0 && !top && !left)) return false;
    }
    return true;
}

std::vector<uint16_t> Draw(const Points& polygon, int orientation = 0) {
    STestSurface surface(kSide, kSide, orientation, kBackground);
    DrawPolyFlat(surface.Target(), SFillPolygon{int(polygon.size()), polygon.data()}, kInk);
    EXPECT_TRUE(surface.GuardsIntact());
    return surface.Pixels();
}

std::vector<uint16_t> Expected(const Points& polygon) {
    std::vector<uint16_t> pixels;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) pixels.push_back(Covered(polygon, x, y) ? kInk : kBackground);
    }
    return pixels;
}

std::vector<Points> RandomPolygons(int count) { return fill_test::RandomPolygons(count, kSide); }

TEST(FlatFillerTest, coversExactlyThePixelCentresInsideOrOnATopOrLeftEdge) {
    for (const Points& polygon : RandomPolygons(3000)) {
        const std::vector<uint16_t> drawn = Draw(polygon);
        ASSERT_EQ(drawn, Expected(polygon))
            << "polygon of " << polygon.size() << " starting at " << polygon[0].x << "," << polygon[0].y;
    }
}

// Orientations 1 and 2 store the surface turned; the logical picture is the same.
TEST(FlatFillerTest, drawsTheSamePictureInEveryOrientation) {
    for (const Points& polygon : RandomPolygons(300)) {
        const std::vector<uint16_t> upright = Draw(polygon, 0);
        ASSERT_EQ(Draw(polygon, 1), upright);
        ASSERT_EQ(Draw(polygon, 2), upright);
    }
}

// The diagonal shared by the two halves of a quad belongs to exactly one of them.
TEST(FlatFillerTest, aQuadSplitIntoTwoTrianglesCoversEveryPixelOnce) {
    for (const Points& quad : RandomPolygons(600)) {
        if (quad.size() != 4) continue;
        const std::vector<uint16_t> whole = Draw(quad);
        const std::vector<uint16_t> first = Draw({quad[0], quad[1], quad[2]});
        const std::vector<uint16_t> second = Draw({quad[0], quad[2], quad[3]});
        for (size_t i = 0; i < whole.size(); ++i) {
            const int times = (first[i] == kInk) + (second[i] == kInk);
            ASSERT_EQ(times, whole[i] == kInk ? 1 : 0) << "pixel " << i;
        }
    }
}

TEST(FlatFillerTest, anAnticlockwisePolygonDrawsNothing) {
    const std::vector<uint16_t> empty(kSide * kSide, kBackground);
    for (Points polygon : RandomPolygons(300)) {
        std::reverse(polygon.begin(), polygon.end());
        ASSERT_EQ(Draw(polygon), empty);
    }
}

// Too few corners, no pixel centre between top and bottom, and a flat line draw nothing.
TEST(FlatFillerTest, aPolygonWithoutAreaOrPixelCentreDrawsNothing) {
    const std::vector<uint16_t> empty(kSide * kSide, kBackground);
    EXPECT_EQ(Draw({}), empty);
    EXPECT_EQ(Draw({{0, 0, 1}, {160, 160, 1}}), empty);
    EXPECT_EQ(Draw({{0, 9, 1}, {160, 9, 1}, {160, 23, 1}, {0, 23, 1}}), empty);
    EXPECT_EQ(Draw({{0, 40, 1}, {80, 40, 1}, {160, 40, 1}}), empty);
}

}  // namespace

}  // namespace flat_filler_test
