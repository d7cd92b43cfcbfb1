#include "engine/draw/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/base/string.h"
#include "engine/draw/display.h"
#include "support/memory_display.h"

namespace text_test {

namespace {

// Text measured with a font whose glyphs are all 5 columns wide (6 with spacing), drawn nowhere.
class TextLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::array<uint16_t, 256> start{}, end{};
        end.fill(5);
        text.Font(1).Init(3010, nullptr, start, end, 10);
        text.SelectFont(1, 0xFFFFFF, 0);
    }
    SText text;
};

struct BreakCase {
    const char* name;
    const char* text;
    int start, maxWidth;
    bool wordWrap;
    int expectedEnd, expectedWidth;
    bool expectedLineFeed;
};

void PrintTo(const BreakCase& c, std::ostream* out) { *out << c.name; }

class BreakLineTest : public TextLayoutTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(BreakLineTest, endsTheLineWhereTheRulesSay) {
    const BreakCase& c = GetParam();
    int width = -1;
    bool lineFeed = true;
    EXPECT_EQ(text.BreakLine(c.text, c.start, c.maxWidth, width, c.wordWrap, lineFeed), c.expectedEnd);
    EXPECT_EQ(width, c.expectedWidth);
    EXPECT_EQ(lineFeed, c.expectedLineFeed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BreakLineTest,
    ::testing::Values(BreakCase{"wrapsAtTheBlank", "abc def", 0, 20, true, 3, 18, false},
                      BreakCase{"secondLineRunsToTheEnd", "abc def", 4, 20, true, 7, 18, false},
                      BreakCase{"withoutWrapCutsAtTheFullCharacter", "abcdef", 0, 20, false, 3, 24, false},
                      BreakCase{"aWordWiderThanTheLineTakesTheRest", "abcdefgh ij", 0, 20, true, 11, 66, false},
                      BreakCase{"firstCharacterAlreadyTooWide", "abc", 0, 4, true, 3, 18, false},
                      BreakCase{"carriageReturnEndsWithoutFlag", "ab\rcd", 0, 100, true, 2, 12, false},
                      BreakCase{"lineFeedEndsWithFlag", "ab\ncd", 0, 100, true, 2, 12, true},
                      BreakCase{"startPastTheEnd", "ab", 5, 100, true, 5, 0, false},
                      BreakCase{"nullText", nullptr, 0, 100, true, 0, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextLayoutTest, measuresLinesAndTheWidest) {
    struct Row {
        const char* text;
        int maxWidth, widest, lines;
    };
    for (Row row : {Row{"ab\r\rcd", 100, 13, 3}, Row{"abc def", 20, 19, 2}, Row{"ab\ncd", 100, 13, 1},
                    Row{"", 100, 0, 0}, Row{"abc", 0, 0, 0}, Row{"x abcdefghij", 20, 61, 2}}) {
        int widest = -1, lines = -1;
        text.Measure(row.text, row.maxWidth, widest, lines);
        EXPECT_EQ(widest, row.widest) << row.text;
        EXPECT_EQ(lines, row.lines) << row.text;
    }
}

TEST_F(TextLayoutTest, wrapsIntoLinesSeparatedByCarriageReturns) {
    struct Row {
        const char* text;
        int width;
        const char* expected;
    };
    for (Row row : {Row{"abc def ghi", 20, "abc\rdef\rghi\r"}, Row{"ab\rcd", 100, "ab\rcd\r"},
                    Row{"ab\ncd", 100, "ab\r"}, Row{"abc   def", 20, "abc\rdef\r"}, Row{"abc", 0, ""}}) {
        SString out("junk");
        text.WrapToString(row.text, row.width, out);
        EXPECT_STREQ(out.Text(), row.expected) << row.text;
    }
}

TEST_F(TextLayoutTest, shadesFadeTowardsTheSecondColourAndAreComputedOncePerPair) {
    text.SelectFont(1, 0xFFFFFF, 0x000000);
    const int before = text.ComputedPairs();
    // 255 + (0 - 255) x 83 / 256 = 173 and 255 - 255 x 171 / 256 = 86, truncated toward zero.
    EXPECT_EQ(text.Shades()[0], MakeColor565(255, 255, 255));
    EXPECT_EQ(text.Shades()[1], MakeColor565(173, 173, 173));
    EXPECT_EQ(text.Shades()[2], MakeColor565(86, 86, 86));
    text.SelectFont(0, 0x0000FF, 0xFF0000);  // red towards blue
    EXPECT_EQ(text.Shades()[1], MakeColor565(173, 0, 82));
    text.SelectFont(1, 0xFFFFFF, 0x000000);
    EXPECT_EQ(text.ComputedPairs(), before + 1);
}

TEST(TextFontsTest, theScreenModeChoosesTheFonts) {
    struct Row {
        int mode;
        uint16_t ids[3];
        uint8_t heights[3];
    };
    for (Row row : {Row{7, {3011, 3010, 3012}, {16, 15, 18}}, Row{16, {3011, 3010, 3012}, {16, 15, 18}},
                    Row{10, {3011, 3013, 3014}, {16, 20, 26}}, Row{11, {3011, 3013, 3014}, {16, 20, 26}},
                    Row{3, {3011, 3012, 3013}, {16, 18, 20}}}) {
        SText text;
        SReadError error;
        text.InitFonts(row.mode, nullptr, error);
        for (int size = 0; size < 3; ++size) {
            EXPECT_EQ(text.Font(size).m_recordId, row.ids[size]) << "mode " << row.mode;
            EXPECT_EQ(text.Font(size).m_height, row.heights[size]) << "mode " << row.mode;
        }
        EXPECT_EQ(text.CurrentFont(), &text.Font(1));
    }
}

TEST(TextFontsTest, largeScreenModesDrawEverySizeInTheLargestFont) {
    for (const auto& [mode, expectedFont] : {std::pair{10, 2}, std::pair{11, 0}}) {
        SText text;
        SReadError error;
        text.Init(nullptr, mode, nullptr, error);
        text.SelectFont(0, 0xFFFFFF, 0);
        EXPECT_EQ(text.CurrentFont(), &text.Font(expectedFont)) << "mode " << mode;
    }
}

// Drawing into a real surface: a strip whose glyph for every character is a solid 5x10 block, so
// each drawn character shows as a block of shade 1.
class TextDrawTest : public TextLayoutTest {
protected:
    static constexpr int kWidth = 100, kHeight = 60;

    void SetUp() override {
        TextLayoutTest::SetUp();
        std::vector<uint32_t> ink(5 * 10, 1);
        strip = BuildPictureRecord(0, 5, 10, ink, std::vector<uint16_t>{0, 1, 2, 3});
        record = std::make_unique<SPdbRecord>();
        record->bytes = strip;
        SReadError error;
        ASSERT_TRUE(text.Font(1).m_strip.Read(record->bytes, error)) << error.Message();
        text.Font(1).m_record = std::move(record);
        DrawIntoMemory(display, pixels, kWidth, kHeight);
        text.SetDisplay(&display);
    }

    // Which rows of columns [x0, x1) hold ink, as a string of '#' and '.' per row group of 10.
    bool inked(int x, int y) const { return pixels[size_t(y) * kWidth + x] != 0; }
    int firstInkedColumn(int y) const {
        for (int x = 0; x < kWidth; ++x)
            if (inked(x, y)) return x;
        return -1;
    }

    std::vector<uint8_t> strip;
    std::unique_ptr<SPdbRecord> record;
    std::vector<uint16_t> pixels = std::vector<uint16_t>(kWidth * kHeight, 0);
    SDisplay display;
};

TEST_F(TextDrawTest, linesAreAlignedAndCountedAndStopAtTheBottom) {
    EXPECT_EQ(text.DrawText(0, 0, 20, 60, "abc def", 0), 2);
    EXPECT_EQ(firstInkedColumn(5), 0);
    EXPECT_EQ(firstInkedColumn(15), 0);
    EXPECT_EQ(firstInkedColumn(25), -1);

    std::fill(pixels.begin(), pixels.end(), 0);
    text.DrawText(0, 0, 30, 60, "ab", kTextCentred | kTextRight);
    EXPECT_EQ(firstInkedColumn(5), 9) << "(30 - 12) / 2";
    std::fill(pixels.begin(), pixels.end(), 0);
    text.DrawText(0, 0, 30, 60, "ab", kTextRight);
    EXPECT_EQ(firstInkedColumn(5), 18);
    std::fill(pixels.begin(), pixels.end(), 0);
    text.DrawText(10, 0, 20, 60, "abcdef", kTextCentred | kTextOneLine);
    EXPECT_EQ(firstInkedColumn(5), 10) << "a line wider than the box starts at its left";

    std::fill(pixels.begin(), pixels.end(), 0);
    EXPECT_EQ(text.DrawText(0, 0, 20, 60, "abc def ghi", kTextOneLine), 1);
    EXPECT_EQ(firstInkedColumn(15), -1);

    std::fill(pixels.begin(), pixels.end(), 0);
    EXPECT_EQ(text.DrawText(0, 0, 100, 60, "ab\ncd\nef", 0), 2) << "the count includes the line-feed break";
    EXPECT_EQ(firstInkedColumn(15), -1);

    std::fill(pixels.begin(), pixels.end(), 0);
    // Lines of 10 in a box 0..17: the second line starts at 10 and ends at 20, within 17 + 3.
    text.DrawText(0, 0, 20, 17, "aa bb cc dd", 0);
    EXPECT_EQ(firstInkedColumn(15), 0);
    EXPECT_EQ(firstInkedColumn(25), -1);
}

TEST_F(TextDrawTest, aLineLongerThanTheBufferIsCutNotOverflowed) {
    const std::string longLine(3000, 'x');
    EXPECT_EQ(text.DrawText(0, 0, 100000, 60, longLine.c_str(), kTextOneLine), 1);
    EXPECT_TRUE(inked(99, 5));
}

TEST_F(TextDrawTest, emptyTextDrawsNothingAndCountsOne) {
    EXPECT_EQ(text.DrawText(0, 0, 20, 20, "", 0), 1);
    EXPECT_EQ(text.DrawText(0, 0, 20, 20, nullptr, 0), 1);
    EXPECT_EQ(firstInkedColumn(5), -1);
}

}  // namespace

}  // namespace text_test
