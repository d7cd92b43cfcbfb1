#include "engine/draw/pixel_loops.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "support/picture_record.h"
#include "support/test_surface.h"

namespace pixel_loops_test {

namespace {

// Colours that tell the pixels apart; K is the key colour, Z the background.
constexpr uint16_t Z = 0x0000, A = 0x1111, B = 0x2222, C = 0x3333, D = 0x4444, E = 0x5555, F = 0x6666, G = 0x7777,
                   K = 0xFFFF;
constexpr uint16_t kBlue = 0x001F;
constexpr SShades kShades{0x0A0A, 0x0B0B, 0x0C0C};

// Colour i of the ramp and grid pictures.
constexpr uint16_t P(int i) { return uint16_t(0x0100 + i); }

// 2x2, format 0: A K / B K.
const SPicture& Indexed() {
    static STestPicture picture(0, 2, 2, {0, 1, 2, 1}, {A, K, B});
    return picture;
}

// 4x2 of two blocks: block 0 (A B / C D) is transparent to keyed drawing although none of its
// colours is the key; block 1 is E F / K G.
const std::vector<uint16_t> kBlockColours{A, B, C, D, E, F, K, G};

const SPicture& ByteBlocks() {
    static STestPicture picture(1, 4, 2, {0, 1}, kBlockColours);
    return picture;
}

// The same with u16 block indices 0 and 256, so that a byte-swapped index would land elsewhere.
const SPicture& WordBlocks() {
    static STestPicture picture(2, 4, 2, {0, 256}, [] {
        std::vector<uint16_t> colours(1028, 0x0F0F);
        std::copy(kBlockColours.begin(), kBlockColours.begin() + 4, colours.begin());
        std::copy(kBlockColours.begin() + 4, kBlockColours.end(), colours.begin() + 1024);
        return colours;
    }());
    return picture;
}

// 3x3, format 0: P(0) .. P(8) row by row.
const SPicture& Grid() {
    static STestPicture picture(0, 3, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8},
                                {P(0), P(1), P(2), P(3), P(4), P(5), P(6), P(7), P(8)});
    return picture;
}

// 4x1, format 0: A B K C.
const SPicture& Row() {
    static STestPicture picture(0, 4, 1, {0, 1, 2, 3}, {A, B, K, C});
    return picture;
}

// 10x1, format 0: P(0) .. P(9).
const SPicture& Ramp() {
    static STestPicture picture(0, 10, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                                {P(0), P(1), P(2), P(3), P(4), P(5), P(6), P(7), P(8), P(9)});
    return picture;
}

// 1x2, format 0: white over pure red.
const SPicture& WhiteOverRed() {
    static STestPicture picture(0, 1, 2, {0, 1}, {0xFFFF, 0xF800});
    return picture;
}

// A format-0 picture of a given size whose pixel (a, b) is white where lit(a % 5, b % 5), else black.
std::vector<uint32_t> LitIndices(int size, const std::function<bool(int, int)>& lit) {
    std::vector<uint32_t> indices;
    for (int b = 0; b < size; ++b) {
        for (int a = 0; a < size; ++a) indices.push_back(lit(a % 5, b % 5) ? 1 : 0);
    }
    return indices;
}

const SPicture& FirstColumnLit() {
    static STestPicture picture(0, 50, 50, LitIndices(50, [](int a, int) { return a == 0; }), {0, 0xFFFF});
    return picture;
}

const SPicture& MiddleRowLit() {
    static STestPicture picture(0, 50, 50, LitIndices(50, [](int, int b) { return b == 2; }), {0, 0xFFFF});
    return picture;
}

// Uniform 50x50 grey in each format (blocks all index 1).
constexpr uint16_t kGrey = 0x8410;
const SPicture& Uniform(int format) {
    static STestPicture indexed(0, 50, 50, std::vector<uint32_t>(2500, 0), {kGrey});
    static STestPicture bytes(1, 50, 50, std::vector<uint32_t>(625, 1), std::vector<uint16_t>(8, kGrey));
    static STestPicture words(2, 50, 50, std::vector<uint32_t>(625, 1), std::vector<uint16_t>(8, kGrey));
    return format == 0 ? indexed.Picture() : format == 1 ? bytes.Picture() : words.Picture();
}

const SPicture& Uniform48() {
    static STestPicture picture(0, 48, 48, std::vector<uint32_t>(48 * 48, 0), {kGrey});
    return picture;
}

// A 6x2 font strip: 0 1 2 3 4 0 / 4 3 2 1 0 4, where index 4 is E.
const SPicture& Strip() {
    static STestPicture picture(0, 6, 2, {0, 1, 2, 3, 4, 0, 4, 3, 2, 1, 0, 4}, {Z, Z, Z, Z, E});
    return picture;
}

// A font whose 'a' is strip columns 1-2 and 'b' columns 3-4.
struct TestFont {
    std::array<uint16_t, 256> offsets{};
    std::array<uint8_t, 256> widths{};
    SGlyphInk ink{};
    TestFont() {
        offsets['a'] = 1, widths['a'] = 2;
        offsets['b'] = 3, widths['b'] = 2;
        ink = FindGlyphInk(Strip(), offsets, widths);
    }
};

const std::vector<uint16_t> kImage{0x10, 0x11, 0x12, 0x13, 0x14, 0x15};  // 3x2 raw pixels

// A size x size square whose pixel (x, y) is phase[x % n] or phase[y % n].
std::vector<uint16_t> Repeated(int size, const std::vector<uint16_t>& phase, bool alongColumns) {
    std::vector<uint16_t> pixels;
    int n = int(phase.size());
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) pixels.push_back(phase[(alongColumns ? x : y) % n]);
    }
    return pixels;
}

