#include <gtest/gtest.h>

#include "screens/play/state_game.h"
#include "support/picture_entry.h"
#include "ui/colour_word.h"
#include "ui/widgets/compass_ctrl.h"
#include "ui/widgets/hpsp_ctrl.h"
#include "ui/widgets/progress_ctrl.h"
#include "widget_fixture.h"

namespace bar_test {

namespace {

class ProgressTest : public WidgetTest {};

TEST_F(ProgressTest, aBarFillsInStepsUpToItsMaximumAndStaysFull) {
    SProgressCtrl bar;
    place(bar, 0, 0, 50, 4);
    bar.Reset();
    const uint16_t fill = ColourWord565(0x64C8C8);
    bar.SetMaximum(3);
    bar.Step();
    bar.Draw();
    EXPECT_EQ(boundsOf(fill), "0,0 16x4");
    EXPECT_EQ(boundsOf(0), "16,0 34x4");
    for (int i = 0; i < 5; ++i) bar.Step();
    EXPECT_EQ(bar.m_current, 3);
    bar.Draw();
    EXPECT_EQ(boundsOf(fill), "0,0 50x4");
    EXPECT_EQ(countOf(0), 0);
}

TEST_F(ProgressTest, aMaximumBelowOneDrawsAnEmptyBar) {
    for (int32_t maximum : {0, -3}) {
        clearScreen();
        SProgressCtrl bar;
        place(bar, 0, 0, 50, 4);
        bar.Reset();
        bar.SetMaximum(maximum);
        bar.Step();
        bar.Draw();
        EXPECT_EQ(boundsOf(0), "0,0 50x4") << maximum;
        EXPECT_EQ(countOf(ColourWord565(0x64C8C8)), 0) << maximum;
    }
}

constexpr uint16_t kMoving = 0xF800, kMiddle = 0x07E0, kFixed = 0x001F;

// Bar sets in the game's slots: the moving end, a middle of 60 that is shorter than the bars'
// 100-pixel tracks, and the fixed end.
class HpSpTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        const SRoleSlots vertical = InterfaceRoleSlots(SInterfaceRole::kFirstVerticalBar);
        game.m_interfacePictures[vertical.first] = SolidPicture(8, 4, kMoving);
        game.m_interfacePictures[vertical.first + 1] = SolidPicture(8, 60, kMiddle);
        game.m_interfacePictures[vertical.first + 2] = SolidPicture(8, 4, kFixed);
        const SRoleSlots horizontal = InterfaceRoleSlots(SInterfaceRole::kSecondHorizontalBar);
        game.m_interfacePictures[horizontal.first] = SolidPicture(4, 8, kMoving);
        game.m_interfacePictures[horizontal.first + 1] = SolidPicture(60, 8, kMiddle);
        game.m_interfacePictures[horizontal.first + 2] = SolidPicture(4, 8, kFixed);
    }
};

TEST_F(HpSpTest, aVerticalBarGrowsUpFromItsFixedBottomPiece) {
    struct Row {
        uint32_t percent;
        const char *moving, *middle;
    };
    // The control at (10, 5), 8x108: the track is 108 - 4 - 4 = 100 pixels.
    for (Row row :
         {Row{0, "10,104 8x4", "10,108 8x1"}, Row{1, "10,104 8x4", "10,108 8x1"}, Row{50, "10,55 8x4", "10,59 8x50"},
          Row{100, "10,5 8x4", "10,9 8x60"}, Row{150, "10,5 8x4", "10,9 8x60"}}) {
        clearScreen();
        SHPSPCtrl bar;
        place(bar, 10, 5, 8, 108);
        bar.Setup(1);
        EXPECT_EQ(bar.m_horizontal, 0u);
        bar.SetPercent(row.percent);
        bar.Draw();
        EXPECT_EQ(boundsOf(kMoving), row.moving) << row.percent;
        EXPECT_EQ(boundsOf(kMiddle), row.middle) << row.percent << ": never more than the middle piece has";
        EXPECT_EQ(boundsOf(kFixed), "10,109 8x4") << row.percent;
    }
}

