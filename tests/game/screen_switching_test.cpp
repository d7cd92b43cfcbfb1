#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_data.h"
#include "ui/state.h"

namespace screen_switching_test {

namespace {

// A screen that writes down what happens to it and answers what the test tells it to.
class LoggingScreen : public SState {
public:
    LoggingScreen(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override {
        SState::Enter(p1, p2, p3, p4);
        m_log.push_back(m_name + " enter " + std::to_string(p1) + "," + std::to_string(p2) + "," + std::to_string(p3) +
                        "," + std::to_string(p4));
    }
    void Leave() override {
        // Leave may change the words; the next screen must still get them as they were.
        m_param[0] = 777;
        SState::Leave();
        m_log.push_back(m_name + " leave");
    }
    void Resume() override {
        SState::Resume();
        m_log.push_back(m_name + " resume");
    }
    uint32_t OnKey(uint32_t key) override {
        m_log.push_back(m_name + " key " + std::to_string(key));
        return m_answer;
    }
    uint32_t OnTick(uint32_t frame) override {
        m_log.push_back(m_name + " tick " + std::to_string(frame));
        return m_answer;
    }
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override {
        m_log.push_back(m_name + " pen " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(down) +
                        std::to_string(drag));
        return m_answer;
    }

    uint32_t m_answer = 0;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class ScreenSwitchingTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.m_display = std::make_unique<SDisplay>();
        for (ScreenId id : {kPlayScreen, kInventoryScreen, kSplashScreen, kMainMenuScreen}) {
            auto screen = std::make_unique<LoggingScreen>("s" + std::to_string(id), log);
            screen->Init(&game);
            game.SetScreen(id, std::move(screen));
        }
    }
    LoggingScreen& screen(ScreenId id) { return static_cast<LoggingScreen&>(*game.Screen(id)); }

    SGameData game;
    std::vector<std::string> log;
};

TEST_F(ScreenSwitchingTest, theNewScreenGetsTheWordsTheOldOneHeldBeforeLeaving) {
    game.SwitchState(kSplashScreen);
    screen(kSplashScreen).m_param[0] = 11;
    screen(kSplashScreen).m_param[3] = 44;
    game.SwitchState(kMainMenuScreen);
    EXPECT_EQ(log, (std::vector<std::string>{"s6 enter 0,0,0,0", "s6 leave", "s9 enter 11,0,0,44"}));
    EXPECT_EQ(game.m_currentScreen, game.Screen(kMainMenuScreen));
}

TEST_F(ScreenSwitchingTest, keptScreensArePushedAndComeBackInReverseOrder) {
    game.SwitchState(kPlayScreen);
    screen(kPlayScreen).m_keep = 1;
    game.SwitchState(kInventoryScreen);
    screen(kInventoryScreen).m_keep = 1;
    game.SwitchState(kMainMenuScreen);
    EXPECT_EQ(game.StackDepth(), 2);
    log.clear();

    game.SwitchState(kGoBack);
    game.SwitchState(kGoBack);
    EXPECT_EQ(log, (std::vector<std::string>{"s9 leave", "s4 resume", "s4 leave", "s1 resume"}));
    EXPECT_EQ(game.StackDepth(), 0);
    EXPECT_EQ(screen(kPlayScreen).m_keep, 0u);
}

TEST_F(ScreenSwitchingTest, nowhereToGoKeepsTheCurrentScreen) {
    game.SwitchState(kSplashScreen);
    log.clear();
    game.SwitchState(kGoBack);       // the stack is empty
    game.SwitchState(ScreenId(13));  // no screen has this id
    EXPECT_EQ(game.m_currentScreen, game.Screen(kSplashScreen));
    EXPECT_EQ(log, (std::vector<std::string>{"s6 leave", "s6 enter 0,0,0,0", "s6 leave", "s6 enter 0,0,0,0"}));
}

TEST_F(ScreenSwitchingTest, answersOfTicksAndKeysSwitchScreens) {
    game.SwitchState(kSplashScreen);
    screen(kSplashScreen).m_answer = kMainMenuScreen;
    EXPECT_EQ(game.OnTimer(), uint32_t(kMainMenuScreen));
    EXPECT_EQ(game.m_currentScreen, game.Screen(kMainMenuScreen));
    screen(kMainMenuScreen).m_answer = kInventoryScreen;
    game.OnKey(1000);
    EXPECT_EQ(game.m_currentScreen, game.Screen(kInventoryScreen));
    EXPECT_EQ(log[1], "s6 tick 1");
}

TEST_F(ScreenSwitchingTest, withoutADisplayNothingReachesTheScreensButFramesCount) {
    game.SwitchState(kSplashScreen);
    game.m_display.reset();
    log.clear();
    EXPECT_EQ(game.OnTimer(), 0u);
    EXPECT_EQ(game.OnTimer(), 0u);
    game.OnKey(1000);
    game.OnStylus(1, 2, 1, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(game.m_frameCounter, 2u);
}

// The framework turns the drawing by quarter turns on its way to the screen: left landscape on a
// portrait screen is one, right landscape three, a portrait drawing on a landscape panel three, the
// other landscape side of a landscape panel two.
TEST_F(ScreenSwitchingTest, stylusPositionsTurnBackAsTheDrawingWasTurned) {
    game.SwitchState(kSplashScreen);
    game.m_display->m_width = 320;  // screen mode 6
    game.m_display->m_height = 240;
    log.clear();
    for (int turns : {1, 3, 0}) {
        game.m_display->m_turns = turns;
        game.OnStylus(10, 300, 1, 0);
    }
    game.m_display->m_turns = 2;
    game.OnStylus(10, 200, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"s6 pen 300,230 10", "s6 pen 20,10 10", "s6 pen 10,300 10",
                                             "s6 pen 310,40 00"}));
}

TEST_F(ScreenSwitchingTest, poppingLeavesEveryScreenSetAside) {
    for (ScreenId id : {kPlayScreen, kInventoryScreen, kMainMenuScreen}) {
        game.SwitchState(id);
        screen(id).m_keep = 1;
    }
    game.SwitchState(kSplashScreen);
    log.clear();
    game.PopStatesAboveFirst();
    EXPECT_EQ(game.StackDepth(), 1);
    game.PopAllStates();
    EXPECT_EQ(game.StackDepth(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"s9 leave", "s4 leave", "s1 leave"}));
}

}  // namespace

}  // namespace screen_switching_test
