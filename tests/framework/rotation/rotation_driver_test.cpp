#include "framework/rotation/rotation_driver.h"

#include <gtest/gtest.h>

#include "support/display_fixture.h"

namespace rotation_driver_test {

namespace {

using namespace display_test;
using Lines = std::vector<std::string>;

// A different value for every pixel of a buffer up to 512 pixels wide.
uint16_t pattern(int x, int y) { return uint16_t(x * 0x9E37 ^ y * 0x79B9 ^ (y << 9)); }

// Where the buffer pixel shown at screen (x, y) comes from, for k quarter turns of a bw x bh buffer.
void sourceOf(int turns, int x, int y, int bw, int bh, int& bx, int& by) {
    switch (turns) {
        case 1: bx = y, by = bh - 1 - x; break;
        case 2: bx = bw - 1 - x, by = bh - 1 - y; break;
        case 3: bx = bw - 1 - y, by = x; break;
        default: bx = x, by = y; break;
    }
}

void fill(HAL::Surface& surface) {
    for (int y = 0; y < surface.m_height; ++y)
        for (int x = 0; x < surface.m_width; ++x) surface.Row(y)[x] = pattern(x, y);
}

// --- the whole chain on a portrait device ---

struct TurnCase : NamedCase {
    int32_t orientation;
    int turns;
    uint32_t flags;
    int cornerX, cornerY;  // where buffer pixel (0, 0) lands on the screen
};

class PortraitTurnTest : public DisplayFixture, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(PortraitTurnTest, showsEveryPixelTurned) {
    const TurnCase& c = GetParam();
    UseScreen(240, 320);
    m_window = NewWindow();
    HAL::DisplayParams params{320, 240, c.orientation, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    auto* rotation = dynamic_cast<HAL::RotationDriver*>(display->m_impl->m_driver.get());
    ASSERT_NE(rotation, nullptr);
    EXPECT_EQ(rotation->m_turns, c.turns);

    ASSERT_TRUE(display->BeginScene());
    HAL::Surface* buffer = display->GetSurface();
    fill(*buffer);
    ASSERT_TRUE(display->Swap(c.flags));

    const std::vector<uint16_t>& screen = platform::headless::Screen();
    ASSERT_EQ(screen.size(), 240u * 320u);
    EXPECT_EQ(screen[size_t(c.cornerY) * 240 + c.cornerX], pattern(0, 0));
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x) {
            int bx, by;
            sourceOf(c.turns, x, y, buffer->m_width, buffer->m_height, bx, by);
            ASSERT_EQ(screen[size_t(y) * 240 + x], pattern(bx, by)) << "screen pixel " << x << "," << y;
        }
}

// Flag 1 waits for the vertical blank and so takes the other copier, whose tile order differs.
INSTANTIATE_TEST_SUITE_P(
    Cases, PortraitTurnTest,
    ::testing::Values(
        TurnCase{{"rightLandscape"}, 3, 1, 0, 239, 0}, TurnCase{{"rightLandscapeOtherOrder"}, 3, 1, 1, 239, 0},
        TurnCase{{"upsideDown"}, 2, 2, 0, 239, 319}, TurnCase{{"upsideDownWaiting"}, 2, 2, 1, 239, 319},
        TurnCase{{"leftLandscape"}, 1, 3, 0, 0, 319}, TurnCase{{"leftLandscapeOtherOrder"}, 1, 3, 1, 0, 319}),
    CaseName());

// Over the window driver the turned tiles go straight into the window's own frame: the driver's
// memory is left alone, the window shows the tiles, and nothing outside them changes.
TEST_F(DisplayFixture, turnedTilesGoStraightIntoTheWindowsFrame) {
    UseScreen(240, 320);
    m_window = NewWindow();
    HAL::DisplayParams params{320, 240, 3, HAL::kSwapCopy};
    auto display = HAL::Display::Create(m_window, params);
    ASSERT_NE(display, nullptr);
    auto* rotation = dynamic_cast<HAL::RotationDriver*>(display->m_impl->m_driver.get());
    ASSERT_NE(rotation, nullptr);
    HAL::Surface* windowDriverMemory = rotation->m_inner->m_surface.get();
    ASSERT_NE(windowDriverMemory, nullptr);
    platform::WindowFrame frame = platform::GetWindowFrame(m_window);
    std::fill_n(frame.pixels, size_t(frame.width) * frame.height, uint16_t(0x0BAD));

    const platform::Rect asked{40, 20, 60, 50};  // the buffer's; the screen's tiles 176,32 to 224,64
    display->m_impl->SetUpdateRect(&asked);
    ASSERT_TRUE(display->BeginScene());
    HAL::Surface* buffer = display->GetSurface();
    fill(*buffer);
    const int before = platform::headless::PresentCount();
    ASSERT_TRUE(display->Swap(0));
    EXPECT_EQ(platform::headless::PresentCount(), before + 1);
    EXPECT_EQ(RectText(platform::headless::LastPresentRect()), "190,40,220,60");

    const std::vector<uint16_t>& screen = platform::headless::Screen();
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x) {
            const bool inTiles = x >= 176 && x < 224 && y >= 32 && y < 64;
            int bx, by;
            sourceOf(1, x, y, buffer->m_width, buffer->m_height, bx, by);
            ASSERT_EQ(screen[size_t(y) * 240 + x], inTiles ? pattern(bx, by) : 0x0BAD)
                << "screen pixel " << x << "," << y;
            ASSERT_EQ(windowDriverMemory->Row(y)[x], 0) << "window driver pixel " << x << "," << y;
        }
}

// --- the update rectangle ---

class RotationFixture : public DisplayFixture {
protected:
    // A rotation driver over a fake 32x48 upright screen, asked for the given orientation.
    bool makeRotation(int32_t orientation, uint32_t innerSwap = 2, uint32_t width = 32, uint32_t height = 48) {
        auto inner = std::make_unique<FakeVideoDriver>(Screen(width, height, innerSwap), "inner");
        m_inner = inner.get();
        inner->Initialize(nullptr, {}, {});
        m_rotation = std::make_unique<HAL::RotationDriver>(std::move(inner));
        return m_rotation->Initialize(m_window, {0, 0, orientation, 2}, m_inner->m_device);
    }
    FakeVideoDriver* m_inner = nullptr;
    std::unique_ptr<HAL::RotationDriver> m_rotation;
};

struct RectCase : NamedCase {
    int32_t orientation;
    platform::Rect toInner;
    platform::Rect tiles;
};

class RotationRectTest : public RotationFixture, public ::testing::WithParamInterface<RectCase> {};

TEST_P(RotationRectTest, turnsTheRectangleAndRewritesOnlyTheTilesItTouches) {
    const RectCase& c = GetParam();
    ASSERT_TRUE(makeRotation(c.orientation));
    const platform::Rect asked{5, 5, 20, 20};
    m_rotation->SetUpdateRect(asked);
    EXPECT_EQ(RectText(m_inner->m_update), RectText(c.toInner));
    EXPECT_EQ(RectText(m_rotation->m_update), RectText(c.tiles));

    HAL::Surface* buffer = m_rotation->BeginScene();
    ASSERT_NE(buffer, nullptr);
    fill(*buffer);
    m_rotation->Present(0);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x) {
            bool inTiles = x >= c.tiles.left && x < c.tiles.right && y >= c.tiles.top && y < c.tiles.bottom;
            int bx, by;
            sourceOf(m_rotation->m_turns, x, y, buffer->m_width, buffer->m_height, bx, by);
            ASSERT_EQ(m_inner->Pixel(x, y), inTiles ? pattern(bx, by) : FakeVideoDriver::kUntouched)
                << "screen pixel " << x << "," << y;
            bool wanted = bx >= asked.left && bx < asked.right && by >= asked.top && by < asked.bottom;
            ASSERT_TRUE(!wanted || inTiles) << "the tiles must cover the asked rectangle at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Cases, RotationRectTest,
                         ::testing::Values(RectCase{{"noTurn"}, 0, {5, 5, 20, 20}, {0, 0, 32, 32}},
                                           RectCase{{"quarterTurn"}, 3, {12, 5, 27, 20}, {0, 0, 32, 32}},
                                           RectCase{{"halfTurn"}, 2, {12, 28, 27, 43}, {0, 16, 32, 48}},
                                           RectCase{{"threeQuarterTurn"}, 1, {5, 28, 20, 43}, {0, 16, 32, 48}}),
                         CaseName());

TEST_F(RotationFixture, waitingForTheVerticalBlankComesBeforeTheCopyAndThePresent) {
    ASSERT_TRUE(makeRotation(1));
    ASSERT_NE(m_rotation->BeginScene(), nullptr);
    Calls().clear();
    m_rotation->Present(HAL::kSwapWaitVBlank);
    EXPECT_EQ(Calls(), Lines({"inner vblank", "inner present 1"}));
}

TEST_F(RotationFixture, aScreenOfPartTilesCannotBeTurned) {
    EXPECT_FALSE(makeRotation(1, 2, 40, 48));
    EXPECT_TRUE(makeRotation(0, 2, 40, 48)) << "no turn needs no tiles";
}

TEST_F(RotationFixture, anInnerScreenThatCannotBeLockedGivesNoScene) {
    ASSERT_TRUE(makeRotation(1));
    m_inner->m_failBeginScene = true;
    EXPECT_EQ(m_rotation->BeginScene(), nullptr);
}

}  // namespace

}  // namespace rotation_driver_test
