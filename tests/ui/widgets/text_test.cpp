#include <gtest/gtest.h>

#include "ui/colour_word.h"
#include "ui/widgets/name_text_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"
#include "widget_fixture.h"

namespace text_test {

namespace {

// The block font's lines are 6 high, 7 with the line gap; each character takes 5 columns.
constexpr int kLine = kBlockHeight + 1;

class TextCtrlTest : public WidgetTest {};

TEST_F(TextCtrlTest, layoutPlacesTheTextAtTheTopMiddleOrBottomButNeverAbove) {
    struct Row {
        const char* name;
        uint32_t align;
        const char* text;
        int textY;
    };
    // A control at (10, 20), 40x30: a line is 7 high, so five lines are taller than the control.
    for (Row row : {Row{"top", 0, "ab", 20}, Row{"middle", 16, "ab", 20 + (30 - kLine) / 2},
                    Row{"bottom", 32, "ab", 20 + 30 - kLine}, Row{"middleWinsOverBottom", 48, "ab", 31},
                    Row{"middleOfATallTextIsTheTop", 16, "1\r2\r3\r4\r5", 20},
                    Row{"bottomOfATallTextIsTheTop", 32, "1\r2\r3\r4\r5", 20}}) {
        STextCtrl text;
        place(text, 10, 20, 40, 30);
        text.SetTextEx(row.text, row.align, 1, 0xFFFFFF, 0);
        EXPECT_EQ(text.m_textX, 10) << row.name;
        EXPECT_EQ(text.m_textY, row.textY) << row.name;
    }
}

// Alignment bits: 1 left, 2 centred, neither right; other bits (4, 8) change nothing.
TEST_F(TextCtrlTest, eachAlignmentBitPlacesTheTextAndOnlyLeftTextGoesWithoutOutline) {
    struct Row {
        const char* name;
        uint32_t align;
        int screenType;
        const char *text, *outline;  // bounds of the text colour and of the black outline
    };
    // "ab" is 9 columns drawn, 10 measured, in a control at (10, 20) 40 wide.
    for (Row row :
         {Row{"zeroIsRight", 0, 7, "40,20 9x6", "39,19 11x8"}, Row{"fourIsRight", 4, 7, "40,20 9x6", "39,19 11x8"},
          Row{"centred", 2, 7, "25,20 9x6", "24,19 11x8"},
          Row{"centredOnALargeScreen", 2, 10, "25,20 9x6", "23,18 13x10"}, Row{"left", 1, 7, "10,20 9x6", "none"},
          Row{"nineIsLeft", 9, 7, "10,20 9x6", "none"}}) {
        clearScreen();
        game.m_screenMode = uint32_t(row.screenType);
        STextCtrl text;
        place(text, 10, 20, 40, 12);
        text.m_outline = 1;
        text.SetTextEx("ab", row.align, 1, 0x0000FF, 0);
        text.Draw();
        EXPECT_EQ(boundsOf(ColourWord565(0x0000FF)), row.text) << row.name;
        EXPECT_EQ(boundsOf(0), row.outline) << row.name;
    }
}

TEST_F(TextCtrlTest, aTextChangeKeepsTheLayoutAndMarksTheControlForRedrawing) {
    STextCtrl text;
    place(text, 0, 0, 40, 30);
    text.SetTextEx("ab", 32, 1, 0xFFFFFF, 0);
    text.ClearDirty();
    text.SetText("abc def ghi");
    EXPECT_TRUE(text.IsDirty());
    EXPECT_EQ(text.m_textY, 30 - 2 * kLine);
    text.SetText(nullptr);
    EXPECT_STREQ(text.m_words.Text(), "abc def ghi");
    text.ClearDirty();
    text.SetBlendColor(0x123456);
    EXPECT_TRUE(text.IsDirty());
}

// A title of one line over a body that is paged in whole lines, in a control 60x30 at (0, 0).
struct PageCase {
    const char* name;
    uint32_t screenType;
    const char* title;
    const char* body;
    uint32_t titleOneLine;
    int bodyTop;
    std::vector<std::string> pages;
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

class TitlePagingTest : public WidgetTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(TitlePagingTest, splitsTheBodyIntoPagesOfWholeLines) {
    const PageCase& c = GetParam();
    game.m_screenMode = c.screenType;
    STitleTextCtrl title;
    place(title, 0, 0, 60, 30);
    title.Setup(2, 0xFFFFFF, 0xC0C0C0, 0, 0, 0, 0, 0, 0);
    title.m_titleOneLine = c.titleOneLine;
    title.SetText(c.title, c.body, 0, 0);
    EXPECT_EQ(title.m_bodyTop, c.bodyTop);
    std::vector<std::string> pages;
    for (const SString& page : title.m_pages) pages.emplace_back(page.Text());
    EXPECT_EQ(pages, c.pages);
    EXPECT_EQ(title.m_page, 0u);
}

// Small screens reserve the title's lines and 4 pixels more (but types 5 and 8); large screens
// reserve two title lines and 2 pixels more. Page 0 holds (30 - bodyTop) / 7 lines, later pages 4.
INSTANTIATE_TEST_SUITE_P(
    Cases, TitlePagingTest,
    ::testing::Values(
        PageCase{"bodyFitsOnPage0", 7, "T", "1\r2", 0, kLine + 4, {"1\r2\r"}},
        PageCase{"threePages", 7, "T", "1\r2\r3\r4\r5\r6\r7", 0, kLine + 4, {"1\r2\r", "3\r4\r5\r6\r", "7\r"}},
        PageCase{"emptyBodyIsOneEmptyPage", 7, "T", "", 0, kLine + 4, {""}},
        PageCase{"lineFeedStartsALineAsCarriageReturnDoes", 7, "T", "1\n2\n3", 0, kLine + 4, {"1\r2\r", "3\r"}},
        PageCase{"oneLineTitleReservesTwoOnALargeScreen", 10, "T", "1\r2\r3", 0, 2 * kLine + 2, {"1\r2\r", "3\r"}},
        PageCase{"oneLineTitleWhenAskedForOnALargeScreen", 10, "T", "1\r2\r3\r4", 1, kLine + 2, {"1\r2\r3\r", "4\r"}},
        PageCase{"squareScreenAddsNothing", 8, "T", "1\r2\r3\r4", 0, kLine, {"1\r2\r3\r", "4\r"}},
        PageCase{"wrappedTitleTakesItsLines", 7, "abcde fghij klmno", "1\r2", 0, 2 * kLine, {"1\r2\r"}},
        PageCase{"emptyTitleReservesNoLineOnALargeScreen", 10, "", "1\r2\r3\r4\r5", 0, 2, {"1\r2\r3\r4\r", "5\r"}},
        PageCase{"aTitleFillingTheControlLeavesPage0WithoutBody",
                 7,
                 "abcde fghij klmno pqrst uvwxy zabcd efghi jklmn",
                 "1\r2",
                 0,
                 4 * kLine,
                 {"", "1\r2\r"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WidgetTest, theTitleShowsOnPage0AndLaterPagesStartAtTheTopMargin) {
    STitleTextCtrl title;
    place(title, 10, 10, 60, 30);
    title.Setup(2, 0x0000FF, 0x00FF00, 0x000000, 1, 2, 3, 0xFF0000, 0xFFFF00);
    title.SetText("T", "1\r2\r3\r4\r5\r6\r7", 1, 0);
    title.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0xFF0000)), "12,13 4x6") << "the second title colour, inside the margins";
    // The body starts below the title line, its margin and 4 pixels, at 10 + 7 + 3 + 4; lines are
    // measured 7 apart and drawn 6 apart, a font height each.
    EXPECT_EQ(boundsOf(ColourWord565(0x00FF00)), "12,24 4x12") << "page 0's two lines below the title";
    EXPECT_EQ(at(10, 10), 0) << "the background";

    title.m_page = 1;
    title.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0xFF0000)), "none");
    EXPECT_EQ(boundsOf(ColourWord565(0x00FF00)), "12,13 4x24");
    title.m_page = 5;
    title.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0x00FF00)), "none") << "a page past the last shows no body";
}

TEST_F(WidgetTest, theNamePairIsCentredWithItsTenPixelGap) {
    SNameTextCtrl name;
    place(name, 0, 50, 80, 10);
    name.SetDefaults();
    name.SetLabel("ab");
    name.SetValue("cd");
    name.Draw();
    // Both measure 11: the pair with its gap is 32 wide, so it starts at (80 - 32) / 2 = 24.
    EXPECT_EQ(boundsOf(ColourWord565(0x64C8C8)), "24,50 9x6");
    EXPECT_EQ(boundsOf(ColourWord565(0xC8C8C8)), "45,50 9x6");
}

}  // namespace

}  // namespace text_test
