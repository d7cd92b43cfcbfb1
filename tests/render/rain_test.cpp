#include "render/rain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "engine/base/random.h"
#include "engine/packages/resource_cache.h"
#include "render_fixture.h"
#include "support/picture_entry.h"
#include "support/test_surface.h"

namespace rain_test {

namespace {

constexpr uint16_t kRainColour = 0xA534;
constexpr uint16_t kBackground = 0x0000;
constexpr int32_t kMillisecond = 0x10000 / 1000;  // of a 16.16 second, truncated

// The rain lives on the heap, as inside the render context: 40 KB of streaks.
std::unique_ptr<SRain> MakeRain() { return std::make_unique<SRain>(); }

// The speed a streak was drawn with, from its vertical velocity.
int32_t DrawnSpeed(const SRain& rain, const SRainStreak& streak) {
    return streak.m_velocityY / (rain.Parameters().cosine >> 8);
}

// Lengths are drawn between the shortest and longest shifted >> 6 and shifted back, speeds between
// the slowest and fastest >> 8.
void ExpectDrawnWithinTheParameters(const SRain& rain, const SRainStreak& streak, const char* when) {
    const SRain::SParameters& p = rain.Parameters();
    EXPECT_GE(streak.m_length, p.shortest >> 6 << 6) << when;
    EXPECT_LE(streak.m_length, p.longest >> 6 << 6) << when;
    EXPECT_EQ(streak.m_length % 64, 0) << when;
    const int32_t speed = DrawnSpeed(rain, streak);
    EXPECT_EQ(streak.m_velocityY, (p.cosine >> 8) * speed) << when;
    EXPECT_EQ(streak.m_velocityX, (p.sine >> 8) * speed) << when;
    EXPECT_GE(speed, p.slowest >> 8) << when;
    EXPECT_LE(speed, p.fastest >> 8) << when;
}

// The 380-wide reference view: lengths of 8 and 20 pixels and speeds of 400 and 600 pixels a second,
// the lengths times cos 10 degrees.
TEST(RainTest, theReferenceViewGivesTheReferenceLengthsAndSpeeds) {
    auto rain = MakeRain();
    SRandom random;
    random.Seed(1);
    rain->SetCount(1, kRainColour, 380, 320, random);
    const SRain::SParameters& p = rain->Parameters();
    EXPECT_EQ(p.sine, 11376);    // sin 10 degrees, 16.16
    EXPECT_EQ(p.cosine, 64544);  // cos 10 degrees
    EXPECT_EQ(p.sideBand, 55);   // 320 x sin 10 degrees
    EXPECT_EQ(p.shortest, 2048 * 252);
    EXPECT_EQ(p.longest, 5120 * 252);
    EXPECT_EQ(p.slowest, 400 << 16);
    EXPECT_EQ(p.fastest, 600 << 16);
}

// Spawned and respawned streaks alike lie between the shortest and longest and the slowest and
// fastest. The speed draw used to pass 32 bits for views wider than about 485 pixels, which gave
// speeds outside the range.
TEST(RainTest, streaksAreDrawnWithinTheirRangesAtEveryWidth) {
    struct Size {
        int w, h;
    };
    for (Size size : {Size{240, 160}, Size{380, 320}, Size{640, 480}, Size{800, 480}}) {
        SCOPED_TRACE(testing::Message() << size.w << "x" << size.h);
        auto rain = MakeRain();
        SRandom random;
        random.Seed(uint32_t(size.w));
        rain->Reset(SRain::kMaxStreaks, kRainColour, size.w, size.h, random);
        int32_t fastestDrawn = 0;
        for (const SRainStreak& streak : rain->Streaks()) {
            ExpectDrawnWithinTheParameters(*rain, streak, "spawned");
            EXPECT_GE(streak.m_x, 0);
            EXPECT_LE(streak.m_x >> 16, size.w - 1);
            EXPECT_GE(streak.m_y, 0);
            EXPECT_LE(streak.m_y >> 16, size.h - 1);
            fastestDrawn = std::max(fastestDrawn, DrawnSpeed(*rain, streak));
        }
        // Two thousand draws come within a hundredth of the fastest.
        const SRain::SParameters& p = rain->Parameters();
        EXPECT_GT(fastestDrawn, (p.fastest >> 8) - ((p.fastest - p.slowest) >> 8) / 100);
        for (int frame = 0; frame < 25; ++frame) rain->Update(40 * kMillisecond, random);
        ASSERT_EQ(rain->Streaks().size(), size_t(SRain::kMaxStreaks));
        for (const SRainStreak& streak : rain->Streaks()) ExpectDrawnWithinTheParameters(*rain, streak, "respawned");
    }
}

// Seed 53812 makes a streak's fourth draw, its speed, the largest: 32767 of 32768. At 800 wide the
// speed draw (b - a) x r then passes 32 bits; formed in 64 bits it gives exactly the fastest.
TEST(RainTest, theLargestDrawAtTheWidestViewGivesExactlyTheFastestSpeed) {
    auto rain = MakeRain();
    SRandom random;
    random.Seed(53812);
    rain->Reset(1, kRainColour, 800, 480, random);
    EXPECT_EQ(DrawnSpeed(*rain, rain->Streaks()[0]), rain->Parameters().fastest >> 8);
}

TEST(RainTest, countsAboveTwoThousandAreTakenAsTwoThousand) {
    auto rain = MakeRain();
    SRandom random;
    random.Seed(4);
    rain->SetCount(5000, kRainColour, 240, 160, random);
    EXPECT_EQ(rain->Streaks().size(), size_t(SRain::kMaxStreaks));
    EXPECT_EQ(rain->WantedCount(), SRain::kMaxStreaks);
    rain->Reset(-3, kRainColour, 240, 160, random);
    EXPECT_TRUE(rain->Streaks().empty());
}

// Positions move by (v >> 10) x (e >> 6): a tenth of a second here.
TEST(RainTest, anUpdateMovesAStreakByItsVelocityTimesTheElapsedTime) {
    auto rain = MakeRain();
    SRandom random;
    random.Seed(2);
    rain->SetCount(1, kRainColour, 200, 300, random);
    SRainStreak& streak = rain->Streaks()[0];
    streak = SRainStreak{5 << 16, 5 << 16, 2 << 16, 13200000, 75600000};
    rain->Update(6554, random);  // 0.1 s: e >> 6 = 102
    EXPECT_EQ(streak.m_x, (5 << 16) + (13200000 >> 10) * 102);
    EXPECT_EQ(streak.m_y, (2 << 16) + (75600000 >> 10) * 102);
    // Time never runs backwards.
    rain->Update(-6554, random);
    EXPECT_EQ(streak.m_x, (5 << 16) + (13200000 >> 10) * 102);
}

// A streak that leaves the view by the bottom starts again within the top twentieth of the width,
// or, when it falls into the side band, down the left edge as far as it fell into the band.
TEST(RainTest, aStreakLeavingTheViewStartsAgainAtTheTopOrTheLeftEdge) {
    auto rain = MakeRain();
    SRandom random;
    random.Seed(9);
    rain->SetCount(1, kRainColour, 380, 320, random);
    SRainStreak& streak = rain->Streaks()[0];
    int fromTheTop = 0, fromTheSide = 0;
    for (int i = 0; i < 400; ++i) {
        streak.m_y = (320 << 16) - 1;
        streak.m_velocityY = 1 << 16;
        rain->Update(1 << 16, random);
        ExpectDrawnWithinTheParameters(*rain, streak, "respawned");
        const int32_t topBand = 380 * 32 / 20 * 2048;
        if (streak.m_y <= topBand) {
            ++fromTheTop;
            EXPECT_LT(streak.m_x >> 16, 380);
        } else {
            ++fromTheSide;
            EXPECT_LE(streak.m_x, topBand);
            EXPECT_LT(streak.m_y >> 16, 320);
        }
    }
    // The side band is 55 pixels of 435.
    EXPECT_GT(fromTheSide, 20);
    EXPECT_GT(fromTheTop, 300);
}

// Where the streaks are after an update that nothing respawns, for knowing which left the view.
SRainStreak Moved(SRainStreak streak, int32_t elapsed) {
    streak.m_x += (streak.m_velocityX >> 10) * (elapsed >> 6);
    streak.m_y += (streak.m_velocityY >> 10) * (elapsed >> 6);
    return streak;
}

bool InView(const SRainStreak& streak, int w, int h) {
    return (streak.m_y >> 16) < h && (streak.m_x >> 16) >= 0 && (streak.m_x >> 16) < w;
}

// A streak is known by its length and velocities, which stay until it respawns.
std::set<std::pair<int32_t, int32_t>> Identities(std::span<const SRainStreak> streaks) {
    std::set<std::pair<int32_t, int32_t>> identities;
    for (const SRainStreak& streak : streaks) identities.insert({streak.m_length, streak.m_velocityY});
    return identities;
}

TEST(RainTest, loweringTheCountRemovesStreaksOnlyAsTheyLeaveTheView) {
    auto rain = MakeRain();
    SRandom random;
    random.Seed(3);
    rain->Reset(40, kRainColour, 120, 90, random);
    rain->SetCount(10, kRainColour, 120, 90, random);
    EXPECT_EQ(rain->Streaks().size(), 40u);
    EXPECT_EQ(rain->WantedCount(), 10);
    constexpr int32_t kElapsed = 10 * kMillisecond;
    for (int frame = 0; frame < 100 && rain->Streaks().size() > 10; ++frame) {
        const std::vector<SRainStreak> before(rain->Streaks().begin(), rain->Streaks().end());
        size_t leaving = 0;
        std::vector<SRainStreak> staying;
        for (const SRainStreak& streak : before) {
            if (InView(Moved(streak, kElapsed), 120, 90))
                staying.push_back(streak);
            else
                ++leaving;
        }
        rain->Update(kElapsed, random);
        EXPECT_EQ(rain->Streaks().size(), std::max<size_t>(before.size() - leaving, 10));
        const auto after = Identities(rain->Streaks());
        for (const SRainStreak& streak : staying) EXPECT_TRUE(after.count({streak.m_length, streak.m_velocityY}));
    }
    EXPECT_EQ(rain->Streaks().size(), 10u);
    // Raising it again spawns at once.
    rain->SetCount(12, kRainColour, 120, 90, random);
    EXPECT_EQ(rain->Streaks().size(), 12u);
}

// A rain drawing surface of 20x10 whose streaks the test places.
class RainDrawTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        surface = std::make_unique<STestSurface>(20, 10, GetParam(), kBackground);
        rain->SetCount(0, kRainColour, 20, 10, random);
    }
    void place(std::vector<SRainStreak> streaks) {
        rain->SetCount(int(streaks.size()), kRainColour, 20, 10, random);
        std::copy(streaks.begin(), streaks.end(), rain->Streaks().begin());
    }
    std::set<std::pair<int, int>> rainPixels() const {
        std::set<std::pair<int, int>> pixels;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 20; ++x) {
                if (surface->At(x, y) == kRainColour) pixels.insert({x, y});
            }
        }
        return pixels;
    }

    std::unique_ptr<SRain> rain = MakeRain();
    SRandom random;
    std::unique_ptr<STestSurface> surface;
};

