// Fills, copies and tiles checked pixel by pixel against the plainest loop that states what each
// draws, over rows of every short length and every alignment, cut at each edge of the surface and
// in every orientation. The loops take different paths by row length, alignment and orientation,
// and each path must draw the same pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/draw/pixel_loops.h"
#include "support/test_surface.h"

namespace pixel_runs_test {

namespace {

constexpr int kWidth = 72, kHeight = 9;
constexpr uint16_t kKey = SPicture::kTransparent;

// A place and size of a rectangle in drawing coordinates.
struct Area {
    int x, y, w, h;
};

std::string Describe(const Area& a, int orientation) {
    return std::to_string(a.x) + "," + std::to_string(a.y) + " " + std::to_string(a.w) + "x" + std::to_string(a.h) +
           " orientation " + std::to_string(orientation);
}

// Rectangles of every width up to past the surface's, at every alignment of their first pixel,
// with some cut by the left, right, top and bottom edges.
std::vector<Area> Areas() {
    std::vector<Area> areas;
    for (int w = 0; w <= kWidth + 3; ++w) {
        for (int x = 0; x < 4; ++x) areas.push_back({x, 1, w, 3});
        areas.push_back({-5, -2, w, 4});
        areas.push_back({kWidth - w / 2, kHeight - 2, w, 5});
    }
    return areas;
}

// Pixels that no loop draws, so that a pixel left alone and one written are told apart.
uint16_t Junk(int x, int y) { return uint16_t(0x8000 | (y * kWidth + x) * 7); }

// Draws on a junk-filled surface with the loop and with the reference, which gets every pixel of
// the rectangle that lies inside the surface with its position in the rectangle, and compares.
void ExpectSamePixels(const Area& area, const std::function<void(SRasterTarget&)>& loop,
                      const std::function<void(uint16_t&, int, int)>& reference) {
    for (int orientation = 0; orientation < 3; ++orientation) {
        STestSurface drawn(kWidth, kHeight, orientation);
        std::vector<uint16_t> expected;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                uint16_t pixel = Junk(x, y);
                *drawn.Target().PixelAddress(x, y) = pixel;
                const int i = x - area.x, j = y - area.y;
                if (i >= 0 && i < area.w && j >= 0 && j < area.h) reference(pixel, i, j);
                expected.push_back(pixel);
            }
        }
        loop(drawn.Target());
        ASSERT_EQ(drawn.Pixels(), expected) << Describe(area, orientation);
        ASSERT_TRUE(drawn.GuardsIntact()) << Describe(area, orientation);
    }
}

TEST(PixelRunsTest, fillsWriteTheColourOnEveryPixelOfTheRectangle) {
    for (const Area& a : Areas()) {
        ExpectSamePixels(
            a, [&](SRasterTarget& t) { SPixelLoops::FillRectRaw(t, a.x, a.y, a.w, a.h, 0x1234); },
            [](uint16_t& pixel, int, int) { pixel = 0x1234; });
    }
}

// A row-major image of random pixels, every fifth the key colour.
std::vector<uint16_t> Image(int w, int h) {
    std::mt19937 random(uint32_t(w * 100 + h));
    std::vector<uint16_t> pixels(size_t(w) * size_t(h));
    for (size_t k = 0; k < pixels.size(); ++k) pixels[k] = k % 5 == 3 ? kKey : uint16_t(random() & 0x7FFF);
    return pixels;
}

TEST(PixelRunsTest, copiesShowTheImageFromItsSourcePosition) {
    constexpr int kImageWidth = kWidth + 9, kImageHeight = 6, kSourceX = 2, kSourceY = 1;
    const std::vector<uint16_t> image = Image(kImageWidth, kImageHeight);
    auto at = [&](int i, int j) { return image[size_t(kSourceY + j) * kImageWidth + size_t(kSourceX + i)]; };
    for (const Area& a : Areas()) {
        ExpectSamePixels(
            a,
            [&](SRasterTarget& t) {
                SPixelLoops::CopyPixelsRaw(t, a.x, a.y, image, kImageWidth, kImageHeight, kSourceX, kSourceY, a.w, a.h);
            },
            [&](uint16_t& pixel, int i, int j) {
                if (kSourceX + i < kImageWidth && kSourceY + j < kImageHeight) pixel = at(i, j);
            });
    }
}

struct TileSize {
    int w, h;
};

// Tiles narrower and wider than the surface, one pixel wide and of odd sizes, so that rows repeat
// a tile row many times, once, or only part of it.
constexpr TileSize kTiles[] = {{1, 1}, {3, 2}, {5, 4}, {8, 3}, {17, 2}, {40, 5}, {90, 2}};

TEST(PixelRunsTest, tilesRepeatTheTileFromTheRectanglesTopLeft) {
    for (const TileSize& tile : kTiles) {
        const std::vector<uint16_t> image = Image(tile.w, tile.h);
        auto at = [&](int i, int j) { return image[size_t(j % tile.h) * size_t(tile.w) + size_t(i % tile.w)]; };
        for (const Area& a : Areas()) {
            SCOPED_TRACE("tile " + std::to_string(tile.w) + "x" + std::to_string(tile.h));
            ExpectSamePixels(
                a, [&](SRasterTarget& t) { SPixelLoops::TilePixelsRaw(t, a.x, a.y, a.w, a.h, image, tile.w, tile.h); },
                [&](uint16_t& pixel, int i, int j) { pixel = at(i, j); });
            ExpectSamePixels(
                a,
                [&](SRasterTarget& t) {
                    SPixelLoops::TilePixelsKeyedRaw(t, a.x, a.y, a.w, a.h, image, tile.w, tile.h);
                },
                [&](uint16_t& pixel, int i, int j) {
                    if (at(i, j) != kKey) pixel = at(i, j);
                });
        }
    }
}

// A tile said to be larger than the pixels given, or of no size, draws nothing, yet the frame
// counts as drawn into.
TEST(PixelRunsTest, aTileWithoutItsPixelsDrawsNothing) {
    const std::vector<uint16_t> image(5, 0x1111);
    for (const TileSize& tile : {TileSize{3, 2}, TileSize{0, 1}, TileSize{2, 0}, TileSize{-1, -5}}) {
        STestSurface surface(4, 4, 0);
        SPixelLoops::TilePixelsRaw(surface.Target(), 0, 0, 4, 4, image, tile.w, tile.h);
        SPixelLoops::TilePixelsKeyedRaw(surface.Target(), 0, 0, 4, 4, image, tile.w, tile.h);
        EXPECT_EQ(surface.Pixels(), std::vector<uint16_t>(16, 0)) << tile.w << "x" << tile.h;
        EXPECT_TRUE(surface.Target().m_drawn);
    }
}

}  // namespace

}  // namespace pixel_runs_test
