#include "engine/draw/display.h"

#include <gtest/gtest.h>

#include "engine/packages/resource_cache.h"
#include "framework/drivers/video_detect.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "support/headless_fixture.h"
#include "support/memory_display.h"
#include "support/picture_record.h"
#include "support/test_window.h"

namespace display_test {

namespace {

class SDisplayTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        HAL::VideoDetect::Forget();
    }
    void TearDown() override {
        display.m_display.reset();
        HAL::VideoDetect::Forget();
        HeadlessTest::TearDown();
    }

    // A 2x1 picture: colour 0x1111, then the key colour.
    bool bindTwoColours() {
        record = PictureRecord(0, 2, 1, {0, 1}, {0x1111, 0xFFFF});
        SReadError error;
        return picture.Bind(record, 0, error);
    }

    SDisplay display;
    std::vector<uint8_t> record;
    SPictureEntry picture;
};

TEST_F(SDisplayTest, drawingReachesTheScreenThroughTheFramework) {
    platform::Window* window = OpenTestWindow(240, 320);
    ASSERT_NE(window, nullptr);
    display.Init(window, 240, 320, 7);
    ASSERT_TRUE(display.HasDisplay());
    EXPECT_EQ(display.m_width, 240);
    EXPECT_EQ(display.m_height, 320);
    const SRasterTarget& target = display.Target();
    EXPECT_EQ(target.m_pixels, display.GetBackBuffer());
    EXPECT_EQ(target.m_width, 240);
    EXPECT_EQ(target.m_height, 320);

    ASSERT_TRUE(display.BeginFrame());
    display.Clear();
    display.FillRect(10, 20, 5, 5, 0xF800);
    display.FrameRect(100, 100, 1, 1);
    EXPECT_TRUE(target.m_drawn);
    display.Present();
    const std::vector<uint16_t>& screen = platform::headless::Screen();
    ASSERT_EQ(screen.size(), 240u * 320);
    EXPECT_EQ(screen[22 * 240 + 12], 0xF800);
    EXPECT_EQ(screen[25 * 240 + 12], 0x0000);
    // Shown, the frame starts over as not drawn.
    EXPECT_FALSE(target.m_drawn);
}

// A frame that drew nothing is not presented again: the screen and the window are left alone.
TEST_F(SDisplayTest, aFrameThatDrewNothingIsNotPresented) {
    display.Init(OpenTestWindow(240, 320), 240, 320, 7);
    ASSERT_TRUE(display.BeginFrame());
    display.Clear();
    display.Present();
    const int presents = platform::headless::PresentCount();
    ASSERT_TRUE(display.BeginFrame());
    display.Present();
    EXPECT_EQ(platform::headless::PresentCount(), presents);
    ASSERT_TRUE(display.BeginFrame());
    display.FillRect(0, 0, 1, 1, 0xF800);
    display.Present();
    EXPECT_EQ(platform::headless::PresentCount(), presents + 1);
}

// A screen that presents in the middle of an input (the menu shows its new selection) and then
// opens another screen draws that screen after the present, before a new frame has begun: its
// drawing is still owed, and the next frame shows it. Lost, the tapped "Load Game" left the menu
// on the window over an open load screen.
TEST_F(SDisplayTest, aDrawingAfterAPresentIsShownByTheNextFrame) {
    display.Init(OpenTestWindow(240, 320), 240, 320, 7);
    ASSERT_TRUE(display.BeginFrame());
    display.Clear();
    display.Present();
    display.FillRect(10, 20, 5, 5, 0xF800);
    display.Present();
    ASSERT_TRUE(display.BeginFrame());
    display.Present();
    EXPECT_EQ(platform::headless::Screen()[22 * 240 + 12], 0xF800);
}

// Screen mode 7 draws 240x320; on a 320x240 screen that is not turned the framework grants a
// 320x240 surface, and drawing used to run 80 rows past its end.
TEST_F(SDisplayTest, aModeTallerThanTheSurfaceIsCutToIt) {
    display.Init(OpenTestWindow(320, 240), 320, 240, 7);
    ASSERT_TRUE(display.HasDisplay());
    EXPECT_EQ(display.m_height, 320);
    EXPECT_EQ(display.Target().m_width, 240);
    EXPECT_EQ(display.Target().m_height, 240);
    ASSERT_TRUE(display.BeginFrame());
    display.FillRect(0, 0, 240, 320, 0x07E0);
    display.Present();
    const std::vector<uint16_t>& screen = platform::headless::Screen();
    ASSERT_EQ(screen.size(), 320u * 240);
    EXPECT_EQ(screen[239 * 320 + 239], 0x07E0);
    EXPECT_EQ(screen[239 * 320 + 240], 0);
}

TEST_F(SDisplayTest, aSquareModeKeepsTheWindowsSize) {
    display.Init(OpenTestWindow(480, 480), 480, 480, 11);
    EXPECT_EQ(display.m_width, 480);
    EXPECT_EQ(display.m_height, 480);
}

TEST_F(SDisplayTest, withoutADisplayNoFrameBegins) {
    EXPECT_FALSE(display.BeginFrame());
    EXPECT_EQ(display.Flip(), nullptr);
}

