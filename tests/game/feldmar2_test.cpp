#include "game/feldmar2.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/drivers/video_detect.h"
#include "framework/hal_clock.h"
#include "game/brimvale_main.h"
#include "game/game_data.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "screens/play/state_game.h"
#include "support/temp_folder.h"
#include "support/test_window.h"

namespace feldmar2_test {

namespace {

struct ModeCase {
    uint32_t width, height, startMode;
    uint32_t mode;
    bool keyboard;
    uint32_t interval, storedHeight;
};

TEST(ScreenModeTest, eachScreenSizeHasItsModeAndPace) {
    const ModeCase rows[] = {
        {480, 640, 0, 10, false, 30, 640},
        {480, 640, 1, 9, false, 30, 640},
        {640, 480, 0, 10, false, 30, 480},
        {640, 480, 2, 9, false, 30, 480},
        {240, 320, 0, 7, false, 40, 320},
        {240, 320, 1, 6, false, 40, 320},
        {320, 240, 0, 7, false, 40, 240},
        {320, 240, 1, 6, false, 40, 240},
        {240, 240, 1, 8, false, 40, 240},
        {480, 480, 0, 11, false, 30, 480},
        {800, 480, 0, 14, true, 30, 480},
        {800, 600, 1, 15, true, 30, 584},
        {640, 240, 0, 16, true, 40, 240},
        // No orientation the settings know: portrait.
        {240, 320, 7, 7, false, 40, 320},
        {640, 480, 3, 10, false, 30, 480},
    };
    for (const ModeCase& row : rows) {
        const SScreenChoice choice = ChooseScreenMode(row.width, row.height, row.startMode);
        const std::string what = std::to_string(row.width) + "x" + std::to_string(row.height) + " start " +
                                 std::to_string(row.startMode);
        EXPECT_TRUE(choice.supported) << what;
        EXPECT_EQ(choice.screenMode, row.mode) << what;
        EXPECT_EQ(choice.keyboard, row.keyboard) << what;
        EXPECT_EQ(choice.frameInterval, row.interval) << what;
        EXPECT_EQ(choice.height, row.storedHeight) << what;
    }
    EXPECT_TRUE(ChooseScreenMode(320, 240, 0).landscapeNative);
    EXPECT_FALSE(ChooseScreenMode(240, 320, 0).landscapeNative);
    EXPECT_FALSE(ChooseScreenMode(1024, 768, 0).supported);
}

class MainTest : public TempFolderTest {};

TEST_F(MainTest, anUnsupportedScreenSaysSoAndEndsWithAFailure) {
    const char* argv[] = {"brimvale", "--screen", "1024x768"};
    EXPECT_NE(BrimvaleMain(3, argv), 0);
    ASSERT_EQ(platform::headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(platform::headless::MessageBoxes()[0].text, "The screen resolution isn't supported.");
    EXPECT_EQ(platform::headless::MessageBoxes()[0].caption, "Error");
}

// They answered "unknown option" with status 2; they answer on the standard output, with status
// 0, and open no window.
TEST_F(MainTest, helpAndVersionAnswerWithoutAWindow) {
    struct Row {
        const char* option;
        const char* answer;
    };
    for (const Row& row :
         {Row{"--help", "usage: brimvale"}, Row{"-h", "usage: brimvale"}, Row{"--version", "Brim Vale 1.01\n"}}) {
        const char* argv[] = {"brimvale", row.option};
        testing::internal::CaptureStdout();
        EXPECT_EQ(BrimvaleMain(2, argv), 0) << row.option;
        const std::string shown = testing::internal::GetCapturedStdout();
        EXPECT_NE(shown.find(row.answer), std::string::npos) << row.option << ": " << shown;
    }
    EXPECT_TRUE(platform::headless::CreatedWindows().empty());
}

// 16384x16384 asked the desktop for a window of gigabytes, which hung before the game could
// refuse the size; 99999999999 overflowed. Both are refused before any window.
TEST_F(MainTest, anAbsurdScreenSizeIsRefusedBeforeAWindowIsMade) {
    for (const char* size : {"16384x16384", "99999999999x1", "4097x320"}) {
        const char* argv[] = {"brimvale", "--screen", size};
        testing::internal::CaptureStderr();
        EXPECT_EQ(BrimvaleMain(3, argv), 2) << size;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("each from 1 to 4096"), std::string::npos) << said;
    }
    EXPECT_TRUE(platform::headless::CreatedWindows().empty());
}

// A start that gets no window of its own (here the game runs already) ended with status 0.
TEST_F(MainTest, aStartWithoutAWindowOfItsOwnEndsWithAFailure) {
    platform::headless::AddExistingMutex(HAL::FrameworkName(Feldmar2::kAppId));
    const char* argv[] = {"brimvale", "--screen", "240x320"};
    EXPECT_NE(BrimvaleMain(3, argv), 0);
    EXPECT_TRUE(platform::headless::CreatedWindows().empty());
}

TEST_F(MainTest, aMissingInterfacePackageIsNamedWithItsFolder) {
    const char* argv[] = {"brimvale", "--screen", "240x320"};
    EXPECT_NE(BrimvaleMain(3, argv), 0);
    ASSERT_EQ(platform::headless::MessageBoxes().size(), 1u);
    const std::string& text = platform::headless::MessageBoxes()[0].text;
    EXPECT_NE(text.find("BrimvaleData.pdb"), std::string::npos) << text;
    EXPECT_NE(text.find(Folder()), std::string::npos) << text;
}

// The play screen, writing down the actions and taps it receives.
class RecordingPlayScreen : public SStateGame {
public:
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override { SState::Enter(p1, p2, p3, p4); }
    uint32_t OnKey(uint32_t key) override {
        log.push_back("key " + std::to_string(key));
        return 0;
    }
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override {
        log.push_back("pen " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(down) +
                      std::to_string(drag));
        return 0;
    }
    uint32_t OnTick(uint32_t) override { return 0; }
    std::vector<std::string> log;
};

// A main game class over a game object whose current screen is a recording play screen, drawn on
// a headless 240x320 device.
class Feldmar2Test : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        HAL::VideoDetect::Forget();
        platform::Window* window = OpenTestWindow(240, 320);
        auto game = std::make_unique<SGameData>();
        game->m_screenMode = 7;
        game->m_display = std::make_unique<SDisplay>();
        game->m_display->Init(window, 240, 320, 7);
        game->SetDisplayMode(true);
        auto screen = std::make_unique<RecordingPlayScreen>();
        play = screen.get();
        game->SetScreen(kPlayScreen, std::move(screen));
        play->Init(game.get());
        game->SwitchState(kPlayScreen);
        app.AdoptGame(std::move(game));
    }
    void TearDown() override {
        app.AdoptGame(nullptr);
        HAL::VideoDetect::Forget();
        HeadlessTest::TearDown();
    }
    // Runs paced frames for the given time.
    void runFor(uint32_t milliseconds) {
        const uint32_t end = HAL::GetTime() + milliseconds;
        while (int32_t(HAL::GetTime() - end) < 0) app.OnFrame();
    }
    int count(const std::string& entry) const { return int(std::count(play->log.begin(), play->log.end(), entry)); }

