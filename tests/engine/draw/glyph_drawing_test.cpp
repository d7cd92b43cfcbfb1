// Every glyph of every font strip of the sample interface package, drawn over junk pixels and cut
// at each edge of the surface, must come out as the plain per-pixel glyph loop draws it: index 0
// leaves the pixel, 1 to 3 draw the shades. The text loop draws most glyphs several pixels at a
// time, reading and writing past the glyph's own columns, and falls back to the plain loop near
// the surface's right edge and the strip's end; it reads only the rows the strip's glyph ink gives,
// which the plain loop does not know of.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/draw/font_glyphs.h"
#include "engine/draw/glyph_ink.h"
#include "engine/draw/pixel_loops.h"
#include "support/test_surface.h"
#include "tools/sampledata/font_strips.h"

namespace glyph_drawing_test {

namespace {

constexpr int kWidth = 40, kHeight = 30;
constexpr SShades kShades{0x1111, 0x2222, 0x3333};

struct Strip {
    explicit Strip(uint16_t recordId) : id(recordId) {
        std::string error;
        record = RenderFontStrip(id, error);
        SReadError fault;
        ok = !record.empty() && picture.Read(record, fault);
        GlyphColumns(id, start, end);
        for (int code = 0; code < 256; ++code) {
            offsets[size_t(code)] = start[size_t(code)];
            widths[size_t(code)] = uint8_t(end[size_t(code)] - start[size_t(code)]);
        }
        if (ok) ink = FindGlyphInk(picture, offsets, widths);
    }
    uint16_t id;
    std::vector<uint8_t> record;
    SPicture picture;
    bool ok = false;
    std::array<uint16_t, 256> start{}, end{}, offsets{};
    std::array<uint8_t, 256> widths{};
    SGlyphInk ink{};
};

uint16_t Junk(int x, int y) { return uint16_t(0x8000 | (y * kWidth + x) * 13); }

// The glyph as the plain loop states it, onto pixels read in drawing coordinates.
void ReferenceGlyph(std::vector<uint16_t>& pixels, const Strip& strip, uint8_t code, int x, int y) {
    const SPicture& picture = strip.picture;
    for (int j = 0; j < picture.Height(); ++j) {
        for (int i = 0; i < strip.widths[code]; ++i) {
            const int column = strip.offsets[code] + i;
            if (x + i < 0 || x + i >= kWidth || y + j < 0 || y + j >= kHeight || column >= picture.Width()) continue;
            const uint8_t index = picture.Texels()[size_t(j) * size_t(picture.Width()) + size_t(column)];
            if (index != 0) pixels[size_t(y + j) * kWidth + size_t(x + i)] = kShades[index - 1u];
        }
    }
}

struct Place {
    const char* name;
    int x, y;
};

// Inside, and cut by the left, right, top and bottom edges; the right-edge place leaves fewer
// than eight columns, so the glyphs there cannot be drawn eight at a time.
constexpr Place kPlaces[] = {{"inside", 3, 2},           {"left", -4, 1},
                             {"right", kWidth - 6, 0},   {"top", 20, -5},
                             {"bottom", 9, kHeight - 9}, {"farRight", kWidth - 1, 2},
                             {"atRightEdge", 28, 3}};

class GlyphDrawingTest : public ::testing::TestWithParam<uint16_t> {};

TEST_P(GlyphDrawingTest, everyGlyphDrawsAsThePlainLoopDoesAtEveryEdge) {
    const Strip strip(GetParam());
    ASSERT_TRUE(strip.ok);
    ASSERT_LE(strip.picture.ColoursUsed(), 4u) << "a strip of shades only";
    for (const SGlyph& glyph : GlyphList(strip.id)) {
        for (const Place& place : kPlaces) {
            for (int orientation = 0; orientation < 3; ++orientation) {
                STestSurface surface(kWidth, kHeight, orientation);
                std::vector<uint16_t> expected;
                for (int y = 0; y < kHeight; ++y)
                    for (int x = 0; x < kWidth; ++x)
                        expected.push_back(*surface.Target().PixelAddress(x, y) = Junk(x, y));
                ReferenceGlyph(expected, strip, glyph.code, place.x, place.y);
                const char text[] = {char(glyph.code), 0};
                SPixelLoops::DrawTextRaw(surface.Target(), strip.picture, strip.offsets, strip.widths, strip.ink,
                                         kShades, place.x, place.y, text);
                ASSERT_EQ(surface.Pixels(), expected)
                    << "glyph " << int(glyph.code) << " " << place.name << " orientation " << orientation;
                ASSERT_TRUE(surface.GuardsIntact());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SampleStrips, GlyphDrawingTest, ::testing::Values(3010, 3011, 3012, 3013, 3014),
                         [](const auto& info) { return "strip" + std::to_string(info.param); });

}  // namespace

}  // namespace glyph_drawing_test
