#include "render/roof_models.h"

#include <gtest/gtest.h>

namespace roof_models_test {

namespace {

// The two models the description gives: one slope from the north side, and the pyramid of an
// isolated wall, whose flat top (305 to 719) is left open.
TEST(RoofModelsTest, theGivenModelsComeOutOfTheirMasks) {
    const std::span<const SRoofFace> north = RoofModel(1);
    ASSERT_EQ(north.size(), 1u);
    const SRoofFace& slope = north[0];
    ASSERT_EQ(slope.count, 4);
    const SRoofCorner expected[4] = {
        {0, 0, 0, 0, 0}, {1024, 0, 0, 4096, 0}, {1024, 396, 305, 4096, 1999}, {0, 396, 305, 0, 1999}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(slope.corners[i].x, expected[i].x);
        EXPECT_EQ(slope.corners[i].height, expected[i].height);
        EXPECT_EQ(slope.corners[i].y, expected[i].y);
        EXPECT_EQ(slope.corners[i].s, expected[i].s);
        EXPECT_EQ(slope.corners[i].t, expected[i].t);
    }

    const std::span<const SRoofFace> pyramid = RoofModel(15);
    ASSERT_EQ(pyramid.size(), 4u);
    for (const SRoofFace& face : pyramid) {
        for (int i = 0; i < face.count; ++i) {
            const SRoofCorner& corner = face.corners[i];
            if (corner.height == 0) continue;
            EXPECT_EQ(corner.height, 396);
            EXPECT_TRUE(corner.x == 305 || corner.x == 719) << corner.x;
            EXPECT_TRUE(corner.y == 305 || corner.y == 719) << corner.y;
        }
    }
    EXPECT_TRUE(RoofModel(0).empty()) << "a wall closed on every side";
    EXPECT_TRUE(RoofModel(16).empty()) << "no mask gives 16";
    EXPECT_TRUE(RoofModel(48).empty());
    EXPECT_TRUE(RoofModel(-1).empty());
}

// Every derived model: each face winds clockwise seen from above, rises from its low corners on an
// open side (or an open corner) to the ridge height 305 units in, and each open side is the low
// edge of one face along its whole length.
TEST(RoofModelsTest, everyModelsFacesRiseFromItsOpenSides) {
    using namespace wall_mask;
    for (int model = 0; model < kWallVariantCount; ++model) {
        uint8_t mask = 0;
        if (!MaskOfWallVariant(model, mask)) {
            EXPECT_TRUE(RoofModel(model).empty()) << model;
            continue;
        }
        SCOPED_TRACE(::testing::Message() << "model " << model << ", mask " << int(mask));
        EXPECT_EQ(WallVariantOfMask(mask), model);
        const bool open[4] = {!(mask & kNorth), !(mask & kEast), !(mask & kSouth), !(mask & kWest)};
        int lowEdges[4] = {};
        for (const SRoofFace& face : RoofModel(model)) {
            int64_t area = 0;
            for (int i = 0; i < face.count; ++i) {
                const SRoofCorner& a = face.corners[i];
                const SRoofCorner& b = face.corners[(i + 1) % face.count];
                area += int64_t(a.x) * b.y - int64_t(b.x) * a.y;
                if (a.height == 0) {
                    const bool onOpenSide = (a.y == 0 && open[0]) || (a.x == 1024 && open[1]) ||
                                            (a.y == 1024 && open[2]) || (a.x == 0 && open[3]);
                    const bool openCorner = (a.x == 0 || a.x == 1024) && (a.y == 0 || a.y == 1024);
                    EXPECT_TRUE(onOpenSide || openCorner) << a.x << ", " << a.y;
                } else {
                    EXPECT_EQ(a.height, 396);
                }
                // A low edge along a whole side.
                if (a.height == 0 && b.height == 0) {
                    if (a.y == 0 && b.y == 0) lowEdges[0] += std::abs(b.x - a.x);
                    if (a.x == 1024 && b.x == 1024) lowEdges[1] += std::abs(b.y - a.y);
                    if (a.y == 1024 && b.y == 1024) lowEdges[2] += std::abs(b.x - a.x);
                    if (a.x == 0 && b.x == 0) lowEdges[3] += std::abs(b.y - a.y);
                }
            }
            EXPECT_GT(area, 0) << "clockwise seen from above";
        }
        for (int side = 0; side < 4; ++side) EXPECT_EQ(lowEdges[side], open[side] ? 1024 : 0) << "side " << side;
    }
}

// An open corner between two closed sides dips to that corner: two triangles there.
TEST(RoofModelsTest, anOpenCornerBetweenClosedSidesDipsToIt) {
    using namespace wall_mask;
    const uint8_t allButNorthEast = 255 & ~kNorthEast;
    const int model = WallVariantOfMask(allButNorthEast);
    ASSERT_NE(model, 0);
    const std::span<const SRoofFace> faces = RoofModel(model);
    ASSERT_EQ(faces.size(), 2u);
    for (const SRoofFace& face : faces) {
        EXPECT_EQ(face.count, 3);
        EXPECT_EQ(face.corners[0].x, 1024);
        EXPECT_EQ(face.corners[0].y, 0);
        EXPECT_EQ(face.corners[0].height, 0);
    }
}

}  // namespace

}  // namespace roof_models_test
