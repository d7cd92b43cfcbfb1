// Every filler against polygons that reach past the surface, textures walked backwards and texture
// coordinates far beyond the picture: nothing is written outside the surface (the test surface's
// guard pixels), nothing is read outside the picture (the sanitizer, and every drawn colour being
// one of the picture's texels), and the picture is the same in every orientation.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "fill_fixture.h"

namespace fill_safety_test {

namespace {

using namespace fill_test;

constexpr int kSide = 24;
constexpr int kPictureWidth = 10, kPictureHeight = 8;
constexpr uint16_t kInk = 0x0505;  // decodes as texel (5, 5)

using SFiller = std::function<void(const SRasterTarget&, const SFillPolygon&, const SRenderTexture&, uint32_t)>;

struct SFillerCase {
    const char* name;
    SFiller draw;
};

std::vector<SFillerCase> Fillers(const SRenderTexture& overlay) {
    return {
        {"flat", [](auto& target, auto& polygon, auto&, uint32_t) { DrawPolyFlat(target, polygon, kInk); }},
        {"sky", DrawPolySky},
        {"billboard", DrawPolyBillboard},
        {"rotated",
         [](auto& target, auto& polygon, auto& texture, uint32_t) {
             if (polygon.m_count != 4) return;
             DrawQuadKeyedAffine(target, std::span<const SRenderVertex, 4>(polygon.m_vertices, 4), texture,
                                 std::span<const SRenderUv, 4>(polygon.m_uvs, 4));
         }},
        {"wall", DrawPolyWall},
        {"overlay", [&overlay](auto& target, auto& polygon, auto& texture,
                               uint32_t fog) { DrawPolyWallOverlay(target, polygon, texture, overlay, fog); }},
        {"side face", DrawPolySideFace},
        {"type 14", DrawPolyType14},
        {"type 13", DrawPolyType13},
    };
}

// The polygon with uvs anywhere from well before to well past the picture, in either direction,
// and shades either all clear or anywhere from fog to clear.
SPolygonData WithAttributes(const SPoints& vertices, std::mt19937& random, bool clear) {
    std::uniform_int_distribution<int32_t> u(-300, kPictureWidth * 16 + 300), v(-300, kPictureHeight * 16 + 300);
    std::uniform_int_distribution<int> shade(0, 255);
    SPolygonData data;
    data.vertices = vertices;
    for (size_t i = 0; i < vertices.size(); ++i) {
        data.uvs.push_back({u(random), v(random)});
        data.shades.push_back(uint16_t(clear ? 255 : shade(random)));
    }
    return data;
}

TEST(FillSafetyTest, everyFillerStaysInsideItsSurfaceAndItsPicture) {
    for (int format = 0; format <= 2; ++format) {
        auto picture = MakeCoordinateTexture(format, kPictureWidth, kPictureHeight);
        auto overlay = MakeCoordinateTexture(format, kPictureWidth, kPictureHeight, 0xFFFF);
        std::mt19937 random(format);
        for (const SFillerCase& filler : Fillers(*overlay)) {
            for (const SPoints& vertices : RandomPolygons(150, kSide, unsigned(format))) {
                for (bool clear : {true, false}) {
                    const SPolygonData data = WithAttributes(vertices, random, clear);
                    std::vector<uint16_t> pictures[3];
                    for (int orientation = 0; orientation <= 2; ++orientation) {
                        STestSurface surface(kSide, kSide, orientation, kBackground);
                        filler.draw(surface.Target(), data.Polygon(), *picture, 0x0200C008);
                        ASSERT_TRUE(surface.GuardsIntact()) << filler.name << " orientation " << orientation;
                        pictures[orientation] = surface.Pixels();
                    }
                    ASSERT_EQ(pictures[1], pictures[0]) << filler.name << ", format " << format;
                    ASSERT_EQ(pictures[2], pictures[0]) << filler.name << ", format " << format;
                    if (!clear) continue;
                    for (uint16_t colour : pictures[0]) {
                        if (colour == kBackground) continue;
                        ASSERT_LT(TexelX(colour), kPictureWidth) << filler.name << ", format " << format;
                        ASSERT_LT(TexelY(colour), kPictureHeight) << filler.name << ", format " << format;
                    }
                }
            }
        }
    }
}

// Perspective interpolation divides by depths between the vertices' own: a vertex at or behind
// the eye has no place on the screen, and the polygon is not drawn.
TEST(FillSafetyTest, perspectiveFillersDrawNothingWithAVertexAtOrBehindTheEye) {
    auto picture = MakeCoordinateTexture(0, 4, 4);
    const std::vector<uint16_t> empty(kSide * kSide, kBackground);
    for (int32_t depth : {0, -5}) {
        SPolygonData data = Rectangle(16, 16, 300, 300, {SRenderUv{0, 0}, {0, 64}, {64, 64}, {64, 0}});
        data.vertices[2].z = depth;
        for (const SFillerCase& filler : Fillers(*picture)) {
            const std::string name = filler.name;
            if (name != "wall" && name != "overlay" && name != "side face" && name != "type 14") continue;
            STestSurface surface(kSide, kSide, 0, kBackground);
            filler.draw(surface.Target(), data.Polygon(), *picture, 0);
            EXPECT_EQ(surface.Pixels(), empty) << name << " at depth " << depth;
        }
    }
}

// A picture record may hold no texels at all (a side of 0): there is nothing to clamp a
// coordinate to, and nothing is drawn.
TEST(FillSafetyTest, aPictureWithoutTexelsDrawsNothing) {
    STestTexture empty(0, 0, 4, {}, {0x1234});
    const SPolygonData data = Rectangle(16, 16, 300, 300, {SRenderUv{0, 0}, {0, 64}, {64, 64}, {0, 64}});
    const std::vector<uint16_t> untouched(kSide * kSide, kBackground);
    for (const SFillerCase& filler : Fillers(empty)) {
        if (std::string(filler.name) == "flat") continue;
        STestSurface surface(kSide, kSide, 0, kBackground);
        filler.draw(surface.Target(), data.Polygon(), empty, 0);
        EXPECT_EQ(surface.Pixels(), untouched) << filler.name;
    }
}

}  // namespace

}  // namespace fill_safety_test
