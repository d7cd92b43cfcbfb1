// The landscape handhelds that also show the portrait modes, through the whole program: the
// portrait picture reaches their screen whole and turned a quarter, the landscape picture whole and
// straight, and a tap lands on what is shown under it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/game_registry.h"
#include "support/program_test.h"

namespace landscape_screen_test {

namespace {

struct LandscapeCase {
    const char* name;
    int width, height;
    uint32_t startMode;
    int drawnWidth, drawnHeight;
    int turns;
};

class LandscapeScreenTest : public ProgramTest, public ::testing::WithParamInterface<LandscapeCase> {
protected:
    // Where the drawing's pixel (x, y) shows on the device's screen.
    void ScreenPoint(int x, int y, int& screenX, int& screenY) const {
        const int turns = GetParam().turns;
        const int right = GetParam().drawnWidth - 1;
        screenX = turns == 3 ? y : x;
        screenY = turns == 3 ? right - x : y;
    }
};

TEST_P(LandscapeScreenTest, theWholeDrawingReachesTheScreenAndTapsLandOnWhatTheyShow) {
    const LandscapeCase& c = GetParam();
    RegSetDword("StartMode", c.startMode);
    LaunchToMenu(c.width, c.height);
    const SDisplay& display = *Game().m_display;
    ASSERT_EQ(display.m_width, c.drawnWidth);
    ASSERT_EQ(display.m_height, c.drawnHeight);
    ASSERT_EQ(display.m_turns, c.turns);
    Frame();
    Shot(std::string("landscape-") + c.name);

    const std::vector<uint16_t>& screen = platform::headless::Screen();
    ASSERT_EQ(screen.size(), size_t(c.width) * size_t(c.height));
    int wrong = 0;
    for (int y = 0; y < c.drawnHeight; ++y)
        for (int x = 0; x < c.drawnWidth; ++x) {
            int sx = 0, sy = 0;
            ScreenPoint(x, y, sx, sy);
            wrong += screen[size_t(sy) * size_t(c.width) + size_t(sx)] != display.m_backBuffer[y * display.m_pitch + x];
        }
    EXPECT_EQ(wrong, 0) << "drawing pixels that the screen does not show where they belong";

    // The last row, "Exit", tapped where the screen shows it.
    const SDialogListCtrl& list = Menu().m_list;
    const int rowHeight = int(list.m_rowHeight);
    const int last = list.RowCount() - 1;
    ASSERT_EQ(std::string(list.Row(last).text.Text()), "Exit");
    int sx = 0, sy = 0;
    ScreenPoint(list.m_x + 10, list.m_y + rowHeight * (last - list.m_top) + rowHeight / 2, sx, sy);
    Tap(sx, sy);
    EXPECT_EQ(s_exitStatus, 0) << "the tap missed Exit";
}

INSTANTIATE_TEST_SUITE_P(Screens, LandscapeScreenTest,
                         ::testing::Values(LandscapeCase{"320x240-portrait", 320, 240, 0, 240, 320, 3},
                                           LandscapeCase{"320x240-left", 320, 240, 1, 320, 240, 0},
                                           LandscapeCase{"640x480-portrait", 640, 480, 0, 480, 640, 3},
                                           LandscapeCase{"640x480-left", 640, 480, 1, 640, 480, 0}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == '-') ch = '_';
                             return name;
                         });

}  // namespace

}  // namespace landscape_screen_test
