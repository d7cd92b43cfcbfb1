#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "fill_fixture.h"
#include "render/fill/fog_blend.h"

namespace column_fillers_test {

namespace {

using namespace fill_test;

constexpr uint32_t kGreyFog = 0x0200C008;  // 0x8410 spread

using SFiller = std::function<void(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t)>;

std::vector<uint16_t> Render(const SPolygonData& data, const SRenderTexture& texture, const SFiller& filler,
                             int orientation = 0, uint32_t fog = kBlackFog, int width = 40, int height = 36) {
    STestSurface surface(width, height, orientation, kBackground);
    filler(surface.Target(), data.Polygon(), texture, fog);
    EXPECT_TRUE(surface.GuardsIntact());
    return surface.Pixels();
}

// A wall seen head-on at (x0, y0) pixels, its picture of pictureWidth x pictureHeight texels stored
// turned: picture row t is screen column t, picture column s runs down it; scale pixels per texel.
SPolygonData HeadOnWall(int x0, int y0, int pictureWidth, int pictureHeight, int scale, uint16_t shade = 128) {
    const int32_t s = pictureWidth * 16, t = pictureHeight * 16;
    return Rectangle(16 * x0, 16 * y0, 16 * (x0 + pictureHeight * scale), 16 * (y0 + pictureWidth * scale),
                     {SRenderUv{0, 0}, {0, t}, {s, t}, {s, 0}}, shade);
}

// An upright quad seen head-on: picture column s is screen column s.
SPolygonData HeadOnQuad(int x0, int y0, int pictureWidth, int pictureHeight, int scale, uint16_t shade = 128) {
    const int32_t s = pictureWidth * 16, t = pictureHeight * 16;
    return Rectangle(16 * x0, 16 * y0, 16 * (x0 + pictureWidth * scale), 16 * (y0 + pictureHeight * scale),
                     {SRenderUv{0, 0}, {s, 0}, {s, t}, {0, t}}, shade);
}

// The picture for a surface of 40 x 36: what texel(x, y) gives inside the rectangle, the background
// elsewhere.
std::vector<uint16_t> Expected(int x0, int y0, int w, int h, const std::function<uint16_t(int, int)>& texel) {
    std::vector<uint16_t> pixels;
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
            pixels.push_back(inside ? texel(x - x0, y - y0) : kBackground);
        }
    }
    return pixels;
}

const SFiller kWall = DrawPolyWall;
const SFiller kSideFace = DrawPolySideFace;
const SFiller kType14 = DrawPolyType14;
const SFiller kType13 = DrawPolyType13;

// At whole scales a head-on wall shows picture row t in screen column t and the picture's columns
// down it, exactly, in every format and orientation; so do the overlay wall with an overlay that is
// all key colour and the side face at full light.
TEST(ColumnFillersTest, headOnWallShowsOnePictureRowPerColumn) {
    for (int format = 0; format <= 2; ++format) {
        auto picture = MakeCoordinateTexture(format, 10, 6);
        STestTexture clear(format, 10, 6, std::vector<uint32_t>(format == 0 ? 60 : 15, 0),
                           std::vector<uint16_t>(4, 0xFFFF));
        const SFiller overlaid = [&](auto& target, auto& polygon, auto& texture, uint32_t fog) {
            DrawPolyWallOverlay(target, polygon, texture, clear, fog);
        };
        for (int scale : {1, 2}) {
            const std::vector<uint16_t> expected =
                Expected(3, 2, 6 * scale, 10 * scale, [&](int i, int j) { return TexelColour(j / scale, i / scale); });
            for (const SFiller& filler : {kWall, overlaid, kSideFace}) {
                for (int orientation = 0; orientation <= 2; ++orientation) {
                    EXPECT_EQ(Render(HeadOnWall(3, 2, 10, 6, scale), *picture, filler, orientation), expected)
                        << "format " << format << " scale " << scale << " orientation " << orientation;
                }
            }
        }
    }
}

