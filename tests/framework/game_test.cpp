#include "framework/game.h"

#include <string>
#include <vector>

#include "framework/hal_clock.h"
#include "platform/device.h"
#include "support/headless_fixture.h"

namespace game_test {

namespace {

using platform::headless::PushMessage;

// A game that writes down every call the framework makes and stops after a set number of frames.
class RecordingGame : public HAL::Game {
public:
    explicit RecordingGame(int frameLimit = 1) : m_frameLimit(frameLimit) { m_appId = 0x0B45AA23; }

    bool OnFrame() override {
        calls.push_back("frame");
        platform::headless::AdvanceTime(10);
        if (++m_frames >= m_frameLimit) m_quit = 1;
        return HAL::Game::OnFrame();
    }
    void OnShutdown() override { calls.push_back("shutdown"); }
    void OnSuspend() override { calls.push_back("suspend"); }
    void OnResume() override {
        calls.push_back("resume");
        HAL::Game::OnResume();
    }
    void OnKeyDown(uint32_t key) override { calls.push_back("down " + std::to_string(key)); }
    void OnKeyUp(uint32_t key) override { calls.push_back("up " + std::to_string(key)); }
    void OnStylusDown(int32_t x, int32_t y) override { calls.push_back(point("stylus down", x, y)); }
    void OnStylusMove(int32_t x, int32_t y) override { calls.push_back(point("stylus move", x, y)); }
    void OnStylusUp(int32_t x, int32_t y) override { calls.push_back(point("stylus up", x, y)); }

    std::vector<std::string> calls;

private:
    static std::string point(const char* what, int x, int y) {
        return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
    }
    int m_frameLimit;
    int m_frames = 0;
};

class GameLoopTest : public HeadlessTest {};

TEST_F(GameLoopTest, mutexAndWindowClassAreNamedByTheApplicationId) {
    EXPECT_EQ(HAL::FrameworkName(0x0B45AA23), "HAL_FRAMEWORK_0B45AA23");
    EXPECT_EQ(HAL::FrameworkName(0xABC), "HAL_FRAMEWORK_00000ABC");

    RecordingGame game;
    ASSERT_TRUE(game.CreateAppWindow("Brim Vale"));
    ASSERT_EQ(platform::headless::CreatedWindows().size(), 1u);
    EXPECT_EQ(platform::headless::CreatedWindows()[0].className, "HAL_FRAMEWORK_0B45AA23");
    EXPECT_EQ(platform::headless::CreatedWindows()[0].title, "Brim Vale");
}

TEST_F(GameLoopTest, secondInstanceBringsTheFirstForwardAndCreatesNoWindow) {
    RecordingGame first;
    ASSERT_TRUE(first.CreateAppWindow("Brim Vale"));
    HAL::ClearCurrentGame();

    RecordingGame second;
    EXPECT_FALSE(second.CreateAppWindow("Brim Vale"));
    EXPECT_EQ(platform::headless::CreatedWindows().size(), 1u);
    EXPECT_EQ(platform::headless::ForegroundRequests(), std::vector<std::string>{"HAL_FRAMEWORK_0B45AA23"});
}

TEST_F(GameLoopTest, heldKeyGivesOneDownAndOneUp) {
    RecordingGame game;
    ASSERT_TRUE(game.Create());
    PushMessage(platform::kMsgKeyDown, 38, 0);
    PushMessage(platform::kMsgKeyDown, 38, platform::kKeyWasDownBit);
    PushMessage(platform::kMsgKeyDown, 38, platform::kKeyWasDownBit);
    PushMessage(platform::kMsgKeyUp, 38, 0);
    EXPECT_TRUE(game.MessageLoop());
    EXPECT_EQ(game.calls, (std::vector<std::string>{"down 38", "up 38", "frame", "shutdown"}));
}

TEST_F(GameLoopTest, stylusCoordinatesAreTheTwoHalvesOfTheMessage) {
    RecordingGame game;
    ASSERT_TRUE(game.Create());
    PushMessage(platform::kMsgLButtonDown, 0, platform::PackPoint(101, 57));
    PushMessage(platform::kMsgMouseMove, 0, platform::PackPoint(239, 319));
    PushMessage(platform::kMsgLButtonUp, 0, platform::PackPoint(0, 0));
    game.MessageLoop();
    EXPECT_EQ(game.calls, (std::vector<std::string>{"stylus down 101,57", "stylus move 239,319", "stylus up 0,0",
                                                    "frame", "shutdown"}));
}

TEST_F(GameLoopTest, noFramesWhileInactiveAndResumeRestartsKeepAwake) {
    RecordingGame game(2);
    ASSERT_TRUE(game.Create());
    PushMessage(platform::kMsgActivate, 0);
    size_t callsWhenWaiting = 0;
    platform::headless::SetWaitHook([&] {
        callsWhenWaiting = game.calls.size();
        // Long enough away that a keep-awake would be due at once, were the interval not restarted.
        platform::headless::AdvanceTime(60'000);
        PushMessage(platform::kMsgActivate, 1);
    });

    game.MessageLoop();

    EXPECT_EQ(callsWhenWaiting, 1u) << "no frame may run while the window is inactive";
    EXPECT_EQ(game.calls, (std::vector<std::string>{"suspend", "resume", "frame", "frame", "shutdown"}));
    EXPECT_EQ(platform::headless::IdleTimerResets(), 0);
    EXPECT_EQ(game.m_lastKeepAwake, HAL::GetTime() - 20);
}

TEST_F(GameLoopTest, keepAwakeRunsEveryFiveSecondsOfFrames) {
    RecordingGame game(1000);  // 1000 frames of 10 ms: ten seconds
    ASSERT_TRUE(game.Create());
    game.MessageLoop();
    EXPECT_EQ(platform::headless::IdleTimerResets(), 2);
}

TEST_F(GameLoopTest, closeDestroysTheWindowAndEndsTheLoop) {
    RecordingGame game(100);
    ASSERT_TRUE(game.Create());
    PushMessage(platform::kMsgClose);
    EXPECT_TRUE(game.MessageLoop());
    EXPECT_EQ(game.calls, std::vector<std::string>{"shutdown"});
}

struct ScreenCase {
    int width, height;
    bool topmost;
    int windowHeight;
    bool keepsAwake;
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.width << "x" << c.height; }

class ScreenSizeTest : public HeadlessTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenSizeTest, windowStyleAndKeepAwakeFollowTheScreen) {
    const ScreenCase& c = GetParam();
    platform::SetDeviceScreen(c.width, c.height);
    RecordingGame game(501);  // a little over five seconds of frames
    ASSERT_TRUE(game.Create());
    game.MessageLoop();

