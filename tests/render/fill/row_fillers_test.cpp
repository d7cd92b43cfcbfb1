#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fill_fixture.h"
#include "render/fill/fog_blend.h"

namespace row_fillers_test {

namespace {

using namespace fill_test;

constexpr uint32_t kGreyFog = 0x0200C008;  // 0x8410 spread
constexpr uint16_t A = kA, B = kB, C = kC, D = kD, Z = kBackground;

using SFiller = std::function<void(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t)>;

void Rotated(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture, uint32_t) {
    DrawQuadKeyedAffine(target, std::span<const SRenderVertex, 4>(polygon.m_vertices, 4), texture,
                        std::span<const SRenderUv, 4>(polygon.m_uvs, 4));
}

const SFiller kSky = DrawPolySky;
const SFiller kBillboard = DrawPolyBillboard;
const SFiller kRotated = Rotated;

// A picture of w x h texels shown upright at (x0, y0), scale pixels per texel; mirrored pictures run
// s from w x 16 - 1 down to -1, as the sprite builders give them.
SPolygonData Upright(int x0, int y0, int w, int h, int scale, uint16_t shade = 128, bool mirrored = false) {
    const int32_t left = mirrored ? w * 16 - 1 : 0, right = mirrored ? -1 : w * 16;
    return Rectangle(16 * x0, 16 * y0, 16 * (x0 + w * scale), 16 * (y0 + h * scale),
                     {SRenderUv{left, 0}, {right, 0}, {right, h * 16}, {left, h * 16}}, shade);
}

// Texels map to pixels exactly at whole scales, mirrored too, in every format and orientation.
TEST(RowFillersTest, texelsMapExactlyAtWholeScales) {
    for (int format = 0; format <= 2; ++format) {
        auto picture = MakeCoordinateTexture(format, 8, 6);
        for (int scale : {1, 2}) {
            for (bool mirrored : {false, true}) {
                for (const SFiller& filler : {kSky, kBillboard, kRotated}) {
                    for (int orientation = 0; orientation <= 2; ++orientation) {
                        STestSurface surface(30, 20, orientation, kBackground);
                        filler(surface.Target(), Upright(3, 2, 8, 6, scale, 128, mirrored).Polygon(), *picture,
                               kBlackFog);
                        EXPECT_TRUE(surface.GuardsIntact());
                        for (int y = 0; y < 20; ++y) {
                            for (int x = 0; x < 30; ++x) {
                                const int i = x - 3, j = y - 2;
                                const bool inside = i >= 0 && i < 8 * scale && j >= 0 && j < 6 * scale;
                                const int column = mirrored ? 7 - i / scale : i / scale;
                                ASSERT_EQ(surface.At(x, y), inside ? TexelColour(column, j / scale) : Z)
                                    << "format " << format << " scale " << scale << " mirrored " << mirrored
                                    << " orientation " << orientation << " at " << x << "," << y;
                            }
                        }
                    }
                }
            }
        }
    }
}

// Billboards are keyed by the key colour and block 0, but colour index 0 of format 0 is drawn; the
// rotated picture is keyed the same way and never blended.
TEST(RowFillersTest, billboardsAndTheRotatedPictureLeaveTheKeyColourAndBlockZero) {
    const SKeyPictures pictures;
    struct Case {
        const STestTexture& picture;
        int width;
        std::vector<uint16_t> rows;
    };
    for (const Case& c : {Case{pictures.indexed, 2, {A, Z, B, C}}, Case{pictures.bytes, 4, {Z, Z, B, Z, Z, Z, C, D}},
                          Case{pictures.words, 4, {Z, Z, B, Z, Z, Z, C, D}}}) {
        // The billboard blends at this shade; the rotated picture has no fog to blend with.
        for (auto [filler, blended] : {std::pair{kBillboard, true}, std::pair{kRotated, false}}) {
            STestSurface surface(10, 10, 0, kBackground);
            filler(surface.Target(), Upright(1, 1, c.width, 2, 1, 64).Polygon(), c.picture, kGreyFog);
            for (int i = 0; i < 2 * c.width; ++i) {
                const uint16_t texel = c.rows[size_t(i)];
                const uint16_t expected = texel == Z || !blended ? texel : Blend(texel, kGreyFog, 16);
                EXPECT_EQ(surface.At(1 + i % c.width, 1 + i / c.width), expected)
                    << "format " << int(c.picture.Texture().m_format) << " texel " << i;
            }
        }
    }
}

// The same picture shows its index-0 texels on a billboard and hides them on an upright keyed quad.
TEST(RowFillersTest, indexZeroShowsOnABillboardButNotOnAKeyedQuad) {
    const SKeyPictures pictures;
    const STestTexture& indexed = pictures.indexed;
    STestSurface billboard(10, 10, 0, kBackground), quad(10, 10, 0, kBackground);
    DrawPolyBillboard(billboard.Target(), Upright(1, 1, 2, 2, 1).Polygon(), indexed, kBlackFog);
    DrawPolyType14(quad.Target(), Upright(1, 1, 2, 2, 1).Polygon(), indexed, kBlackFog);
    EXPECT_EQ(billboard.At(1, 1), A);
    EXPECT_EQ(quad.At(1, 1), Z);
    EXPECT_EQ(billboard.At(1, 2), B);
    EXPECT_EQ(quad.At(1, 2), B);
}

// Below factor 32 a sky row is blended across its whole width at one factor, and the factor falls
// from row to row as the shade falls towards the horizon.
TEST(RowFillersTest, skyRowsBelowFullFactorAreBlendedAcrossTheirWidth) {
    auto picture = MakeCoordinateTexture(2, 16, 16);
    for (uint16_t shade : {0, 40, 64, 127}) {
        STestSurface surface(30, 20, 0, kBackground);
        DrawPolySky(surface.Target(), Upright(2, 2, 16, 16, 1, shade).Polygon(), *picture, kGreyFog);
        for (int y = 2; y < 18; ++y) {
            for (int x = 2; x < 18; ++x) {
                EXPECT_EQ(surface.At(x, y), Blend(TexelColour(x - 2, y - 2), kGreyFog, shade / 4)) << shade;
            }
        }
    }
    SPolygonData fading = Upright(2, 2, 16, 16, 1);
    fading.shades = {128, 128, 0, 0};
    STestSurface surface(30, 20, 0, kBackground);
    DrawPolySky(surface.Target(), fading.Polygon(), *picture, kGreyFog);
    uint32_t previous = 33;
    for (int y = 2; y < 18; ++y) {
        uint32_t factor = 0;
        while (factor < 32 && surface.At(2, y) != Blend(TexelColour(0, y - 2), kGreyFog, factor)) ++factor;
        for (int x = 2; x < 18; ++x) {
            EXPECT_EQ(surface.At(x, y), Blend(TexelColour(x - 2, y - 2), kGreyFog, factor)) << x << "," << y;
        }
        EXPECT_LE(factor, previous);
        previous = factor;
    }
    EXPECT_LT(previous, 4u);
}

// The rotated picture turned a quarter: picture row 0 runs down the rightmost column.
TEST(RowFillersTest, rotatedPictureTurnsTheTexelsWithItsCorners) {
    for (int format = 0; format <= 2; ++format) {
        auto picture = MakeCoordinateTexture(format, 6, 4);
        const std::array<SRenderVertex, 4> quad = {
            SRenderVertex{16 * 5, 16 * 3, 1}, {16 * 9, 16 * 3, 1}, {16 * 9, 16 * 9, 1}, {16 * 5, 16 * 9, 1}};
        const std::array<SRenderUv, 4> uvs = {SRenderUv{0, 64}, {0, 0}, {96, 0}, {96, 64}};
        STestSurface surface(14, 12, 0, kBackground);
        DrawQuadKeyedAffine(surface.Target(), quad, *picture, uvs);
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 6; ++j) EXPECT_EQ(surface.At(5 + i, 3 + j), TexelColour(j, 3 - i)) << i << "," << j;
        }
    }
}

}  // namespace

}  // namespace row_fillers_test
