#include <gtest/gtest.h>

#include <utility>

#include "render_fixture.h"

namespace camera_test {

namespace {

// The player a quarter cell east into cell 10 and three quarters south into cell 12.
constexpr int32_t kPlayerX = (10 << 16) + 0x4000;
constexpr int32_t kPlayerY = (12 << 16) + 0xC000;

class CameraTest : public RenderTest {
protected:
    void SetUp() override { useView(380, 320); }

    // The rotation the free-angle camera uses, with any sine and cosine.
    SViewPoint rotated(int32_t dx, int32_t dy, int32_t sine, int32_t cosine) const {
        return {(sine * dx + cosine * dy) >> 10, (cosine * dx - sine * dy) >> 10};
    }
    int32_t cornerX(int32_t cx) const { return cx * 1024 - (render->Camera().eyeX & 1023); }
    int32_t cornerY(int32_t cy) const { return cy * 1024 - (render->Camera().eyeY & 1023); }
};

// The player stands at (10496, 13056) in 22.10; the eye stands 490 (the pull-back) behind them.
TEST_F(CameraTest, theHeadingGivesFacingSineCosineAndEye) {
    struct Row {
        const char* name;
        int32_t heading;
        int32_t facing, sine, cosine, inCellOffset, eyeX, eyeY;
    };
    const Row rows[] = {
        {"north", 0, 0, 1024, 0, 768 - 512, 10496, 13056 + 490},
        {"west", 90 * kDegree, 1, 0, -1024, 256 - 512, 10496 + 490, 13056},
        {"south", 180 * kDegree, 2, -1024, 0, 512 - 768, 10496, 13056 - 490},
        {"east", 270 * kDegree, 3, 0, 1024, 512 - 256, 10496 - 490, 13056},
        // Off the axis by the smallest fraction: the free-angle camera, whose sine of 180 degrees
        // rounds to 0 in 22.10.
        {"west and a little", 90 * kDegree + 1, 4, 0, -1024, 0, 10496 + 490, 13056},
        // 0.7071 x 1024 = 724, and 724 x 490 >> 10 = 346 (the negative product floors to -347).
        {"north-west", 45 * kDegree, 4, 724, -724, 0, 10496 + 347, 13056 + 346},
        // Just short of a full turn: sin and cos of 89.99998 degrees.
        {"almost north", 359 * kDegree + 65535, 4, 1023, 1, 0, 10496, 13056 + 489},
    };
    for (const Row& row : rows) {
        standAt(kPlayerX, kPlayerY, row.heading);
        const SRender::SCamera& c = render->Camera();
        SCOPED_TRACE(row.name);
        EXPECT_EQ(c.facing, row.facing);
        EXPECT_EQ(c.sine, row.sine);
        EXPECT_EQ(c.cosine, row.cosine);
        EXPECT_EQ(c.inCellOffset, row.inCellOffset);
        EXPECT_EQ(c.eyeX, row.eyeX);
        EXPECT_EQ(c.eyeY, row.eyeY);
        EXPECT_EQ(c.eyeCellX, row.eyeX >> 10);
        EXPECT_EQ(c.eyeCellY, row.eyeY >> 10);
    }
}

// Facing north from the eye at (10496, 13546) with a far distance of 8169: the view triangle's far
// side lies 8169 further north, reaching tan 31 degrees x 8169 = 4908 to either side.
TEST_F(CameraTest, theViewTriangleOpensAlongTheHeading) {
    standAt(kPlayerX, kPlayerY, 0);
    const SRender::SCamera& c = render->Camera();
    EXPECT_EQ(c.farLeftY, 13546 - 8169);
    EXPECT_EQ(c.farRightY, 13546 - 8169);
    EXPECT_NEAR(c.farRightX - 10496, 4908, 2);
    EXPECT_EQ(c.farRightX - 10496, 10496 - c.farLeftX) << "symmetric about the eye";
}

// The four axis facings take shortcuts; each must agree exactly with the general rotation given
// that axis's sine and cosine, for every corner the scan can reach.
TEST_F(CameraTest, theAxisFacingsAgreeWithTheGeneralRotation) {
    struct Axis {
        int32_t heading, sine, cosine;
    };
    for (Axis axis : {Axis{0, 1024, 0}, Axis{90 * kDegree, 0, -1024}, Axis{180 * kDegree, -1024, 0},
                      Axis{270 * kDegree, 0, 1024}}) {
        standAt(kPlayerX, kPlayerY, axis.heading);
        for (int32_t cx = -14; cx <= 14; ++cx) {
            for (int32_t cy = -14; cy <= 14; ++cy) {
                const SViewPoint expected = rotated(cornerX(cx), cornerY(cy), axis.sine, axis.cosine);
                ASSERT_EQ(render->ToView(cx, cy), expected) << axis.heading / kDegree << ": " << cx << ", " << cy;
                ASSERT_EQ(render->GetGridPoint(cx, cy), expected);
                // A point inside the cell turns with its corner.
                const SRenderVertex inside = render->CellCornerToView(cx, cy, 300, -518, 700);
                const SViewPoint turned = rotated(cornerX(cx) + 300, cornerY(cy) + 700, axis.sine, axis.cosine);
                ASSERT_EQ(inside.x, turned.lateral);
                ASSERT_EQ(inside.y, -518);
                ASSERT_EQ(inside.z, turned.depth);
            }
        }
    }
}

TEST_F(CameraTest, theFreeAngleTurnsPointsInsideTheCellExactly) {
    standAt(kPlayerX, kPlayerY, 45 * kDegree);
    const SRenderVertex inside = render->CellCornerToView(2, -3, 300, 213, 700);
    const SViewPoint turned = rotated(cornerX(2) + 300, cornerY(-3) + 700, 724, -724);
    EXPECT_EQ(inside.x, turned.lateral);
    EXPECT_EQ(inside.z, turned.depth);
}

// Corners beyond -14..13 are transformed directly rather than stored past the cache; under the
// sanitizer a store there would fault, since the cache ends the context.
TEST_F(CameraTest, cornersBeyondTheCacheAreStillTransformed) {
    for (int32_t heading : {0, 45 * kDegree}) {
        standAt(kPlayerX, kPlayerY, heading);
        const int32_t sine = render->Camera().sine, cosine = render->Camera().cosine;
        for (int32_t far : {14, 20, -15, 1000}) {
            for (auto [cx, cy] : {std::pair{far, 0}, std::pair{0, far}, std::pair{far, far}}) {
                EXPECT_EQ(render->GetGridPoint(cx, cy), rotated(cornerX(cx), cornerY(cy), sine, cosine))
                    << cx << ", " << cy;
                const SRenderVertex inside = render->CellCornerToView(cx, cy, 10, 0, 20);
                EXPECT_EQ(inside.z, rotated(cornerX(cx) + 10, cornerY(cy) + 20, sine, cosine).depth);
            }
        }
        for (int32_t cx = -14; cx <= 13; ++cx) EXPECT_EQ(render->GetGridPoint(cx, 13), render->ToView(cx, 13)) << cx;
    }
}

// With the eye exactly on a grid corner, that corner sits at (0, 0) in view space, which is also
// what an empty cache entry holds: it is computed again at each use and stays right, also after the
// eye moves on.
TEST_F(CameraTest, aCornerAtTheEyeStaysRightAtEveryUse) {
    // Facing west the eye stands 490 east of the player: 10774 + 490 = 10 x 1024 + 1024.
    const int32_t onCornerX = 10774 << 6, onCornerY = (12 * 1024) << 6;
    standAt(onCornerX, onCornerY, 90 * kDegree);
    EXPECT_EQ(render->Camera().eyeX & 1023, 0);
    EXPECT_EQ(render->GetGridPoint(0, 0), SViewPoint{});
    EXPECT_EQ(render->GetGridPoint(0, 0), SViewPoint{});
    EXPECT_EQ(render->GetGridPoint(1, 0), (SViewPoint{0, -1024}));

    standAt(onCornerX + (100 << 6), onCornerY, 90 * kDegree);
    EXPECT_EQ(render->GetGridPoint(0, 0), (SViewPoint{0, 100}));
}

}  // namespace

}  // namespace camera_test
