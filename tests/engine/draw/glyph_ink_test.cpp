// The ink rows of a glyph are what text drawing reads of it: a row with ink left out would lose
// pixels, so each glyph's run must reach from its first to its last row with a non-zero index in
// its own columns, and not be widened by a neighbour's ink.
#include "engine/draw/glyph_ink.h"

#include <gtest/gtest.h>

#include <string>

#include "support/picture_record.h"

namespace glyph_ink_test {

namespace {

// Six columns, four rows: ink at column 1 row 1, column 3 row 2 and column 5 row 3.
const SPicture& Strip() {
    static STestPicture picture(0, 6, 4, {0, 0, 0, 0, 0, 0,  //
                                          0, 1, 0, 0, 0, 0,  //
                                          0, 0, 0, 2, 0, 0,  //
                                          0, 0, 0, 0, 0, 3},
                                {0, 0, 0, 0});
    return picture;
}

struct InkCase {
    const char* name;
    uint16_t offset;
    uint8_t width;
    uint16_t first, end;  // an empty run when first == end
};

constexpr InkCase kCases[] = {
    {"oneInkRow", 1, 1, 1, 2},    {"neighboursInkLeftOut", 2, 2, 2, 3},
    {"inkRowsApart", 1, 5, 1, 4}, {"reachingPastTheStripEnd", 5, 4, 3, 4},
    {"blankColumns", 0, 1, 0, 0}, {"whollyPastTheStripEnd", 9, 2, 0, 0},
    {"noColumns", 3, 0, 0, 0},
};

TEST(GlyphInkTest, eachGlyphGetsTheRowsFromItsFirstToItsLastInk) {
    ASSERT_EQ(Strip().Width(), 6);
    std::array<uint16_t, 256> offsets{};
    std::array<uint8_t, 256> widths{};
    for (size_t k = 0; k < std::size(kCases); ++k) {
        offsets['a' + k] = kCases[k].offset;
        widths['a' + k] = kCases[k].width;
    }
    const SGlyphInk ink = FindGlyphInk(Strip(), offsets, widths);
    for (size_t k = 0; k < std::size(kCases); ++k) {
        const SInkRows rows = ink['a' + k];
        const InkCase& c = kCases[k];
        if (c.first == c.end) {
            EXPECT_GE(rows.first, rows.end) << c.name;
        } else {
            EXPECT_EQ(rows.first, c.first) << c.name;
            EXPECT_EQ(rows.end, c.end) << c.name;
        }
    }
}

// A font whose rows are not known reads all of them.
TEST(GlyphInkTest, unknownInkIsEveryRow) {
    const SInkRows rows = SGlyphInk{}['x'];
    EXPECT_EQ(rows.first, 0);
    EXPECT_EQ(rows.end, UINT16_MAX);
}

}  // namespace

}  // namespace glyph_ink_test