// A wall running away from the eye, projected with a camera: every drawn pixel shows a texel within
// one of the texel a double-precision projection puts there.
TEST(ColumnFillersTest, recedingWallIsWithinOneTexelOfThePerspectiveReference) {
    constexpr int kTexels = 32;
    auto picture = MakeCoordinateTexture(2, kTexels, kTexels);
    // World: the wall from (x -600, depth 1200) to (x 500, depth 3000), from height 400 down to -500;
    // focal length 160 pixels, the eye's axis through (40, 30).
    const double x0 = -600, z0 = 1200, x1 = 500, z1 = 3000, top = 400, bottom = -500, focal = 160;
    auto screenX = [&](double x, double z) { return 40 + focal * x / z; };
    auto screenY = [&](double y, double z) { return 30 - focal * y / z; };
    auto fixed = [](double v) { return int32_t(std::lround(v * 16)); };
    SPolygonData wall;
    wall.vertices = {{fixed(screenX(x0, z0)), fixed(screenY(top, z0)), int32_t(z0)},
                     {fixed(screenX(x1, z1)), fixed(screenY(top, z1)), int32_t(z1)},
                     {fixed(screenX(x1, z1)), fixed(screenY(bottom, z1)), int32_t(z1)},
                     {fixed(screenX(x0, z0)), fixed(screenY(bottom, z0)), int32_t(z0)}};
    wall.uvs = {{0, 0}, {0, kTexels * 16}, {kTexels * 16, kTexels * 16}, {kTexels * 16, 0}};
    // P / Q of a shade of exactly 128 can come out a hair below it between two depths.
    wall.shades.assign(4, 200);
    const std::vector<uint16_t> pixels = Render(wall, *picture, kWall, 0, kBlackFog, 80, 60);
    int drawn = 0;
    for (int py = 0; py < 60; ++py) {
        for (int px = 0; px < 80; ++px) {
            const uint16_t colour = pixels[size_t(py) * 80 + px];
            if (colour == kBackground) continue;
            ++drawn;
            // The point of the wall on this pixel centre's ray: u (x / z) fixes the place along
            // the wall, and with it the depth of the whole column.
            const double u = (px + 0.5 - 40) / focal;
            const double along = (x0 - u * z0) / (u * (z1 - z0) - (x1 - x0));
            const double z = z0 + along * (z1 - z0);
            const double down = (py + 0.5 - screenY(top, z)) / (screenY(bottom, z) - screenY(top, z));
            EXPECT_NEAR(TexelY(colour), std::floor(along * kTexels), 1.0) << px << "," << py;
            EXPECT_NEAR(TexelX(colour), std::floor(down * kTexels), 1.0) << px << "," << py;
        }
    }
    EXPECT_GT(drawn, 1000);
}

// Where the overlay holds the key colour the base shows through; elsewhere the overlay's own
// colour, and both blended alike.
TEST(ColumnFillersTest, overlayShowsTheBaseWhereItHoldsTheKeyColour) {
    auto base = MakeCoordinateTexture(0, 8, 6);
    std::vector<uint32_t> checker;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) checker.push_back((x + y) % 2);
    }
    STestTexture overlay(0, 8, 6, checker, {0x1234, 0xFFFF});
    for (uint16_t shade : {128, 40}) {
        const uint32_t factor = fog::FactorOfShade8(shade * 8);
        STestSurface surface(40, 36, 0, kBackground);
        DrawPolyWallOverlay(surface.Target(), HeadOnWall(3, 2, 8, 6, 1, shade).Polygon(), *base, overlay, kGreyFog);
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 8; ++j) {
                const uint16_t texel = (i + j) % 2 ? TexelColour(j, i) : 0x1234;
                EXPECT_EQ(surface.At(3 + i, 2 + j), Blend(texel, kGreyFog, factor)) << i << "," << j;
            }
        }
    }
}

// An overlay that does not hold its texels where the base does would be read past its end: the
// wall is drawn plain instead.
TEST(ColumnFillersTest, overlayOfAnotherFormatOrSizeDrawsThePlainWall) {
    auto base = MakeCoordinateTexture(1, 8, 6);
    const SPolygonData wall = HeadOnWall(3, 2, 8, 6, 2, 70);
    const std::vector<uint16_t> plain = Render(wall, *base, kWall, 0, kGreyFog);
    auto smaller = MakeCoordinateTexture(1, 2, 2);
    auto otherFormat = MakeCoordinateTexture(0, 8, 6);
    auto sameLayout = MakeCoordinateTexture(1, 8, 6);
    SRenderTexture unknownFormat = *sameLayout;
    unknownFormat.m_format = 3;
    const SRenderTexture* overlays[] = {&smaller->Texture(), &otherFormat->Texture(), &unknownFormat};
    for (const SRenderTexture* overlay : overlays) {
        const SFiller overlaid = [&](auto& target, auto& polygon, auto& texture, uint32_t fog) {
            DrawPolyWallOverlay(target, polygon, texture, *overlay, fog);
        };
        EXPECT_EQ(Render(wall, *base, overlaid, 0, kGreyFog), plain);
    }
}