struct LoopCase {
    const char* name;
    int width, height;
    std::function<void(SRasterTarget&)> draw;
    std::vector<uint16_t> expected;  // the surface's rows, top to bottom
};

void PrintTo(const LoopCase& c, std::ostream* out) { *out << c.name; }

using L = SPixelLoops;

const std::vector<LoopCase> kCases{
    {"fill", 4, 3, [](SRasterTarget& r) { L::FillRectRaw(r, 1, 1, 2, 1, A); }, {Z, Z, Z, Z, Z, A, A, Z, Z, Z, Z, Z}},
    {"fillClipped",
     4,
     3,
     [](SRasterTarget& r) { L::FillRectRaw(r, -1, -1, 3, 5, A); },
     {A, A, Z, Z, A, A, Z, Z, A, A, Z, Z}},
    {"copy",
     4,
     2,
     [](SRasterTarget& r) { L::CopyPixelsRaw(r, 1, 0, kImage, 3, 2, 1, 0, 2, 2); },
     {Z, 0x11, 0x12, Z, Z, 0x14, 0x15, Z}},
    {"copyPastImage",
     3,
     2,
     [](SRasterTarget& r) { L::CopyPixelsRaw(r, 0, 0, kImage, 3, 2, 1, 1, 5, 5); },
     {0x14, 0x15, Z, Z, Z, Z}},
    {"copyImageLargerThanItsPixels",
     2,
     1,
     [](SRasterTarget& r) { L::CopyPixelsRaw(r, 0, 0, kImage, 3, 3, 0, 0, 2, 1); },
     {Z, Z}},
    {"keyedIndexed",
     4,
     3,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, Indexed(), 1, 1, 0, 0, 2, 2); },
     {Z, Z, Z, Z, Z, A, Z, Z, Z, B, Z, Z}},
    {"opaqueIndexed",
     4,
     3,
     [](SRasterTarget& r) { L::BlitOpaqueRaw(r, Indexed(), 1, 1, 0, 0, 2, 2); },
     {Z, Z, Z, Z, Z, A, K, Z, Z, B, K, Z}},
    {"keyedByteBlocks",
     4,
     2,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, ByteBlocks(), 0, 0, 0, 0, 4, 2); },
     {Z, Z, E, F, Z, Z, Z, G}},
    {"opaqueByteBlocks",
     4,
     2,
     [](SRasterTarget& r) { L::BlitOpaqueRaw(r, ByteBlocks(), 0, 0, 0, 0, 4, 2); },
     {A, B, E, F, C, D, K, G}},
    {"keyedWordBlocks",
     4,
     2,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, WordBlocks(), 0, 0, 0, 0, 4, 2); },
     {Z, Z, E, F, Z, Z, Z, G}},
    {"opaqueWordBlocks",
     4,
     2,
     [](SRasterTarget& r) { L::BlitOpaqueRaw(r, WordBlocks(), 0, 0, 0, 0, 4, 2); },
     {A, B, E, F, C, D, K, G}},
    {"opaqueBlocksFromOddSource",
     2,
     1,
     [](SRasterTarget& r) { L::BlitOpaqueRaw(r, ByteBlocks(), 0, 0, 1, 1, 2, 1); },
     {D, K}},
    {"keyedSourceRect",
     3,
     2,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, Grid(), 0, 0, 1, 1, 2, 2); },
     {P(4), P(5), Z, P(7), P(8), Z}},
    {"keyedClippedTopLeft",
     2,
     2,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, Grid(), -1, -1, 0, 0, 3, 3); },
     {P(4), P(5), P(7), P(8)}},
    {"keyedClippedBottomRight",
     3,
     3,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, Grid(), 2, 1, 0, 0, 3, 3); },
     {Z, Z, Z, Z, Z, P(0), Z, Z, P(3)}},
    {"keyedPastPicture",
     3,
     3,
     [](SRasterTarget& r) { L::BlitKeyedRaw(r, Grid(), 0, 0, 2, 2, 3, 3); },
     {P(8), Z, Z, Z, Z, Z, Z, Z, Z}},
    {"mirrored", 4, 1, [](SRasterTarget& r) { L::BlitKeyedMirroredRaw(r, Row(), 0, 0, 4, 1); }, {C, Z, B, A}},
    {"mirroredTopLeftPart",
     2,
     2,
     [](SRasterTarget& r) { L::BlitKeyedMirroredRaw(r, Grid(), 0, 0, 2, 2); },
     {P(1), P(0), P(4), P(3)}},
    {"mirroredWiderThanPicture",
     4,
     1,
     [](SRasterTarget& r) { L::BlitKeyedMirroredRaw(r, Grid(), 0, 0, 4, 1); },
     {Z, P(2), P(1), P(0)}},
    {"mirroredClipped", 2, 1, [](SRasterTarget& r) { L::BlitKeyedMirroredRaw(r, Grid(), -1, 0, 3, 1); }, {P(1), P(0)}},
    {"blendWhiteOverBlackRedOverBlue",
     2,
     1,
     [](SRasterTarget& r) {
         L::FillRectRaw(r, 1, 0, 1, 1, kBlue);
         L::BlitBlendRaw(r, WhiteOverRed(), 0, 0, 0, 1, 1);
         L::BlitBlendRaw(r, WhiteOverRed(), 1, 0, 1, 1, 1);
     },
     {0x7BEF, 0x780F}},
    {"scaledUp",
     20,
     1,
     [](SRasterTarget& r) { L::BlitScaledRaw(r, Ramp(), 0, 0, 10, 1, 20, 1); },
     {P(0), P(0), P(1), P(1), P(2), P(2), P(3), P(3), P(4), P(4),
      P(5), P(5), P(6), P(6), P(7), P(7), P(8), P(8), P(9), P(9)}},
    {"scaledDown",
     5,
     1,
     [](SRasterTarget& r) { L::BlitScaledRaw(r, Ramp(), 0, 0, 10, 1, 5, 1); },
     {P(0), P(2), P(4), P(6), P(8)}},
    {"scaledClipped",
     4,
     1,
     [](SRasterTarget& r) { L::BlitScaledRaw(r, Ramp(), -3, 0, 10, 1, 20, 1); },
     {P(1), P(2), P(2), P(3)}},
    {"scaledByteBlocks",
     8,
     4,
     [](SRasterTarget& r) { L::BlitScaledRaw(r, ByteBlocks(), 0, 0, 4, 2, 8, 4); },
     {A, A, B, B, E, E, F, F, A, A, B, B, E, E, F, F, C, C, D, D, K, K, G, G, C, C, D, D, K, K, G, G}},
    {"scaledWordBlocks",
     8,
     2,
     [](SRasterTarget& r) { L::BlitScaledRaw(r, WordBlocks(), 0, 0, 4, 2, 8, 2); },
     {A, A, B, B, E, E, F, F, C, C, D, D, K, K, G, G}},
    {"scaledPastPicture", 2, 1, [](SRasterTarget& r) { L::BlitScaledRaw(r, Ramp(), 0, 0, 11, 1, 2, 1); }, {Z, Z}},
    {"scaledToNothing", 2, 1, [](SRasterTarget& r) { L::BlitScaledRaw(r, Ramp(), 0, 0, 10, 1, 0, 1); }, {Z, Z}},
    {"shrink40Uniform", 40, 40, [](SRasterTarget& r) { L::BlitShrink40Raw(r, Uniform(0), 0, 0); },
     std::vector<uint16_t>(1600, kGrey)},
    {"shrink30UniformByteBlocks", 30, 30, [](SRasterTarget& r) { L::BlitShrink30Raw(r, Uniform(1), 0, 0); },
     std::vector<uint16_t>(900, kGrey)},
    {"shrink20UniformWordBlocks", 20, 20, [](SRasterTarget& r) { L::BlitShrink20Raw(r, Uniform(2), 0, 0); },
     std::vector<uint16_t>(400, kGrey)},
    // White in source column 0 of each 5x5 block: a destination column gets the weight of column 0.
    {"shrink40Columns", 40, 40, [](SRasterTarget& r) { L::BlitShrink40Raw(r, FirstColumnLit(), 0, 0); },
     Repeated(40, {0xC658, Z, Z, Z}, true)},
    {"shrink30Columns", 30, 30, [](SRasterTarget& r) { L::BlitShrink30Raw(r, FirstColumnLit(), 0, 0); },
     Repeated(30, {0x94B2, Z, Z}, true)},
    {"shrink20Columns", 20, 20, [](SRasterTarget& r) { L::BlitShrink20Raw(r, FirstColumnLit(), 0, 0); },
     Repeated(20, {0x632C, Z}, true)},
    // White in source row 2 of each block: a destination row gets the weight of row 2.
    {"shrink40Rows", 40, 40, [](SRasterTarget& r) { L::BlitShrink40Raw(r, MiddleRowLit(), 0, 0); },
     Repeated(40, {Z, 0x632C, 0x632C, Z}, false)},
    {"shrink30Rows", 30, 30, [](SRasterTarget& r) { L::BlitShrink30Raw(r, MiddleRowLit(), 0, 0); },
     Repeated(30, {Z, 0x94B2, Z}, false)},
    {"shrink20Rows", 20, 20, [](SRasterTarget& r) { L::BlitShrink20Raw(r, MiddleRowLit(), 0, 0); },
     Repeated(20, {0x3186, 0x3186}, false)},
    {"shrinkClipped",
     3,
     3,
     [](SRasterTarget& r) { L::BlitShrink40Raw(r, Uniform(0), -38, -38); },
     {kGrey, kGrey, Z, kGrey, kGrey, Z, Z, Z, Z}},
    {"shrinkOfAnotherSize", 2, 1, [](SRasterTarget& r) { L::BlitShrink40Raw(r, Uniform48(), 0, 0); }, {Z, Z}},
    {"glyph",
     4,
     2,
     [](SRasterTarget& r) { L::DrawGlyphRaw(r, 0, 0, 1, 4, Strip(), kShades); },
     {kShades[0], kShades[1], kShades[2], E, kShades[2], kShades[1], kShades[0], Z}},
    {"glyphPastStrip",
     4,
     2,
     [](SRasterTarget& r) { L::DrawGlyphRaw(r, 0, 0, 4, 4, Strip(), kShades); },
     {E, Z, Z, Z, Z, E, Z, Z}},
    {"text",
     6,
     2,
     [](SRasterTarget& r) {
         static const TestFont font;
         L::DrawTextRaw(r, Strip(), font.offsets, font.widths, font.ink, kShades, 0, 0, "ab");
     },
     {kShades[0], kShades[1], Z, kShades[2], E, Z, kShades[2], kShades[1], Z, kShades[0], Z, Z}},
};

