#include <gtest/gtest.h>

#include "engine/draw/font_glyphs.h"
#include "engine/draw/picture.h"
#include "tools/sampledata/font_strips.h"

namespace {

// Every strip must fit the game's glyph lists: its width is the lists' columns, its height the
// font's, every glyph stays inside its own box and the empty column after it stays empty.
TEST(FontStripTest, stripsMatchTheGlyphListsOfTheGame) {
    const struct {
        uint16_t id;
        int height;
    } strips[] = {{3010, 15}, {3011, 16}, {3012, 18}, {3013, 20}, {3014, 26}};
    for (auto strip : strips) {
        std::string error;
        const std::vector<uint8_t> record = RenderFontStrip(strip.id, error);
        ASSERT_FALSE(record.empty()) << error;
        SPicture picture;
        SReadError fault;
        ASSERT_TRUE(picture.Read(record, fault)) << fault.Message();
        EXPECT_EQ(picture.Format(), 0);
        EXPECT_EQ(picture.Width(), int(StripWidth(strip.id)));
        EXPECT_EQ(picture.Height(), strip.height);

        std::array<uint16_t, 256> start, end;
        GlyphColumns(strip.id, start, end);
        auto columnInked = [&](int x) {
            for (int y = 0; y < picture.Height(); ++y)
                if (picture.Texels()[y * picture.Width() + x] != 0) return true;
            return false;
        };
        for (const SGlyph& glyph : GlyphList(strip.id)) {
            EXPECT_FALSE(columnInked(end[glyph.code])) << strip.id << ": the column after glyph " << int(glyph.code);
            if ((glyph.code >= 'A' && glyph.code <= 'Z') || (glyph.code >= '0' && glyph.code <= '9')) {
                bool anyInk = false;
                for (int x = start[glyph.code]; x < end[glyph.code]; ++x) anyInk = anyInk || columnInked(x);
                EXPECT_TRUE(anyInk) << strip.id << ": glyph " << char(glyph.code) << " is empty";
            }
        }
    }
}

TEST(FontStripTest, onlyFontStripRecordsAreDrawn) {
    std::string error;
    EXPECT_TRUE(RenderFontStrip(3015, error).empty());
    EXPECT_NE(error.find("3015"), std::string::npos);
}

}  // namespace