// Each row moves the column by sin 10 degrees (11376 / 65536 pixel). Row 0 and column 0 are never
// drawn, nor anything past the view's right or bottom edge.
TEST_P(RainDrawTest, aStreakSetsExactlyItsPixels) {
    struct Case {
        const char* name;
        SRainStreak streak;
        std::set<std::pair<int, int>> pixels;
    };
    const Case cases[] = {
        {"fromTheTopRow", {5 << 16, 0x38000, 0, 0, 0}, {{3, 1}, {3, 2}, {4, 3}, {4, 4}}},
        {"alongColumnZero", {6 << 16, 0x8000, 2 << 16, 0, 0}, {{1, 5}, {1, 6}, {1, 7}}},
        {"overTheBottomEdge", {5 << 16, 10 << 16, 8 << 16, 0, 0}, {{10, 8}, {10, 9}}},
        {"overTheRightEdge", {3 << 16, (19 << 16) + 50000, 0, 0, 0}, {{19, 1}}},
        {"halfARowLong", {0x8000, 6 << 16, (4 << 16) + 0x4000, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 20; ++x) *surface->Target().PixelAddress(x, y) = kBackground;
        }
        place({c.streak});
        rain->Draw(surface->Target(), 0);
        EXPECT_EQ(rainPixels(), c.pixels);
        EXPECT_TRUE(surface->GuardsIntact());
    }
}

