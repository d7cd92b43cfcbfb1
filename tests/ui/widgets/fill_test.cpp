#include <gtest/gtest.h>

#include "support/picture_entry.h"
#include "ui/colour_word.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/fill_color_ctrl.h"
#include "ui/widgets/gradient_ctrl.h"
#include "widget_fixture.h"

namespace fill_test {

namespace {

class FillTest : public WidgetTest {
protected:
    // Nine 2x2 pieces, each in a colour of its own (1 to 9), so every pixel tells which piece drew it.
    void makePieces() {
        for (int i = 0; i < 9; ++i) {
            pieces[i] = SolidPicture(2, 2, uint16_t(i + 1));
            set[size_t(i)] = pieces[i].get();
        }
    }
    // Rows of the screen from (x, y), w x h, as piece numbers; '.' for the ground, '#' otherwise.
    std::vector<std::string> rows(int x, int y, int w, int h) const {
        std::vector<std::string> out;
        for (int row = y; row < y + h; ++row) {
            std::string line;
            for (int column = x; column < x + w; ++column) {
                const uint16_t p = at(column, row);
                line += p == kGround ? '.' : p >= 1 && p <= 9 ? char('0' + p) : '#';
            }
            out.push_back(line);
        }
        return out;
    }

    std::unique_ptr<SPictureEntry> pieces[9];
    SFrameSet set{};
};

TEST_F(FillTest, aColourFillAnswersATapFromOnePixelLeftOfItToItsLastColumn) {
    SFillColorCtrl fill;
    place(fill, 10, 10, 20, 8);
    fill.m_id = 5;
    struct Row {
        int x, y;
        uint32_t down, drag, answer;
    };
    for (Row row : {Row{9, 10, 1, 0, 5}, Row{8, 10, 1, 0, 0}, Row{29, 17, 1, 0, 5}, Row{30, 10, 1, 0, 0},
                    Row{10, 18, 1, 0, 0}, Row{10, 9, 1, 0, 0}, Row{15, 12, 1, 1, 0}, Row{15, 12, 0, 0, 0}})
        EXPECT_EQ(fill.OnPen(row.x, row.y, row.down, row.drag), row.answer) << row.x << "," << row.y;
    fill.SetColor(0x0000FF);
    fill.Draw();
    EXPECT_EQ(boundsOf(ColourWord565(0x0000FF)), "10,10 20x8");
}

TEST_F(FillTest, aBitmapFillCoversItsRectangleWithThePanelOrTheTile) {
    makePieces();
    SFillBmpCtrl fill;
    place(fill, 1, 1, 6, 6);
    fill.SetPanel(set);
    fill.Draw();
    EXPECT_EQ(rows(0, 0, 8, 8), (std::vector<std::string>{"........", ".114477.", ".114477.", ".225588.", ".225588.",
                                                          ".336699.", ".336699.", "........"}));
    auto tile = MakePictureEntry(4, 4, [](int x, int y) { return x == y ? SPicture::kTransparent : uint16_t(5); });
    fill.SetTile(tile.get());
    fill.m_tileMode = SFillBmpCtrl::kTiled;
    fill.m_keyed = 1;
    clearScreen();
    fill.Draw();
    EXPECT_EQ(rows(0, 0, 8, 8), (std::vector<std::string>{"........", "..555.5.", ".5.555..", ".55.555.", ".555.55.",
                                                          "..555.5.", ".5.555..", "........"}));
}

// Pieces: 1 top-left, 2 left, 3 bottom-left, 4 top, 5 centre, 6 bottom, 7 top-right, 8 right,
// 9 bottom-right; the fill is colour word 0x0000FF ('#').
TEST_F(FillTest, aBorderDrawsTheSidesItIsGivenAndFillsWhenAsked) {
    makePieces();
    struct Row {
        const char* name;
        uint32_t fill, sides;
        std::vector<std::string> drawn;
    };
    for (const Row& row :
         {Row{"allSidesFilled", 1, 15, {"114477", "114477", "22##88", "22##88", "336699", "336699"}},
          Row{"topAndBottom", 0, 5, {"114477", "114477", "......", "......", "336699", "336699"}},
          Row{"leftOnly", 0, 2, {"11....", "11....", "22....", "22....", "33....", "33...."}},
          Row{"fillWithoutSides", 1, 0, {"......", "......", "..##..", "..##..", "......", "......"}},
          Row{"sidesCarryingTheFillFlag", 0, 128 | 8, {"....77", "....77", "..##88", "..##88", "....99", "....99"}}}) {
        clearScreen();
        SBorderCtrl border;
        place(border, 2, 2, 6, 6);
        border.Setup(set, row.fill, 0x0000FF, row.sides);
        border.Draw();
        EXPECT_EQ(rows(2, 2, 6, 6), row.drawn) << row.name;
    }
}

class GradientTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        place(gradient, 10, 20, 100, 12);
        gradient.SetDefaults();
    }
    SGradientCtrl gradient;
};

// A control 100 wide at x = 10: the middle is at 10 + 50 - 2, each side 47 pixels long.
TEST_F(GradientTest, theMarkerStandsForTheValuesPlaceOnTheScale) {
    struct Row {
        int32_t value;
        int32_t markerX;
    };
    for (Row row : {Row{-150, 10}, Row{-100, 10}, Row{-50, 58 - 23}, Row{0, 58}, Row{50, 58 + 23}, Row{99, 58 + 46},
                    Row{100, 106}, Row{150, 106}}) {
        gradient.SetValue(row.value);
        EXPECT_EQ(gradient.MarkerX(), row.markerX) << row.value;
    }
    // With the middle value at 20 the marker measures from there: 60 is halfway to 100.
    gradient.m_midValue = 20;
    gradient.SetValue(60);
    EXPECT_EQ(gradient.MarkerX(), 58 + 23);
    gradient.SetValue(-40);
    EXPECT_EQ(gradient.MarkerX(), 58 - 23);
}

TEST_F(GradientTest, itDrawsItsOutlineShadesAndMarkerOnlyWithFlagBit0) {
    gradient.SetValue(50);
    gradient.Draw();
    const uint16_t marker = ColourWord565(0x0000A0);
    EXPECT_EQ(boundsOf(marker), "81,20 4x11");
    EXPECT_EQ(at(82, 25), marker) << "the marker's stem";
    EXPECT_EQ(at(12, 22), 0) << "the black outline";
    EXPECT_EQ(at(12, 23), ColourWord565(0x5064FA)) << "the left colour in the first column";
    EXPECT_EQ(at(60, 23), ColourWord565(0xBEDCE6)) << "the middle colour half way";
    EXPECT_EQ(at(107, 23), ColourWord565(0x66DC68)) << "just short of the right colour at the end";

    clearScreen();
    gradient.m_gradientFlags = 0;
    gradient.Draw();
    EXPECT_EQ(countOf(kGround), kScreenW * kScreenH) << "nothing, not even the outline";
}

}  // namespace

}  // namespace fill_test