using LoopParam = std::tuple<LoopCase, int>;

class PixelLoopTest : public ::testing::TestWithParam<LoopParam> {};

// Each case draws the same picture in every orientation: the stored pixels differ, the drawing
// pixels read back through the orientation's layout do not. Nothing outside the surface changes.
TEST_P(PixelLoopTest, drawsTheGoldenPixels) {
    const auto& [c, orientation] = GetParam();
    STestSurface surface(c.width, c.height, orientation);
    c.draw(surface.Target());
    EXPECT_EQ(surface.Pixels(), c.expected);
    EXPECT_TRUE(surface.GuardsIntact());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PixelLoopTest, ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values(0, 1, 2)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_orientation" + std::to_string(std::get<1>(info.param));
    });

TEST(PixelLoopAddressTest, fillsLeftLandscapeRowsUpTheStoredColumn) {
    STestSurface surface(3, 4, 1);
    SRasterTarget& target = surface.Target();
    SPixelLoops::FillRectRaw(target, 0, 2, 3, 1, A);
    const uint16_t* pixels = target.m_pixels;
    int pitch = surface.Pitch();
    EXPECT_EQ(pixels[2], A);
    EXPECT_EQ(pixels[2 - pitch], A);
    EXPECT_EQ(pixels[2 - 2 * pitch], A);
}

