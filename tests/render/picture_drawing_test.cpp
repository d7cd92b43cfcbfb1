// The 2-D drawing the render context serves on the whole surface: tiling and the rotated picture.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/draw/pixel_loops.h"
#include "render/render.h"
#include "support/picture_record.h"
#include "support/test_surface.h"

namespace picture_drawing_test {

namespace {

constexpr uint16_t kBackground = 0x1111;

// A w x h picture whose texels encode their place; texel (1, 1) is the key colour.
std::unique_ptr<STestPicture> CoordinatePicture(int w, int h) {
    std::vector<uint32_t> indices;
    std::vector<uint16_t> colours;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            indices.push_back(uint32_t(colours.size()));
            colours.push_back(x == 1 && y == 1 ? SPicture::kTransparent : uint16_t(0x2000 | x << 5 | y));
        }
    }
    auto picture = std::make_unique<STestPicture>(0, w, h, indices, colours);
    EXPECT_TRUE(picture->Ok());
    return picture;
}

uint16_t TexelOf(int x, int y) { return x == 1 && y == 1 ? SPicture::kTransparent : uint16_t(0x2000 | x << 5 | y); }

class PictureDrawingTest : public ::testing::TestWithParam<int> {
protected:
    void use(int w, int h) {
        surface = std::make_unique<STestSurface>(w, h, GetParam(), kBackground);
        render->SetSurface(&surface->Target());
    }

    std::unique_ptr<SRender> render = std::make_unique<SRender>();
    std::unique_ptr<STestSurface> surface;
};

TEST_P(PictureDrawingTest, tilingAnAreaSmallerThanThePictureDrawsOnlyTheCornerPiece) {
    auto picture = CoordinatePicture(6, 4);
    for (bool keyed : {false, true}) {
        use(12, 10);
        if (keyed)
            render->TileBitmapKeyed(2, 3, *picture, 4, 3);
        else
            render->TileBitmap(2, 3, *picture, 4, 3);
        EXPECT_TRUE(surface->Target().m_drawn);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 12; ++x) {
                uint16_t expected = kBackground;
                if (x >= 2 && x < 6 && y >= 3 && y < 6) expected = TexelOf(x - 2, y - 3);
                if (keyed && expected == SPicture::kTransparent) expected = kBackground;
                ASSERT_EQ(surface->At(x, y), expected) << x << "," << y << (keyed ? " keyed" : " opaque");
            }
        }
    }
}

// An area reaching past the surface is cut to it.
TEST_P(PictureDrawingTest, tilingCoversTheAreaWithCopiesCutToTheSurface) {
    auto picture = CoordinatePicture(6, 4);
    use(20, 12);
    render->TileBitmap(-3, -2, *picture, 40, 30);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) ASSERT_EQ(surface->At(x, y), TexelOf((x + 3) % 6, (y + 2) % 4)) << x << "," << y;
    }
    EXPECT_TRUE(surface->GuardsIntact());
}

// Unturned, the rotated picture lands where the keyed blit puts it, give or take a pixel.
TEST_P(PictureDrawingTest, atNoAngleTheRotatedPictureIsTheKeyedBlit) {
    auto picture = CoordinatePicture(8, 6);
    use(40, 30);
    render->DrawRotated(20, 15, *picture, 0);
    STestSurface blitted(40, 30, GetParam(), kBackground);
    SPixelLoops::BlitKeyedRaw(blitted.Target(), *picture, 16, 12, 0, 0, 8, 6);
    int drawn = 0, blit = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            drawn += surface->At(x, y) != kBackground;
            blit += blitted.At(x, y) != kBackground;
            if (surface->At(x, y) == kBackground) continue;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) near = near || blitted.At(x + dx, y + dy) == surface->At(x, y);
            }
            EXPECT_TRUE(near) << x << "," << y;
        }
    }
    EXPECT_LE(std::abs(drawn - blit), 8 + 6);
}

// A quarter turn anticlockwise: the picture's top edge runs up the left side.
TEST_P(PictureDrawingTest, aQuarterTurnMapsTheCorners) {
    auto picture = CoordinatePicture(8, 6);
    for (int32_t degrees : {90, 450, -270}) {
        SCOPED_TRACE(degrees);
        use(40, 30);
        render->DrawRotated(20, 15, *picture, degrees * 65536);
        EXPECT_EQ(surface->At(17, 18), TexelOf(0, 0));
        EXPECT_EQ(surface->At(17, 11), TexelOf(7, 0));
        EXPECT_EQ(surface->At(22, 11), TexelOf(7, 5));
        EXPECT_EQ(surface->At(22, 18), TexelOf(0, 5));
        EXPECT_EQ(surface->At(16, 15), kBackground);
        EXPECT_EQ(surface->At(23, 15), kBackground);
        EXPECT_EQ(surface->At(20, 10), kBackground);
        EXPECT_EQ(surface->At(20, 19), kBackground);
    }
}

// A picture turned near the surface's edges writes nothing past them.
TEST_P(PictureDrawingTest, aRotatedPictureNearTheEdgesStaysOnTheSurface) {
    auto picture = CoordinatePicture(10, 8);
    use(20, 12);
    for (int32_t degrees : {0, 30, 90, 135, 200, 315}) {
        for (auto [x, y] : {std::pair{0, 0}, {19, 0}, {0, 11}, {19, 11}, {-3, 6}, {22, 6}}) {
            render->DrawRotated(x, y, *picture, degrees << 16);
        }
    }
    EXPECT_NE(surface->At(0, 0), kBackground);
    EXPECT_TRUE(surface->GuardsIntact());
}

TEST_P(PictureDrawingTest, withoutASurfaceNothingIsDrawn) {
    auto picture = CoordinatePicture(4, 4);
    render->TileBitmap(0, 0, *picture, 8, 8);
    render->TileBitmapKeyed(0, 0, *picture, 8, 8);
    render->DrawRotated(4, 4, *picture, 0);
    SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Orientations, PictureDrawingTest, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return "orientation" + std::to_string(info.param); });

}  // namespace

}  // namespace picture_drawing_test