// Entries draw the entry's checked picture; a palette replaces its colour table.
TEST_F(SDisplayTest, pictureEntriesDrawWithTheirOwnOrAGivenPalette) {
    std::vector<uint16_t> pixels(8 * 4, 0);
    DrawIntoMemory(display, pixels, 8, 4);
    ASSERT_TRUE(bindTwoColours());
    display.BlitKeyed(picture, 1, 1);
    EXPECT_EQ(pixels[1 * 8 + 1], 0x1111);
    EXPECT_EQ(pixels[1 * 8 + 2], 0) << "the key colour leaves the pixel alone";
    display.BlitOpaque(picture, 4, 2);
    EXPECT_EQ(pixels[2 * 8 + 5], 0xFFFF);

    SPaletteEntry palette;
    palette.record = std::make_unique<SPdbRecord>();
    palette.record->bytes = {0, 0, 0, 0, 0x22, 0x22, 0x33, 0x33};  // four-byte prefix, then two colours
    palette.data = palette.record->Data() + 4;
    display.BlitKeyedRectPal(picture, &palette, 0, 3, 0, 0, 2, 1);
    EXPECT_EQ(pixels[3 * 8 + 0], 0x2222);
    EXPECT_EQ(pixels[3 * 8 + 1], 0x3333);
    // The pixels kept for the palette must not stand in for the picture's own colours.
    display.BlitOpaque(picture, 4, 0);
    EXPECT_EQ(pixels[0 * 8 + 4], 0x1111);
}

// The rotated draw belongs to the 3-D view's filler, which the display reaches through the draw it
// is given: whole degrees go on as 16.16, whole turns dropped first so that none overflows.
TEST_F(SDisplayTest, aRotatedBlitGoesToTheRotatedDrawInSixteenSixteenDegrees) {
    std::vector<uint16_t> pixels(8 * 4, 0);
    DrawIntoMemory(display, pixels, 8, 4);
    ASSERT_TRUE(bindTwoColours());
    display.BlitRotated(picture, 3, 2, 90);  // nothing to draw with yet

    struct Call {
        int width, x, y;
        int32_t angle;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    display.SetRotatedDraw([&](const SPicture& drawn, int x, int y, int32_t angle) {
        calls.push_back({drawn.Width(), x, y, angle});
    });
    display.BlitRotated(picture, 3, 2, 90);
    display.BlitRotated(picture, 3, 2, 450);
    display.BlitRotated(picture, 3, 2, 100000);
    EXPECT_EQ(calls, (std::vector<Call>{{2, 3, 2, 90 << 16}, {2, 3, 2, 90 << 16}, {2, 3, 2, 280 << 16}}));
}

}  // namespace

namespace {

// Each drawing entry on a 2x2 picture of four colours (block index 0 keyed in block formats is not
// involved: format 0), drawn into an 8x6 screen; the row shows where each colour landed.
struct EntryCase {
    const char* name;
    void (*draw)(SDisplay& display, const SPictureEntry& picture);
    int x, y;
    uint16_t expected;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.name; }

class SDisplayEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(SDisplayEntryTest, eachEntryDrawsItsPictureWhereAsked) {
    SDisplay display;
    std::vector<uint16_t> pixels(8 * 6, 0);
    DrawIntoMemory(display, pixels, 8, 6);
    const std::vector<uint8_t> record = PictureRecord(0, 2, 2, {0, 1, 2, 3}, {0x0841, 0x1082, 0x2104, 0xFFFF});
    SPictureEntry picture;
    SReadError error;
    ASSERT_TRUE(picture.Bind(record, 0, error)) << error.Message();
    GetParam().draw(display, picture);
    EXPECT_EQ(pixels[size_t(GetParam().y) * 8 + GetParam().x], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SDisplayEntryTest,
    ::testing::Values(
        EntryCase{"mirroredSwapsLeftAndRight",
                  [](SDisplay& d, const SPictureEntry& p) { d.BlitKeyedMirrored(p, 2, 1); }, 2, 1, 0x1082},
        EntryCase{"opaqueRectTakesThePart",
                  [](SDisplay& d, const SPictureEntry& p) { d.BlitOpaqueRect(p, 4, 4, 1, 1, 1, 1); }, 4, 4, 0xFFFF},
        EntryCase{"blendHalvesTowardsTheScreen",
                  [](SDisplay& d, const SPictureEntry& p) { d.BlitBlend(p, 0, 0, 1, 2, 1); }, 0, 0, 0x1082},
        EntryCase{"scaledStretchesThePicture", [](SDisplay& d, const SPictureEntry& p) { d.BlitScaled(p, 0, 0, 4, 4); },
                  3, 3, 0xFFFF},
        EntryCase{"tileKeyedRepeatsAndSkipsTheKey",
                  [](SDisplay& d, const SPictureEntry& p) { d.TileKeyed(0, 0, 5, 3, p); }, 3, 1, 0},
        EntryCase{"tileOpaqueRepeatsEverything",
                  [](SDisplay& d, const SPictureEntry& p) { d.TileOpaque(0, 0, 5, 3, p); }, 4, 2, 0x0841},
        EntryCase{"fillPaintsTheRectangle", [](SDisplay& d, const SPictureEntry&) { d.FillRect(6, 5, 2, 1, 0x7BEF); },
                  7, 5, 0x7BEF}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace display_test