// Keyed quads leave the pixel under colour index 0 of format 0 (even though its colour is visible),
// under block 0, and under the key colour; every other texel is drawn.
TEST(ColumnFillersTest, keyedQuadsLeaveIndexZeroBlockZeroAndTheKeyColour) {
    const SKeyPictures pictures;
    const uint16_t B = kB, C = kC, D = kD;
    const uint16_t Z = kBackground;
    struct Case {
        const STestTexture& picture;
        int width;
        std::vector<uint16_t> row0, row1;
    };
    for (const Case& c :
         {Case{pictures.indexed, 2, {Z, Z}, {B, C}}, Case{pictures.bytes, 4, {Z, Z, B, Z}, {Z, Z, C, D}},
          Case{pictures.words, 4, {Z, Z, B, Z}, {Z, Z, C, D}}}) {
        for (const SFiller& filler : {kType14, kType13}) {
            STestSurface surface(40, 36, 0, kBackground);
            filler(surface.Target(), HeadOnQuad(5, 4, c.width, 2, 1).Polygon(), c.picture, kBlackFog);
            for (int x = 0; x < c.width; ++x) {
                EXPECT_EQ(surface.At(5 + x, 4), c.row0[size_t(x)]) << "format " << int(c.picture.Texture().m_format);
                EXPECT_EQ(surface.At(5 + x, 5), c.row1[size_t(x)]) << "format " << int(c.picture.Texture().m_format);
            }
        }
    }
}

// Head-on, the perspective type 14 and the affine type 13 agree and show the picture upright.
TEST(ColumnFillersTest, keyedQuadsShowTheirPictureUpright) {
    for (int format = 0; format <= 2; ++format) {
        auto picture = MakeCoordinateTexture(format, 6, 10);
        for (int scale : {1, 3}) {
            const std::vector<uint16_t> expected =
                Expected(2, 1, 6 * scale, 10 * scale, [&](int i, int j) { return TexelColour(i / scale, j / scale); });
            for (const SFiller& filler : {kType14, kType13}) {
                EXPECT_EQ(Render(HeadOnQuad(2, 1, 6, 10, scale), *picture, filler), expected)
                    << "format " << format << " scale " << scale;
            }
        }
    }
}

// On a surface stored row by row, column spans go through a tile a few columns wide, and keyed
// quads through it band by band of rows: a quad taller than a band and wider than a tile, also
// fogged, comes out as it does drawn straight down the columns of the other orientations.
TEST(ColumnFillersTest, keyedQuadsTallerThanABandDrawAsInEveryOrientation) {
    auto picture = MakeCoordinateTexture(0, 4, 60);
    for (uint16_t shade : {128, 50}) {
        SPolygonData quad = HeadOnQuad(3, 5, 4, 60, 3, shade);
        quad.vertices[1].x += 16 * 30;  // wider at the top: the spans differ from column to column
        std::vector<uint16_t> pictures[3];
        for (int orientation = 0; orientation <= 2; ++orientation) {
            pictures[orientation] = Render(quad, *picture, kType14, orientation, kGreyFog, 50, 190);
        }
        EXPECT_EQ(pictures[0], pictures[1]);
        EXPECT_EQ(pictures[0], pictures[2]);
        EXPECT_EQ(pictures[0][size_t(184) * 50 + 3],
                  Blend(TexelColour(0, 59), kGreyFog, fog::FactorOfShade8(shade * 8)));
    }
}

// Side faces blend every pixel: one factor when both ends carry the same shade, the texel itself
// from shade 128 up, and darker towards a darker lower edge.
TEST(ColumnFillersTest, sideFaceBlendsByItsShadesDownEachColumn) {
    auto picture = MakeCoordinateTexture(0, 10, 6);
    for (uint16_t shade : {0, 20, 64, 127, 128, 300}) {
        const uint32_t factor = std::min<uint32_t>(shade / 4, 32);
        const std::vector<uint16_t> expected =
            Expected(3, 2, 6, 10, [&](int i, int j) { return Blend(TexelColour(j, i), kGreyFog, factor); });
        EXPECT_EQ(Render(HeadOnWall(3, 2, 10, 6, 1, shade), *picture, kSideFace, 0, kGreyFog), expected) << shade;
    }
    STestTexture white(0, 2, 2, {0, 0, 0, 0}, {0xFFFF});
    SPolygonData fading = HeadOnWall(3, 2, 2, 2, 12);
    fading.shades = {128, 128, 0, 0};
    STestSurface surface(40, 36, 0, kBackground);
    DrawPolySideFace(surface.Target(), fading.Polygon(), white, kBlackFog);
    for (int x = 3; x < 27; ++x) {
        EXPECT_EQ(surface.At(x, 2), 0xFFFF);
        for (int y = 3; y < 26; ++y) EXPECT_LE(surface.At(x, y) & 0x1F, surface.At(x, y - 1) & 0x1F);
        EXPECT_LT(surface.At(x, 25) & 0x1F, 2);
    }
}

