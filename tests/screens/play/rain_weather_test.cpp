#include "screens/play/rain_weather.h"

#include <gtest/gtest.h>

#include "engine/base/random.h"

namespace rain_weather_test {

namespace {

TEST(RainWeatherTest, aRollStartsRainOnlyAboveSeventyAndAimsWithinRange) {
    struct Row {
        int32_t roll, intensity;
    };
    const Row kRows[] = {{0, 0}, {70, 0}, {71, 275}, {80, 500}, {99, 975}};
    SRandom random;
    random.Seed(7);
    for (const Row& row : kRows) {
        for (int i = 0; i < 50; ++i) {
            SRainWeather rain;
            rain.Roll(row.roll, random);
            EXPECT_EQ(rain.intensity, row.intensity) << row.roll;
            if (row.intensity == 0) {
                EXPECT_EQ(rain.countdown, SRainWeather::kDrySpell) << row.roll;
                EXPECT_EQ(rain.direction, 0) << row.roll;
                continue;
            }
            EXPECT_GE(rain.target, row.intensity - 100) << row.roll;
            EXPECT_LE(rain.target, std::min(row.intensity + 99, 1000)) << row.roll;
            EXPECT_GE(rain.countdown, 300) << row.roll;
            EXPECT_LT(rain.countdown, 600) << row.roll;
            EXPECT_EQ(rain.direction, rain.intensity < rain.target ? 1 : rain.intensity > rain.target ? -1 : 0);
        }
    }
}

TEST(RainWeatherTest, aDrySpellLastsItsCountdownThenRainRisesTowardsATargetOfAtLeast300) {
    SRandom random;
    random.Seed(3);
    SRainWeather rain;
    rain.Roll(10, random);
    for (int minute = 0; minute < SRainWeather::kDrySpell; ++minute) rain.Drift(random);
    EXPECT_EQ(rain.countdown, 0);
    EXPECT_EQ(rain.direction, 0);
    rain.Drift(random);
    EXPECT_EQ(rain.intensity, 0);
    EXPECT_GE(rain.target, 300);
    EXPECT_EQ(rain.direction, 1);
}

// The drift once ran away when a new target equalled the intensity: the direction became -1, the
// intensity never met its target again and fell below 0 without end.
TEST(RainWeatherTest, driftRunawayBelowZeroCannotHappenWhenTheTargetEqualsTheIntensity) {
    SRandom random;
    random.Seed(11);
    SRainWeather rain;
    rain.intensity = 300;
    rain.target = 300;
    rain.direction = -1;  // what the old rule left behind
    rain.countdown = 0;
    for (int minute = 0; minute < 200000; ++minute) {
        rain.Drift(random);
        ASSERT_GE(rain.intensity, 0) << minute;
        ASSERT_LE(rain.intensity, 1000) << minute;
        ASSERT_GE(rain.target, 300) << "drift targets stay at 300 or more until the next roll";
        // A direction always leads to the target, or there is none.
        ASSERT_EQ(rain.direction, rain.intensity < rain.target ? 1 : rain.intensity > rain.target ? -1 : 0) << minute;
    }
}

TEST(RainWeatherTest, whateverALoadedOrScriptedRainHoldsTheIntensityStaysWithinRange) {
    SRandom random;
    random.Seed(5);
    const int32_t kStarts[][3] = {{1000, 1000, 1}, {0, 0, -1}, {1000, 500, 1}, {0, 900, -1}};
    for (const auto& start : kStarts) {
        SRainWeather rain;
        rain.intensity = start[0];
        rain.target = start[1];
        rain.direction = start[2];
        for (int minute = 0; minute < 5000; ++minute) {
            rain.Drift(random);
            ASSERT_GE(rain.intensity, 0);
            ASSERT_LE(rain.intensity, 1000);
        }
    }
    SRainWeather held;
    held.Hold(5000, random);
    EXPECT_EQ(held.intensity, 1000);
    EXPECT_EQ(held.direction, 0) << "a script's rain holds until its countdown runs out";
    held.Hold(0, random);
    EXPECT_EQ(held.countdown, SRainWeather::kDrySpell);
}

}  // namespace

}  // namespace rain_weather_test