// On a surface whose rows follow each other without padding, a fill across whole rows is one run
// of memory; it must still stop at the rectangle's first and last row. K stands for memory
// outside the 3x4 surface.
TEST(PixelLoopFillTest, wholeRowsOfAnUnpaddedSurfaceFillOnlyTheirRows) {
    struct Case {
        int x, y, w, h;
        std::vector<uint16_t> expected;
    };
    const std::vector<Case> cases{
        {0, 1, 3, 2, {K, Z, Z, Z, A, A, A, A, A, A, Z, Z, Z, K}},
        {-2, -1, 9, 2, {K, A, A, A, Z, Z, Z, Z, Z, Z, Z, Z, Z, K}},
        {0, 0, 3, 9, {K, A, A, A, A, A, A, A, A, A, A, A, A, K}},
        {0, 3, 3, 1, {K, Z, Z, Z, Z, Z, Z, Z, Z, Z, A, A, A, K}},
    };
    for (const Case& c : cases) {
        std::vector<uint16_t> memory(14, Z);
        memory.front() = memory.back() = K;
        SRasterTarget target;
        target.Set(&memory[1], 3, 4, 3, 0);
        SPixelLoops::FillRectRaw(target, c.x, c.y, c.w, c.h, A);
        EXPECT_EQ(memory, c.expected) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

// The frame counts as drawn into even when a loop draws nothing; the glyph loop leaves that to
// the text loop that calls it.
TEST(PixelLoopDrawnTest, marksTheFrameAlsoWhenNothingIsDrawn) {
    static const TestFont font;
    const std::vector<std::pair<const char*, std::function<void(SRasterTarget&)>>> loops{
        {"fill", [](SRasterTarget& r) { L::FillRectRaw(r, 0, 0, 1, 0, A); }},
        {"copy", [](SRasterTarget& r) { L::CopyPixelsRaw(r, 0, 0, kImage, 3, 2, 0, 0, 1, 0); }},
        {"keyed", [](SRasterTarget& r) { L::BlitKeyedRaw(r, Grid(), 0, 0, 0, 0, 1, 0); }},
        {"mirrored", [](SRasterTarget& r) { L::BlitKeyedMirroredRaw(r, Grid(), 0, 0, 1, 0); }},
        {"opaque", [](SRasterTarget& r) { L::BlitOpaqueRaw(r, Grid(), 0, 0, 0, 0, 1, 0); }},
        {"blend", [](SRasterTarget& r) { L::BlitBlendRaw(r, Grid(), 0, 0, 0, 1, 0); }},
        {"scaled", [](SRasterTarget& r) { L::BlitScaledRaw(r, Grid(), 0, 0, 1, 1, 1, 0); }},
        {"shrink40", [](SRasterTarget& r) { L::BlitShrink40Raw(r, Uniform48(), 0, 0); }},
        {"shrink30", [](SRasterTarget& r) { L::BlitShrink30Raw(r, Uniform48(), 0, 0); }},
        {"shrink20", [](SRasterTarget& r) { L::BlitShrink20Raw(r, Uniform48(), 0, 0); }},
        {"text",
         [](SRasterTarget& r) { L::DrawTextRaw(r, Strip(), font.offsets, font.widths, font.ink, kShades, 0, 0, ""); }},
    };
    for (const auto& [name, draw] : loops) {
        STestSurface surface(2, 2, 0);
        draw(surface.Target());
        EXPECT_TRUE(surface.Target().m_drawn) << name;
    }
    STestSurface surface(2, 2, 0);
    L::DrawGlyphRaw(surface.Target(), 0, 0, 1, 1, Strip(), kShades);
    EXPECT_FALSE(surface.Target().m_drawn);
}

}  // namespace

}  // namespace pixel_loops_test
