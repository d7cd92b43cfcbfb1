#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "game/game_data.h"
#include "game/layout_record.h"

namespace viewport_test {

namespace {

class ViewportTest : public ::testing::Test {
protected:
    void useLayout(uint16_t mode, SLayoutRow viewRow) {
        layoutBytes = SLayoutRecord::Build({{43, {{mode, 0, 0, {viewRow}}}}});
        game.m_layout = SLayoutRecord(layoutBytes);
        game.m_screenMode = mode;
    }

    SGameData game;
    std::vector<uint8_t> layoutBytes;
};

TEST_F(ViewportTest, theViewportShrinksWithTheViewSizeOnLargeModes) {
    struct Row {
        uint16_t mode;
        SLayoutRow layout;
        uint32_t viewSize;
        int x, y, w, h;
    };
    const Row rows[] = {
        {9, {550, 0, 0, 640, 400}, 2, 130, 40, 380, 320},  {9, {550, 0, 0, 640, 400}, 1, 65, 20, 510, 360},
        {9, {550, 0, 0, 640, 400}, 0, 0, 0, 640, 400},     {7, {550, 4, 8, 232, 200}, 2, 4, 8, 232, 200},
        {10, {550, 0, 0, 300, 400}, 2, -40, 40, 380, 320},  // a narrow layout grows by the same rule
    };
    for (const Row& row : rows) {
        useLayout(row.mode, row.layout);
        game.m_settings.viewSize = row.viewSize;
        game.ComputeViewport();
        const SViewDescriptor& view = game.PlayView();
        EXPECT_EQ(view.m_viewX, row.x) << "mode " << row.mode << " size " << row.viewSize;
        EXPECT_EQ(view.m_viewY, row.y);
        EXPECT_EQ(view.m_viewWidth, row.w);
        EXPECT_EQ(view.m_viewHeight, row.h);
    }
}

TEST_F(ViewportTest, theOrientationPicksItsOwnViewSize) {
    useLayout(9, {550, 0, 0, 640, 400});
    game.m_settings.viewSize = 0;
    game.m_settings.leftViewSize = 2;
    game.m_display = std::make_unique<SDisplay>();
    game.m_display->SetOrientation(1);
    game.ComputeViewport();
    EXPECT_EQ(game.PlayView().m_viewWidth, 380);
}

// The view record learns the screen's size from the display, which takes it from the mode.
TEST_F(ViewportTest, settingTheDisplayModeGivesTheViewTheScreenSize) {
    useLayout(7, {550, 0, 0, 240, 200});
    game.m_display = std::make_unique<SDisplay>();
    game.SetDisplayMode(true);
    EXPECT_EQ(game.PlayView().m_screenWidth, 240);
    EXPECT_EQ(game.PlayView().m_screenHeight, 320);
    EXPECT_EQ(game.PlayView().m_viewHeight, 200);
}

}  // namespace

}  // namespace viewport_test