TEST_F(HpSpTest, aHorizontalBarDrawsTheFixedEndMiddleAndMovingEndFromTheLeft) {
    struct Row {
        uint32_t percent;
        const char *middle, *moving;
    };
    // The control at (0, 80), 108x8: the fixed end at 0 to 3, the middle from 4.
    for (Row row : {Row{0, "4,80 1x8", "5,80 4x8"}, Row{50, "4,80 50x8", "54,80 4x8"},
                    Row{100, "4,80 60x8", "104,80 4x8"}, Row{150, "4,80 60x8", "104,80 4x8"}}) {
        clearScreen();
        SHPSPCtrl bar;
        place(bar, 0, 80, 108, 8);
        bar.Setup(0);
        EXPECT_EQ(bar.m_horizontal, 1u);
        bar.SetPercent(row.percent);
        bar.Draw();
        EXPECT_EQ(boundsOf(kFixed), "0,80 4x8") << row.percent;
        EXPECT_EQ(boundsOf(kMiddle), row.middle) << row.percent;
        EXPECT_EQ(boundsOf(kMoving), row.moving) << row.percent;
        EXPECT_EQ(at(107, 80), row.percent >= 100 ? kMoving : 0) << row.percent << ": the rest is background";
    }
}

// A bar at the top edge of the screen is drawn when full, though its moving end is at y = 0.
TEST_F(HpSpTest, aFullBarAtTheTopOfTheScreenIsDrawn) {
    SHPSPCtrl bar;
    place(bar, 0, 0, 8, 108);
    bar.Setup(1);
    bar.SetPercent(100);
    bar.Draw();
    EXPECT_EQ(boundsOf(kMoving), "0,0 8x4");
}

// A strip of 120 columns and 16 rows whose pixel tells its column; its first and last rows are
// dark.
uint16_t stripPixel(int column, int row) { return row == 0 || row == 15 ? uint16_t(0x0800) : uint16_t(column + 1); }

class CompassTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        game.SetScreen(kPlayScreen, std::make_unique<SStateGame>());
        strip = MakePictureEntry(120, 16, stripPixel);
        place(compass, 0, 0, 40, 16);
        compass.Setup(strip.get(), nullptr, nullptr, nullptr);
    }
    void face(uint32_t heading) {
        static_cast<SStateGame*>(game.Screen(kPlayScreen))->m_heading = heading;
        clearScreen();
        compass.Draw();
    }
    // The strip column drawn at screen column x (row 0).
    int columnAt(int x) const { return at(x, 0) - 1; }

    std::unique_ptr<SPictureEntry> strip;
    SCompassCtrl compass;
};

TEST_F(CompassTest, theStripScrollsWithTheHeadingAndWrapsWithoutASeam) {
    // Facing north column 10 of the strip stands in the middle (x = 20); every column follows the
    // one left of it, around the strip's ends.
    face(0);
    EXPECT_EQ(compass.StripOffset(), -10);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(columnAt(x), (x - 10 + 120) % 120) << "north, x " << x;
    face(359);
    EXPECT_EQ(columnAt(20), 10) << "a degree east of north is within the same column";
    face(60);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(columnAt(x), (x + 90) % 120) << "wrapping at the far end, x " << x;
}

// Headings grow counter-clockwise: from north to west the strip slides 30 pixels to the right.
TEST_F(CompassTest, aQuarterTurnMovesTheStripThirtyPixels) {
    face(0);
    std::vector<int> north;
    for (int x = 0; x < 40; ++x) north.push_back(columnAt(x));
    face(90);
    for (int x = 30; x < 40; ++x) EXPECT_EQ(columnAt(x), north[size_t(x - 30)]) << x;
}

TEST_F(CompassTest, smallScreensLeaveOutTheStripsTopAndBottomRows) {
    face(0);
    EXPECT_EQ(boundsOf(stripPixel(10, 1)), "20,0 1x14") << "rows 1 to 14 of the strip only";
    EXPECT_EQ(countOf(0x0800), 0);
    game.m_screenMode = 10;
    face(0);
    EXPECT_EQ(boundsOf(stripPixel(10, 1)), "20,1 1x14");
    EXPECT_EQ(boundsOf(0x0800), "0,0 40x16") << "large screens show the whole strip";
}

TEST_F(CompassTest, theCapsBlendWithTheStripAndTheOverlayIsKeyed) {
    auto cap = SolidPicture(4, 16, 0x0000);
    auto overlay =
        MakePictureEntry(120, 16, [](int x, int) { return x == 10 ? uint16_t(0xFFE0) : SPicture::kTransparent; });
    compass.Setup(strip.get(), overlay.get(), cap.get(), cap.get());
    face(0);
    // Averaged with black, each channel halves.
    EXPECT_EQ(at(0, 0), uint16_t((stripPixel(110, 1) >> 1) & 0x7BEF));
    EXPECT_EQ(at(36, 0), uint16_t((stripPixel(26, 1) >> 1) & 0x7BEF));
    EXPECT_EQ(columnAt(4), 114) << "between the caps the strip itself";
    EXPECT_EQ(at(20, 5), 0xFFE0) << "the overlay's mark in the middle";
    EXPECT_EQ(columnAt(21), 11) << "the overlay's key leaves the strip";
}

}  // namespace

}  // namespace bar_test