    Feldmar2 app;
    RecordingPlayScreen* play = nullptr;
};

TEST_F(Feldmar2Test, keysMapThroughTheTableOfTheOrientation) {
    EXPECT_EQ(app.MapKey(platform::kVkUp), 1000u);
    EXPECT_EQ(app.MapKey(platform::kVkReturn), 3006u);
    EXPECT_EQ(app.MapKey(platform::kVkApp4), 3000u);
    EXPECT_EQ(app.MapKey('W'), 0u);
    app.Game()->m_display->SetOrientation(1);
    EXPECT_EQ(app.MapKey(platform::kVkUp), 1004u);
    app.Game()->m_display->SetOrientation(2);
    EXPECT_EQ(app.MapKey(platform::kVkUp), 1006u);
    EXPECT_EQ(app.MapKey(platform::kVkApp1), 3000u);
}

TEST_F(Feldmar2Test, keyboardsMapLettersOfEitherCaseToThePositionsAction) {
    app.m_keyboard = 1;
    uint32_t* keys = app.Game()->m_settings.keys;
    const uint32_t letters[9] = {'w', 's', 'q', 'e', ' ', 'c', 13, 'a', 'd'};
    std::copy(std::begin(letters), std::end(letters), keys);
    EXPECT_EQ(app.MapKey('C'), 3001u);
    EXPECT_EQ(app.MapKey('W'), 1000u);
    EXPECT_EQ(app.MapKey(platform::kVkReturn), 3000u);
    // The arrows move and turn as on every screen, unless a row binds them to something else.
    EXPECT_EQ(app.MapKey(platform::kVkUp), 1000u);
    EXPECT_EQ(app.MapKey(platform::kVkDown), 1002u);
    EXPECT_EQ(app.MapKey(platform::kVkLeft), 1004u);
    EXPECT_EQ(app.MapKey(platform::kVkRight), 1006u);
    keys[7] = platform::kVkLeft;
    EXPECT_EQ(app.MapKey(platform::kVkLeft), 3004u);
    EXPECT_EQ(app.MapKey(platform::kVkApp1), 0u);
}

