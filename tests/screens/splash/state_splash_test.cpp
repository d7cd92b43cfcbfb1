#include "screens/splash/state_splash.h"

#include <gtest/gtest.h>

#include "engine/files/pdb_writer.h"
#include "game/game_data.h"
#include "screens/screen_id.h"
#include "support/ui_rig.h"
#include "tools/sampledata/splash_art.h"

namespace state_splash_test {

namespace {

class SplashTest : public UiRigTest {
protected:
    // The rig with the splash screen entered afresh and its first frame run.
    SStateSplash& StartSplash(uint32_t mode = 7) {
        UiRig& rig = Start(mode);
        rig.Game().SwitchState(kSplashScreen);
        rig.Frame();
        return Splash();
    }
    SStateSplash& Splash() { return static_cast<SStateSplash&>(*m_rig->Game().Screen(kSplashScreen)); }
    bool OnSplash() { return m_rig->Game().m_currentScreen == &Splash(); }
    bool OnMenu() { return m_rig->Game().m_currentScreen == m_rig->Game().Screen(kMainMenuScreen); }
    // Frames until the splash leaves its phase; false when it has not after `limit` frames.
    bool RunWhile(SStateSplash::Phase phase, int limit) {
        for (int i = 0; i < limit && OnSplash() && Splash().CurrentPhase() == phase; ++i) m_rig->Frame();
        return !OnSplash() || Splash().CurrentPhase() != phase;
    }
};

TEST_F(SplashTest, theDotsEndInStep93AndTheMenuFollowsTwoSecondsLater) {
    SStateSplash& splash = StartSplash();
    ASSERT_TRUE(RunWhile(SStateSplash::kGrowing, 2000));
    EXPECT_EQ(splash.Steps(), 93u);
    m_rig->Frame();
    ASSERT_EQ(splash.CurrentPhase(), SStateSplash::kHolding);
    // Frames of 40 ms: the hold ends on the first frame 2000 ms after the logo was drawn.
    m_rig->Frames(49);
    EXPECT_TRUE(OnSplash());
    m_rig->Frame();
    EXPECT_TRUE(OnMenu());
}

TEST_F(SplashTest, aStepWaitsForAHundredMilliseconds) {
    SStateSplash& splash = StartSplash();
    const uint32_t before = splash.Steps();
    m_rig->AdvanceClock(19);
    m_rig->Frame();  // 99 ms after the screen was entered
    EXPECT_EQ(splash.Steps(), before);
    m_rig->Frame();  // 139 ms
    EXPECT_EQ(splash.Steps(), before + 1);
}

// A step touches the squares of its dots and nothing else: the sparkles fit in them.
TEST_F(SplashTest, aStepRedrawsOnlyTheSquaresOfItsDots) {
    SStateSplash& splash = StartSplash();
    m_rig->Frames(30);
    for (int frame = 0; frame < 6; ++frame) {
        const std::vector<uint16_t> before = m_rig->Capture();
        m_rig->Frame();
        const std::vector<uint16_t> after = m_rig->Capture();
        for (int y = 0; y < m_rig->Height(); ++y)
            for (int x = 0; x < m_rig->Width(); ++x) {
                const size_t at = size_t(y) * size_t(m_rig->Width()) + size_t(x);
                if (before[at] == after[at]) continue;
                bool onADot = false;
                for (const SSplashTrack& track : SplashTracks(true))
                    for (const SSplashPoint& point : track.points) {
                        const int left = splash.LogoX() + point.x, top = splash.LogoY() + point.y;
                        onADot |= x >= left && x < left + kSplashDotSize && y >= top && y < top + kSplashDotSize;
                    }
                ASSERT_TRUE(onADot) << "pixel " << x << ", " << y << " changed off the dots";
            }
    }
}

TEST_F(SplashTest, theHeldLogoIsAFullRepaint) {
    StartSplash();
    ASSERT_TRUE(RunWhile(SStateSplash::kGrowing, 2000));
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("splash_logo_240x320");
}

enum class Input { kKey, kTap };

struct SkipCase {
    const char* name;
    int framesFirst;  // into the dots, the hold, or none
    Input input;
};

class SplashSkipTest : public SplashTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(SplashSkipTest, aKeyOrTapGoesToTheMenuWithNothingHandedOver) {
    StartSplash(GetParam().framesFirst > 300 ? 8 : 7);
    m_rig->Frames(GetParam().framesFirst);
    ASSERT_TRUE(OnSplash());
    Splash().m_param[2] = 5;
    Splash().m_keep = 1;
    if (GetParam().input == Input::kKey)
        m_rig->Key(3);
    else
        m_rig->PenDown(100, 100);
    ASSERT_TRUE(OnMenu());
    for (uintptr_t word : m_rig->Game().Screen(kMainMenuScreen)->m_param) EXPECT_EQ(word, 0u);
    EXPECT_EQ(m_rig->Game().StackDepth(), 0);
}

INSTANTIATE_TEST_SUITE_P(Phases, SplashSkipTest,
                         ::testing::Values(SkipCase{"keyAtOnce", 0, Input::kKey}, SkipCase{"tapAtOnce", 0, Input::kTap},
                                           SkipCase{"keyDuringTheDots", 100, Input::kKey},
                                           SkipCase{"tapDuringTheDots", 100, Input::kTap},
                                           SkipCase{"keyDuringTheHold", 320, Input::kKey},
                                           SkipCase{"tapDuringTheHoldOnASquareScreen", 320, Input::kTap}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SplashTest, aDragAPenUpOrKeyZeroChangeNothing) {
    SStateSplash& splash = StartSplash();
    m_rig->Frames(10);
    const uint32_t steps = splash.Steps();
    m_rig->Key(0);
    m_rig->PenMove(50, 50);
    m_rig->PenUp(50, 50);
    EXPECT_TRUE(OnSplash());
    EXPECT_EQ(splash.CurrentPhase(), SStateSplash::kGrowing);
    EXPECT_GT(splash.Steps(), steps);
}

TEST_F(SplashTest, halfWayShowsPartOfTheLogo) {
    StartSplash();
    m_rig->Frames(140);
    EXPECT_EQ(Splash().CurrentPhase(), SStateSplash::kGrowing);
    m_rig->Shot("splash_half_240x320");
}

class SplashWithoutAPictureTest : public SplashTest, public ::testing::WithParamInterface<uint16_t> {
protected:
    // The game's interface package swapped for one that holds the splash pictures but one.
    void UsePackageWithout(uint16_t missing) {
        // The test's own program folder, which the fixture names only once it is set up.
        m_folder = SFileFolder();
        SPdbWriter writer;
        writer.Attach(m_folder);
        writer.SetTypeAndCreator("DATA", kPackageCreator);
        for (const auto& [id, picture] : SplashPictures())
            if (id != missing) writer.AddRecord(id, picture.data(), uint32_t(picture.size()));
        ASSERT_TRUE(writer.Write("SplashPictures"));
        auto package = std::make_unique<SPdb>();
        package->Attach(m_folder);
        ASSERT_TRUE(package->Open("SplashPictures"));
        m_rig->Game().m_dataPackage = std::move(package);
    }

    SFileFolder m_folder;
};

TEST_P(SplashWithoutAPictureTest, goesStraightToTheMenu) {
    Start(7);
    UsePackageWithout(GetParam());
    m_rig->Game().SwitchState(kSplashScreen);
    m_rig->Frame();
    EXPECT_TRUE(OnMenu());
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, SplashWithoutAPictureTest,
                         ::testing::Values(4033, 4034, 4035, 3524, 3525, 3526, 3527));

TEST_F(SplashWithoutAPictureTest, theSmallPicturesAloneServeASmallScreen) {
    Start(7);
    UsePackageWithout(3521);
    m_rig->Game().SwitchState(kSplashScreen);
    m_rig->Frame();
    EXPECT_TRUE(OnSplash());
}

}  // namespace

}  // namespace state_splash_test