    const auto& window = platform::headless::CreatedWindows().at(0);
    EXPECT_EQ(window.extendedStyle == platform::kWindowTopmost, c.topmost);
    EXPECT_EQ(window.width, c.width);
    EXPECT_EQ(window.height, c.windowHeight);
    EXPECT_EQ(platform::headless::IdleTimerResets(), c.keepsAwake ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllScreens, ScreenSizeTest,
    ::testing::Values(ScreenCase{240, 320, false, 320, true}, ScreenCase{320, 240, false, 240, true},
                      ScreenCase{480, 640, false, 640, true}, ScreenCase{640, 480, false, 480, true},
                      ScreenCase{240, 240, false, 240, true}, ScreenCase{480, 480, false, 480, true},
                      ScreenCase{800, 480, true, 480, false}, ScreenCase{800, 600, true, 584, false},
                      ScreenCase{640, 240, true, 240, false}),
    [](const auto& info) { return std::to_string(info.param.width) + "x" + std::to_string(info.param.height); });

class ClockTest : public HeadlessTest {};

TEST_F(ClockTest, elapsedTimeSurvivesTheWrapOfTheMillisecondValue) {
    platform::headless::SetCounterFrequency(1000);
    platform::headless::SetCounter(0xFFFFFFF0);
    HAL::Clock clock;
    uint32_t before = clock.Now();
    platform::headless::AdvanceTime(0x30);
    uint32_t after = clock.Now();
    EXPECT_LT(after, before);
    EXPECT_EQ(after - before, 0x30u);
}

TEST_F(ClockTest, counterIsDividedIntoMilliseconds) {
    platform::headless::SetCounterFrequency(3'000'000);
    platform::headless::SetCounter(3'000'000ull * 5000);
    HAL::Clock clock;
    EXPECT_EQ(clock.Now(), 5'000'000u);
}

TEST_F(ClockTest, withoutACounterTheTickCountServes) {
    platform::headless::SetCounterFrequency(0);
    platform::headless::SetTickCount(1234);
    HAL::Clock clock;
    EXPECT_EQ(clock.Now(), 1234u);
}

TEST_F(ClockTest, aCounterSlowerThanAMillisecondIsNotUsed) {
    platform::headless::SetCounterFrequency(999);
    platform::headless::SetTickCount(77);
    HAL::Clock clock;
    EXPECT_EQ(clock.Now(), 77u);
}

}  // namespace

}  // namespace game_test
