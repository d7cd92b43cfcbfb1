#pragma once
// What the filler tests share: textures whose colours tell which texel was read, polygons built
// from a few screen corners, and a way to run one filler in any orientation.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "render/fill/fillers.h"
#include "support/picture_record.h"
#include "support/test_surface.h"

namespace fill_test {

constexpr uint16_t kBackground = 0x0841;
constexpr uint32_t kBlackFog = 0;

// A texture built through a picture record, with its texels and its colour table copied into
// buffers of exactly their own size, so that the sanitizer reports any read past either end.
class STestTexture {
public:
    STestTexture(int format, int width, int height, const std::vector<uint32_t>& indices,
                 const std::vector<uint16_t>& colours)
        : m_picture(format, width, height, indices, colours) {
        EXPECT_TRUE(m_picture.Ok());
        const SPicture& picture = m_picture.Picture();
        m_texels.assign(picture.Texels(), picture.Texels() + SPicture::TexelBytes(format, width, height));
        m_palette.assign(picture.Palette(), picture.Palette() + 2 * colours.size());
        SetTextureFromPicture(m_texture, picture);
        m_texture.m_data = m_texels.data();
        m_texture.m_palette = m_palette.data();
    }
    STestTexture(const STestTexture&) = delete;
    STestTexture& operator=(const STestTexture&) = delete;

    const SRenderTexture& Texture() const { return m_texture; }
    operator const SRenderTexture&() const { return m_texture; }

private:
    STestPicture m_picture;
    std::vector<uint8_t> m_texels;
    std::vector<uint8_t> m_palette;
    SRenderTexture m_texture;
};

// The fog blend as the renderer's description gives it, in the spread form and 32-bit unsigned
// arithmetic: what every blended pixel must equal.
inline uint16_t Blend(uint16_t colour, uint32_t spreadFog, uint32_t factor) {
    constexpr uint32_t kSpreadMask = 0x07E0F81F;
    const uint32_t spread = (colour | uint32_t(colour) << 16) & kSpreadMask;
    const uint32_t r = (spreadFog + (((spread - spreadFog) * factor) >> 5)) & kSpreadMask;
    return uint16_t(r | r >> 16);
}

// The colour that says "texel (x, y)": x in the high byte, y in the low byte, never the key colour.
constexpr uint16_t TexelColour(int x, int y) { return uint16_t(x << 8 | y); }
constexpr int TexelX(uint16_t colour) { return colour >> 8; }
constexpr int TexelY(uint16_t colour) { return colour & 0xFF; }

// A picture in which every texel has its own colour TexelColour(x, y): each texel (format 0) or
// block (formats 1 and 2) its own index, counted from 1 so that no texel uses index 0, whose colour
// is `indexZero`. Byte indices reach 255 texels (format 0) or blocks (format 1); format 2 has room
// for sides up to 254.
inline std::unique_ptr<STestTexture> MakeCoordinateTexture(int format, int width, int height,
                                                           uint16_t indexZero = 0xF800) {
    std::vector<uint32_t> indices;
    std::vector<uint16_t> colours;
    if (format == 0) {
        colours.push_back(indexZero);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                indices.push_back(uint32_t(colours.size()));
                colours.push_back(TexelColour(x, y));
            }
        }
    } else {
        colours.assign(4, indexZero);
        for (int y = 0; y < height; y += 2) {
            for (int x = 0; x < width; x += 2) {
                indices.push_back(uint32_t(colours.size() / 4));
                for (int k = 0; k < 4; ++k) colours.push_back(TexelColour(x + (k & 1), y + (k >> 1)));
            }
        }
    }
    EXPECT_LT(format == 2 ? 0 : indices.size(), 256u) << "more texels than byte indices";
    return std::make_unique<STestTexture>(format, width, height, indices, colours);
}

// A polygon of screen corners (28.4) at one depth, with its uvs and shades.
struct SPolygonData {
    std::vector<SRenderVertex> vertices;
    std::vector<SRenderUv> uvs;
    std::vector<uint16_t> shades;

    SFillPolygon Polygon() const {
        return SFillPolygon{int(vertices.size()), vertices.data(), uvs.data(), shades.data()};
    }
};