// Nine tenths behind the first-person item, the rest in front of it: with ten streaks, 0 to 8 and
// then 9.
TEST_P(RainDrawTest, tenStreaksSplitNineAndOneBetweenThePasses) {
    std::vector<SRainStreak> streaks;
    for (int i = 0; i < 10; ++i) streaks.push_back({2 << 16, (i + 2) << 16, 1 << 16, 0, 0});
    place(streaks);
    rain->Draw(surface->Target(), 1);
    std::set<int> columns;
    for (auto [x, y] : rainPixels()) columns.insert(x);
    EXPECT_EQ(columns, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    rain->Draw(surface->Target(), 0);
    columns.clear();
    for (auto [x, y] : rainPixels()) columns.insert(x);
    EXPECT_EQ(columns.count(11), 1u);
}

TEST_P(RainDrawTest, noStreaksDrawNothingInEitherPass) {
    rain->Reset(0, kRainColour, 20, 10, random);
    rain->Draw(surface->Target(), 1);
    rain->Draw(surface->Target(), 0);
    EXPECT_TRUE(rainPixels().empty());
    EXPECT_TRUE(surface->GuardsIntact());
}

// Random rain over a view in any orientation writes only inside it.
TEST_P(RainDrawTest, aFullRainStaysInsideTheView) {
    random.Seed(5);
    rain->Reset(SRain::kMaxStreaks, kRainColour, 20, 10, random);
    for (int frame = 0; frame < 10; ++frame) {
        rain->Update(30 * kMillisecond, random);
        rain->Draw(surface->Target(), 1);
        rain->Draw(surface->Target(), 0);
    }
    EXPECT_FALSE(rainPixels().empty());
    for (int x = 0; x < 20; ++x) EXPECT_EQ(surface->At(x, 0), kBackground);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(surface->At(0, y), kBackground);
    EXPECT_TRUE(surface->GuardsIntact());
}

INSTANTIATE_TEST_SUITE_P(Orientations, RainDrawTest, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return "orientation" + std::to_string(info.param); });

