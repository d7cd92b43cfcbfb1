#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "floor_fixture.h"

namespace object_face_filler_test {

namespace {

using namespace fill_test;

const SFloorFiller kFace = FloorFiller(10, SFloorFamily::Free);

// At one depth the start, middle and end samples lie on a line, so the fit has no second
// difference and steps linearly from the start sample. The fit takes the end sample (the last
// pixel's centre) to lie at t = n, one pixel further, so a face of one texel per pixel steps 255/256
// texel per pixel from half a texel: pixel (x, y) shows column (0.5 + 255x / 256) and row first + y,
// also on rows beyond 256, whose coefficients pass 32 bits.
TEST(ObjectFaceFillerTest, faceAtOneDepthShowsTheExactLinearTexels) {
    for (int format = 0; format <= 2; ++format) {
        const SModelTexture texture(format, 256, 512);
        for (int firstRow : {0, 300, 496}) {
            const SPolygonData face =
                FloorRectangle(0, 0, 256, 16, 0, firstRow * 16, 4096, (firstRow + 16) * 16, false);
            for (int orientation = 0; orientation <= 3; ++orientation) {
                // Orientation 3 stands for orientation 0 reading the decoded colours.
                const SRenderTexture& read = orientation == 3 ? texture.Decoded() : texture.Texture();
                const std::vector<uint16_t> pixels = RenderFloor(kFace, face, {&read}, 256, 16, orientation % 3);
                for (int y = 0; y < 16; ++y) {
                    for (int x = 0; x < 256; ++x) {
                        ASSERT_EQ(pixels[size_t(y * 256 + x)], texture.At((128 + 255 * x) / 256, firstRow + y))
                            << "format " << format << " first row " << firstRow << " orientation " << orientation
                            << " pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

// A span of one pixel shows the start sample: u 0 to 10 texels over the pixel gives column 5 at its
// centre.
TEST(ObjectFaceFillerTest, onePixelSpanDrawsTheStartTexel) {
    const SModelTexture texture(0, 256, 16);
    const SPolygonData face = FloorRectangle(3, 0, 4, 4, 0, 0, 160, 64, false);
    const std::vector<uint16_t> pixels = RenderFloor(kFace, face, {&texture.Texture()}, 6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) EXPECT_EQ(pixels[size_t(y * 6 + x)], x == 3 ? texture.At(5, y) : kBackground);
    }
}

// The left side bulges right past the right side and back: from the first row whose start lies
// right of its end, no row is drawn, though the rows below the bulge have spans again (the floor
// filler draws them).
TEST(ObjectFaceFillerTest, rowWhoseStartLiesRightOfItsEndEndsThePolygon) {
    const SModelTexture texture(0, 256, 16);
    SPolygonData face;
    face.vertices = {
        {0, 0, 1024}, {20 * 16, 0, 1024}, {20 * 16, 20 * 16, 1024}, {0, 20 * 16, 1024}, {30 * 16, 10 * 16, 1024}};
    face.uvs = {{0, 0}, {320, 0}, {320, 256}, {0, 256}, {480, 128}};
    face.shades.assign(5, 128);
    const std::vector<uint16_t> drawn = RenderFloor(kFace, face, {&texture.Texture()}, 32, 20);
    const std::vector<uint16_t> floor =
        RenderFloor(FloorFiller(1, SFloorFamily::NS), face, {&texture.Texture()}, 32, 20);
    auto rowDrawn = [](const std::vector<uint16_t>& pixels, int y) {
        for (int x = 0; x < 32; ++x) {
            if (pixels[size_t(y * 32 + x)] != kBackground) return true;
        }
        return false;
    };
    for (int y = 0; y < 20; ++y) {
        // The left side reaches x = 20 (the right side) at y = 6 2/3 and is back left of it at 13 1/3.
        EXPECT_EQ(rowDrawn(drawn, y), y <= 6) << "row " << y;
        EXPECT_EQ(rowDrawn(floor, y), y <= 6 || y >= 13) << "floor row " << y;
    }
}

// Faces at steep angles with coordinates far beyond a 256 x 512 texture: the fit is clamped
// between its samples, so nothing outside the texture is read (the sanitizer watches the texels'
// own buffer), and the picture is the same in every orientation.
TEST(ObjectFaceFillerTest, readsStayInsideTheTextureAndOrientationsAgree) {
    constexpr int kSide = 40;
    std::mt19937 random(5);
    std::uniform_int_distribution<int32_t> u(-3000, 4096 + 3000), v(-3000, 8192 + 3000);
    for (int format = 0; format <= 2; ++format) {
        const SModelTexture texture(format, 256, 512, 9);
        for (const SPoints& points : RandomPolygons(60, kSide, 17)) {
            SPolygonData face;
            face.vertices = points;
            for (size_t i = 0; i < points.size(); ++i) {
                face.uvs.push_back({u(random), v(random)});
                face.shades.push_back(uint16_t(random() % 200));
            }
            const std::vector<uint16_t> upright = RenderFloor(kFace, face, {&texture.Texture()}, kSide, kSide, 0);
            for (int orientation = 1; orientation <= 2; ++orientation)
                ASSERT_EQ(RenderFloor(kFace, face, {&texture.Texture()}, kSide, kSide, orientation), upright);
            ASSERT_EQ(RenderFloor(kFace, face, {&texture.Decoded()}, kSide, kSide), upright) << "decoded";
        }
    }
}

}  // namespace

}  // namespace object_face_filler_test