TEST_F(Feldmar2Test, aHeldMovementKeyRepeatsWhileThePlayScreenIsIdle) {
    app.OnKeyDown(platform::kVkUp);
    EXPECT_EQ(count("key 1000"), 1);
    runFor(100);
    const int repeats = count("key 1000") - 1;
    EXPECT_GE(repeats, 2);
    EXPECT_LE(repeats, 4);

    play->m_moving = 1;
    runFor(100);
    EXPECT_EQ(count("key 1000") - 1, repeats) << "no repeat while a step is animated";
    play->m_moving = 0;

    app.OnKeyDown(platform::kVkReturn);
    app.OnKeyUp(platform::kVkReturn);
    const int beforeRelease = count("key 1000");
    runFor(100);
    EXPECT_EQ(count("key 1000"), beforeRelease) << "releasing any bound key ends the repeat";
    EXPECT_EQ(count("key 3006"), 1) << "use is sent once and not repeated";
}

// No device button refuses; on a desktop Escape does, for the dialogs' Cancel and No.
TEST_F(Feldmar2Test, escapeSendsTheRefuseKey) {
    app.OnKeyDown(platform::kVkEscape);
    EXPECT_EQ(count("key 3007"), 1);
}

TEST_F(Feldmar2Test, aBoundLetterHeldOnAKeyboardRepeats) {
    app.m_keyboard = 1;
    app.Game()->m_settings.keys[5] = 'c';
    app.OnKeyDown('C');
    platform::headless::SetKeyDown('C', true);
    runFor(100);
    platform::headless::SetKeyDown('C', false);
    EXPECT_GE(count("key 3001"), 3);
}

TEST_F(Feldmar2Test, anArrowHeldOnAKeyboardRepeats) {
    app.m_keyboard = 1;
    app.OnKeyDown(platform::kVkUp);
    EXPECT_EQ(count("key 1000"), 1);
    platform::headless::SetKeyDown(platform::kVkUp, true);
    runFor(100);
    platform::headless::SetKeyDown(platform::kVkUp, false);
    EXPECT_GE(count("key 1000"), 3);
}

TEST_F(Feldmar2Test, tapsAreRoundedToEvenAndAHeldStylusRepeatsWhereItWas) {
    app.OnStylusDown(101, 57);
    EXPECT_EQ(play->log.front(), "pen 100,56 10");
    runFor(100);
    EXPECT_GE(count("pen 101,57 10"), 2) << "the repeat uses the position as the window gave it";
    app.OnStylusUp(101, 57);
    const size_t before = play->log.size();
    runFor(100);
    EXPECT_EQ(play->log.back(), "pen 100,56 00");
    EXPECT_EQ(play->log.size(), before);
}

TEST_F(Feldmar2Test, inputBeforeTheGameObjectExistsIsIgnored) {
    Feldmar2 early;
    early.OnKeyDown(platform::kVkUp);
    early.OnStylusDown(3, 4);
    early.OnKeyUp(platform::kVkUp);
    EXPECT_EQ(early.m_heldAction, 0);
    EXPECT_EQ(early.m_stylusHeld, 1);  // the stored stylus state still follows the events
}

}  // namespace

}  // namespace feldmar2_test
