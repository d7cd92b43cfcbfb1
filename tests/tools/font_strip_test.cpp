#include <gtest/gtest.h>

#include <algorithm>

#include "engine/draw/font_glyphs.h"
#include "engine/draw/picture.h"
#include "tools/sampledata/font_strips.h"

namespace font_strip_test {

namespace {

constexpr struct {
    uint16_t id;
    int height;
} kStrips[] = {{3010, 15}, {3011, 16}, {3012, 18}, {3013, 20}, {3014, 26}};

// The strip's picture, which points into the record: both are kept together.
struct Strip {
    explicit Strip(uint16_t id) {
        std::string error;
        record = RenderFontStrip(id, error);
        EXPECT_FALSE(record.empty()) << error;
        SReadError fault;
        EXPECT_TRUE(picture.Read(record, fault)) << fault.Message();
    }
    std::vector<uint8_t> record;
    SPicture picture;
};

int inkCount(const std::vector<uint8_t>& shades) {
    return int(std::count_if(shades.begin(), shades.end(), [](uint8_t shade) { return shade != 0; }));
}

// Every strip must fit the game's glyph lists: its width is the lists' columns, its height the
// font's, and the empty column after each glyph stays empty.
TEST(FontStripTest, stripsMatchTheGlyphListsOfTheGame) {
    for (auto strip : kStrips) {
        const Strip rendered(strip.id);
        const SPicture& picture = rendered.picture;
        EXPECT_EQ(picture.Format(), 0);
        EXPECT_EQ(picture.Width(), int(StripWidth(strip.id)));
        EXPECT_EQ(picture.Height(), strip.height);
        EXPECT_EQ(StripHeight(strip.id), strip.height);

        std::array<uint16_t, 256> start, end;
        GlyphColumns(strip.id, start, end);
        auto columnInked = [&](int x) {
            for (int y = 0; y < picture.Height(); ++y)
                if (picture.Texels()[y * picture.Width() + x] != 0) return true;
            return false;
        };
        for (const SGlyph& glyph : GlyphList(strip.id))
            EXPECT_FALSE(columnInked(end[glyph.code])) << strip.id << ": the column after glyph " << int(glyph.code);
    }
}

// A glyph whose ink reached past its box would lose the part outside (a digit's right stroke, so
// that "0" read as "c"): every glyph's ink lies inside its box, and the strip holds all of it.
TEST(FontStripTest, everyGlyphIsDrawnWholeInsideItsBox) {
    for (auto strip : kStrips) {
        std::string error;
        const std::vector<SStripGlyph> glyphs = RenderStripGlyphs(strip.id, error);
        ASSERT_EQ(glyphs.size(), GlyphList(strip.id).size()) << error;
        const Strip rendered(strip.id);
        const SPicture& picture = rendered.picture;
        int column = 0;
        for (const SStripGlyph& glyph : glyphs) {
            const std::string name = std::to_string(strip.id) + " glyph " + std::to_string(glyph.code);
            const bool letterOrDigit = (glyph.code >= 'A' && glyph.code <= 'Z') ||
                                       (glyph.code >= '0' && glyph.code <= '9');
            EXPECT_TRUE(!letterOrDigit || glyph.width > 0) << name << " is empty";
            if (glyph.width > 0) {
                EXPECT_GE(glyph.left, 0) << name << " reaches left of its box";
                EXPECT_LE(glyph.left + glyph.width, glyph.boxWidth) << name << " reaches right of its box";
                EXPECT_GE(glyph.top, 0) << name << " reaches above the strip";
                EXPECT_LE(glyph.top + glyph.height, strip.height) << name << " reaches below the strip";
            }
            int inStrip = 0;
            for (int y = 0; y < picture.Height(); ++y)
                for (int x = column; x < column + glyph.boxWidth; ++x)
                    inStrip += picture.Texels()[y * picture.Width() + x] != 0;
            EXPECT_EQ(inStrip, inkCount(glyph.shades)) << name << " is not whole in the strip";
            column += glyph.boxWidth + 1;
        }
    }
}

// The fault as it was seen: the zero's middle row shows both strokes, the left and the right.
TEST(FontStripTest, theZeroKeepsBothStrokesInEveryStrip) {
    for (auto strip : kStrips) {
        std::string error;
        for (const SStripGlyph& glyph : RenderStripGlyphs(strip.id, error)) {
            if (glyph.code != '0') continue;
            const int middle = glyph.height / 2;
            int strokes = 0;
            bool inStroke = false;
            for (int col = 0; col < glyph.width; ++col) {
                const bool inked = glyph.shades[size_t(middle) * glyph.width + col] != 0;
                if (inked && !inStroke) ++strokes;
                inStroke = inked;
            }
            EXPECT_EQ(strokes, 2) << strip.id;
        }
    }
}

// The counts and prices of the item grids on the small screens use the smallest strip's small
// digits, three columns wide: drawn from the outline font at five rows they came out in faded
// shades with strokes lost, a "4" without its left stroke. Every small digit there is drawn in the
// text's full shade, and no two digits look alike, in every strip.
TEST(FontStripTest, theSmallDigitsAreWholeAndEachItsOwn) {
    for (auto strip : kStrips) {
        std::string error;
        std::vector<std::vector<uint8_t>> seen;
        for (const SStripGlyph& glyph : RenderStripGlyphs(strip.id, error)) {
            if (glyph.code < 160 || glyph.code > 169) continue;
            const std::string name = std::to_string(strip.id) + " small digit " + std::to_string(glyph.code - 160);
            if (glyph.boxWidth == 3) {
                for (uint8_t shade : glyph.shades) EXPECT_LE(shade, 1) << name << " is drawn in faded shades";
            }
            for (const std::vector<uint8_t>& other : seen) EXPECT_NE(glyph.shades, other) << name;
            seen.push_back(glyph.shades);
        }
    }
}

// Code 11 is the narrow space of a message's bullet ("-\x0B" on the small screens) and of the
// cards' "Turns:\v3": drawn as a mark, every message began with one.
TEST(FontStripTest, theNarrowSpaceIsBlankAndNarrowerThanTheBlank) {
    for (uint16_t id : {3010, 3012, 3013, 3014}) {
        std::string error;
        int blankWidth = 0, narrowWidth = 0;
        for (const SStripGlyph& glyph : RenderStripGlyphs(id, error)) {
            if (glyph.code == ' ') blankWidth = glyph.boxWidth;
            if (glyph.code != 11) continue;
            narrowWidth = glyph.boxWidth;
            EXPECT_EQ(inkCount(glyph.shades), 0) << id;
        }
        EXPECT_GT(narrowWidth, 0) << id;
        EXPECT_LE(narrowWidth, blankWidth) << id;
    }
}

TEST(FontStripTest, onlyFontStripRecordsAreDrawn) {
    std::string error;
    EXPECT_TRUE(RenderFontStrip(3015, error).empty());
    EXPECT_NE(error.find("3015"), std::string::npos);
    EXPECT_TRUE(RenderStripGlyphs(3009, error).empty());
    EXPECT_EQ(StripHeight(3015), 0);
}

}  // namespace

}  // namespace font_strip_test