using RenderRainTest = RenderTest;

// The render context takes the rain's parameters from the view and draws it with the frame: the
// first nine tenths under the first-person item, the last tenth over it.
TEST_F(RenderRainTest, theFrameDrawsTheLastTenthOverTheFirstPersonItem) {
    useView(40, 30, 60, 50, 10, 10);
    SRandom random;
    render->SetRainCount(10, kRainColour, random);
    EXPECT_EQ(render->m_rain.Parameters().width, 40);
    EXPECT_EQ(render->m_rain.Parameters().height, 30);
    // Streak 0 and streak 9 fall across the bottom-right quarter, which the item covers.
    std::span<SRainStreak> streaks = render->m_rain.Streaks();
    for (int i = 0; i < 10; ++i) streaks[i] = {10 << 16, (i + 2) << 16, 2 << 16, 0, 0};
    streaks[0] = {10 << 16, 25 << 16, 18 << 16, 0, 0};
    streaks[9] = {10 << 16, 30 << 16, 18 << 16, 0, 0};
    std::vector<std::unique_ptr<SPictureEntry>> pictures;
    pictures.push_back(nullptr);
    // As much of it as a view this small shows of a hand: 24 x 16.
    pictures.push_back(SolidPicture(40, 30, 0x07E0));
    view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
    view.m_fps.m_firstPicture = 1;
    view.m_fps.m_firstWidthPercent = view.m_fps.m_firstHeightPercent = 100;
    view.m_flags = SViewDescriptor::kRain;
    render->RenderFrame();
    EXPECT_EQ(surface->At(10 + 25, 10 + 20), 0x07E0);  // streak 0, under the item
    EXPECT_EQ(surface->At(10 + 30, 10 + 20), kRainColour);
    EXPECT_EQ(surface->At(10 + 3, 10 + 2), kRainColour);  // streak 1, beside the item

    // Without the rain flag the streaks stay but are not drawn.
    surface = std::make_unique<STestSurface>(60, 50, 0);
    render->SetSurface(&surface->Target());
    view.m_flags = 0;
    render->RenderFrame();
    EXPECT_EQ(surface->At(10 + 30, 10 + 20), 0x07E0);
    EXPECT_EQ(surface->At(10 + 3, 10 + 2), kBackground);
}

}  // namespace

}  // namespace rain_test
