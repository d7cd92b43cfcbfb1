#include "ui/state.h"

#include <gtest/gtest.h>

#include "recording_ui.h"

namespace state_test {

namespace {

using ui_test::Log;
using ui_test::RecordingCtrl;
using ui_test::RecordingDialog;
using ui_test::RecordingState;

class StateTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen.Init(&game);
        dialog.Init(&game);
        ctrl.Attach(&screen);
        game.m_currentScreen = &screen;
        game.m_frameCounter = 20;
    }

    SGameData game;
    Log log;
    RecordingState screen{log, "screen"};
    RecordingDialog dialog{log, "dialog"};
    RecordingCtrl ctrl{log, "ctrl", SCtrlInput::kPen, 4};
};

TEST_F(StateTest, enteringAgainTakesTheNewWordsAndStartsWithoutADialog) {
    screen.Enter(1, 2, 3, 4);
    screen.SetChild(&dialog);
    screen.Draw();
    game.m_screenChanged = 0;
    game.m_frameCounter = 25;

    screen.Enter(5, 6, 7, 8);
    EXPECT_EQ(screen.m_param[0], 5u);
    EXPECT_EQ(screen.m_param[3], 8u);
    EXPECT_EQ(screen.m_child, nullptr);
    EXPECT_TRUE(screen.IsDirty());
    EXPECT_EQ(game.m_screenChanged, 1u);
    EXPECT_EQ(screen.m_openFrame, 25u);
}

// The stylus event that switched screens must not reach the new screen's controls.
TEST_F(StateTest, penEventsInTheFrameOfEnterOrResumeAreIgnored) {
    for (auto open : {+[](SState& s) { s.Enter(0, 0, 0, 0); }, +[](SState& s) { s.Resume(); }}) {
        screen.AddCtrl(&ctrl);
        game.m_frameCounter += 1;
        open(screen);
        log.clear();
        EXPECT_EQ(screen.OnPen(2, 2, 0, 0), 0u);
        EXPECT_EQ(screen.OnPen(2, 2, 1, 0), 0u);
        game.m_frameCounter += 1;
        EXPECT_EQ(screen.OnPen(2, 2, 0, 0), 0u) << "the release of that press";
        EXPECT_TRUE(log.empty());
        screen.m_result = 99;
        EXPECT_EQ(screen.OnPen(2, 2, 1, 0), 99u) << "a new press counts, and the command names the next screen";
    }
}

TEST_F(StateTest, aResumedScreenIsDrawnAtOnce) {
    screen.AddCtrl(&ctrl);
    screen.Draw();
    game.m_screenChanged = 1;
    log.clear();
    screen.Resume();
    EXPECT_EQ(log, (Log{"screen draw", "ctrl draw"}));
    EXPECT_EQ(game.m_screenChanged, 0u);
    EXPECT_FALSE(screen.IsDirty());
}

TEST_F(StateTest, leavingDropsTheControlsAndTheKeepFlag) {
    screen.AddCtrl(&ctrl);
    screen.m_keep = 1;
    screen.Leave();
    EXPECT_EQ(screen.m_keep, 0u);
    EXPECT_EQ(screen.m_ctrls.Count(), 0);
    EXPECT_FALSE(ctrl.IsShown());
    EXPECT_EQ(game.m_screenChanged, 1u);
}

}  // namespace

}  // namespace state_test