// Where the upper and lower edge meet nothing lies between them: a flat quad draws nothing.
TEST(ColumnFillersTest, aColumnOfZeroHeightDrawsNothing) {
    auto picture = MakeCoordinateTexture(0, 4, 4);
    const std::vector<uint16_t> empty(40 * 36, kBackground);
    const SPolygonData flat = Rectangle(40, 88, 300, 88, {SRenderUv{0, 0}, {0, 64}, {64, 64}, {64, 0}});
    const SFiller overlaid = [&](auto& target, auto& polygon, auto& texture, uint32_t fog) {
        DrawPolyWallOverlay(target, polygon, texture, texture, fog);
    };
    for (const SFiller& filler : {kWall, overlaid, kSideFace, kType14, kType13}) {
        EXPECT_EQ(Render(flat, *picture, filler), empty);
    }
}

// Texture coordinates past the picture: the coordinate that holds down a column reads the nearest
// edge row (walls) or column (keyed quads), and the one that runs down it stays inside the picture.
TEST(ColumnFillersTest, coordinatesPastThePictureReadItsEdgeTexels) {
    auto picture = MakeCoordinateTexture(0, 6, 5);
    // Four pixels of the wall's width lie before the picture's first row and four after its last.
    const SPolygonData wall =
        Rectangle(16 * 2, 16 * 3, 16 * 15, 16 * 20, {SRenderUv{-100, -64}, {-100, 144}, {200, 144}, {200, -64}});
    const SPolygonData quad =
        Rectangle(16 * 2, 16 * 3, 16 * 16, 16 * 20, {SRenderUv{-64, -100}, {160, -100}, {160, 200}, {-64, 200}});
    struct Case {
        const SPolygonData& polygon;
        SFiller filler;
        int pictureSide;  // the side of the coordinate that holds down a column
        bool wall;
    };
    for (const Case& c : {Case{wall, kWall, 5, true}, Case{wall, kSideFace, 5, true}, Case{quad, kType14, 6, false},
                          Case{quad, kType13, 6, false}}) {
        STestSurface surface(40, 36, 0, kBackground);
        c.filler(surface.Target(), c.polygon.Polygon(), *picture, kBlackFog);
        for (int column = 2; column < (c.wall ? 15 : 16); ++column) {
            const int expectedLine = std::clamp(column - 2 - 4, 0, c.pictureSide - 1);
            for (int y = 3; y < 20; ++y) {
                const uint16_t colour = surface.At(column, y);
                EXPECT_EQ(c.wall ? TexelY(colour) : TexelX(colour), expectedLine) << column << "," << y;
                EXPECT_LT(c.wall ? TexelX(colour) : TexelY(colour), c.wall ? 6 : 5) << column << "," << y;
            }
        }
    }
}

// The column walk has its own rule for exact hits on the upper and lower edge; still, the diagonal
// shared by the two halves of a quad belongs to exactly one of them.
TEST(ColumnFillersTest, aQuadSplitIntoTwoTrianglesCoversEveryPixelOnce) {
    STestTexture ink(0, 2, 2, {0, 0, 0, 0}, {0x7BEF});
    for (const SPoints& quad : RandomPolygons(800, 24, 7)) {
        if (quad.size() != 4) continue;
        auto draw = [&](const SPoints& vertices) {
            SPolygonData data;
            data.vertices = vertices;
            data.uvs.assign(vertices.size(), SRenderUv{});
            data.shades.assign(vertices.size(), 128);
            return Render(data, ink, kWall, 0, kBlackFog, 24, 24);
        };
        const std::vector<uint16_t> whole = draw(quad), first = draw({quad[0], quad[1], quad[2]}),
                                    second = draw({quad[0], quad[2], quad[3]});
        for (size_t i = 0; i < whole.size(); ++i) {
            const int times = (first[i] != kBackground) + (second[i] != kBackground);
            ASSERT_EQ(times, whole[i] != kBackground ? 1 : 0) << "pixel " << i;
        }
    }
}

}  // namespace

}  // namespace column_fillers_test