// The quad with corners top-left (x0, y0) and bottom-right (x1, y1), clockwise from its top left,
// with the given uvs at those corners and one shade.
inline SPolygonData Rectangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1, std::array<SRenderUv, 4> uvs,
                              uint16_t shade = 128, int32_t depth = 1024) {
    SPolygonData data;
    data.vertices = {{x0, y0, depth}, {x1, y0, depth}, {x1, y1, depth}, {x0, y1, depth}};
    data.uvs.assign(uvs.begin(), uvs.end());
    data.shades.assign(4, shade);
    return data;
}

// Colours that tell pixels apart in the keying tests, and the key colour.
constexpr uint16_t kA = 0x1111, kB = 0x2222, kC = 0x3333, kD = 0x4444, kKey = 0xFFFF;

// The pictures of the keying tests. Format 0, 2 x 2: index 0 (whose colour kA is visible), kKey /
// kB, kC. Blocks, 4 x 2: block 0 (kA kB / kC kD), then a block of kB kKey / kC kD, in byte indices
// and in word indices (index 256, so that both bytes matter).
struct SKeyPictures {
    STestTexture indexed{0, 2, 2, {0, 1, 2, 3}, {kA, kKey, kB, kC}};
    STestTexture bytes{1, 4, 2, {0, 1}, {kA, kB, kC, kD, kB, kKey, kC, kD}};
    STestTexture words{2, 4, 2, {0, 256}, [] {
                           std::vector<uint16_t> colours(1028, kA);
                           colours[1024] = kB, colours[1025] = kKey, colours[1026] = kC, colours[1027] = kD;
                           colours[1] = kB, colours[2] = kC, colours[3] = kD;
                           return colours;
                       }()};
};

using SPoints = std::vector<SRenderVertex>;

inline int64_t Cross(const SRenderVertex& a, const SRenderVertex& b, int64_t x, int64_t y) {
    return (int64_t(b.x) - a.x) * (y - a.y) - (int64_t(b.y) - a.y) * (x - a.x);
}

// The convex hull of the points, in the order that is clockwise on a view whose y grows
// downwards (anticlockwise in the usual mathematical sense); collinear points are dropped.
inline SPoints ConvexHull(SPoints points) {
    std::sort(points.begin(), points.end(), [](auto& a, auto& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    points.erase(std::unique(points.begin(), points.end(), [](auto& a, auto& b) { return a.x == b.x && a.y == b.y; }),
                 points.end());
    if (points.size() < 3) return {};
    SPoints hull(2 * points.size());
    size_t k = 0;
    auto add = [&](const SRenderVertex& p, size_t floor) {
        while (k >= floor && Cross(hull[k - 2], hull[k - 1], p.x, p.y) <= 0) --k;
        hull[k++] = p;
    };
    for (const SRenderVertex& p : points) add(p, 2);
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) add(points[i], lower);
    hull.resize(k - 1);
    return hull.size() >= 3 ? hull : SPoints{};
}

// Random convex polygons of 3 to 8 corners over a side x side pixel surface, most inside it and
// some reaching past it, at depths from 600 to 5000. Corners snap to pixel centres and edges now
// and then, so that exact hits on centres, horizontal edges and vertical sides all occur.
inline std::vector<SPoints> RandomPolygons(int count, int side, unsigned seed = 42) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> coordinate(-40, 16 * side + 40), corners(3, 8), snap(0, 3), depth(600, 5000);
    std::vector<SPoints> polygons;
    while (int(polygons.size()) < count) {
        SPoints points;
        for (int n = corners(random); n > 0; --n) {
            SRenderVertex p{coordinate(random), coordinate(random), depth(random)};
            if (snap(random) == 0) p.x = (p.x & ~15) + 8, p.y = (p.y & ~15) + 8;
            if (snap(random) == 1) p.y = (p.y & ~15);
            if (snap(random) == 2) p.x = (p.x & ~15);
            points.push_back(p);
        }
        SPoints hull = ConvexHull(points);
        if (!hull.empty()) polygons.push_back(hull);
    }
    return polygons;
}

}  // namespace fill_test
