// The clock, passing time and the weather, through the play driver on the sample world.
#include <gtest/gtest.h>

#include <set>

#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/sky_table.h"
#include "engine/base/string.h"
#include "platform/headless/headless.h"
#include "screens/play/sample_world_play.h"

namespace play_time_test {

namespace {

constexpr uint32_t kHour = 60;
constexpr uint32_t kDay = 24 * kHour;
constexpr int64_t kWallClock = 1'700'000'000;

class PlayTimeTest : public SampleWorldPlayTest {
protected:
    // The picture slots of the sample skies whose names begin so.
    std::set<uint16_t> skySlots(const char* prefix, std::initializer_list<const char*> names) {
        std::set<uint16_t> slots;
        for (const char* name : names) {
            SSkyView view;
            EXPECT_TRUE(Game().m_skyTable.Get((std::string(prefix) + name).c_str(), view)) << prefix << name;
            slots.insert(uint16_t(view.pictureSlot));
        }
        return slots;
    }
    uint16_t skyShown() { return Game().PlayView().m_skyPicture; }
    void toSurface() {
        Play().TravelToPosition("base_surface", 0);
        ASSERT_NE(Play().m_currentMap, nullptr);
        ASSERT_TRUE(Play().OnSurface());
    }
    // Counts the thunder claps and flashes over `seconds` wall-clock seconds, `minutes` game
    // minutes a second, and answers the seconds at which thunder came.
    std::vector<int64_t> thunderOver(int seconds, int minutes) {
        std::vector<int64_t> times;
        for (int second = 0; second < seconds; ++second) {
            platform::headless::SetLocalTime(kWallClock + second);
            for (int minute = 0; minute < minutes; ++minute) {
                const uint32_t before = Play().m_lastThunder;
                Play().UpdateWeather(false);
                if (Play().m_lastThunder != before) times.push_back(second);
            }
        }
        return times;
    }
};

TEST_F(PlayTimeTest, theClockFormatsItsTimeAndDayAsTheMapDialogAndTheSlotListShowThem) {
    StartSampleWorld();
    struct Row {
        uint32_t minutes;
        const char* time;
        const char* dayTime;
    };
    const Row kRows[] = {{0, "12:00 am", "Day 1, 12:00 am"},
                         {59, "12:59 am", "Day 1, 12:59 am"},
                         {720, "12:00 pm", "Day 1, 12:00 pm"},
                         {780, "1:00 pm", "Day 1, 1:00 pm"},
                         {880, "2:40 pm", "Day 1, 2:40 pm"},
                         {kDay - 1, "11:59 pm", "Day 1, 11:59 pm"},
                         {2 * kDay + 19 * kHour + 5, "7:05 pm", "Day 3, 7:05 pm"}};
    for (const Row& row : kRows) {
        Play().m_minutes = row.minutes;
        SString time, dayTime;
        Play().FormatTime(time);
        Play().FormatDayTime(dayTime);
        EXPECT_STREQ(time.Text(), row.time) << row.minutes;
        EXPECT_STREQ(dayTime.Text(), row.dayTime) << row.minutes;
    }
}

TEST_F(PlayTimeTest, dayRunsFromSixUntilTenAtNightAndTheSpansSinceCountNothingBackwards) {
    StartSampleWorld();
    const std::pair<uint32_t, bool> kHours[] = {
        {5 * kHour + 59, false}, {6 * kHour, true}, {21 * kHour + 59, true}, {22 * kHour, false}, {0, false}};
    for (auto [minutes, day] : kHours) {
        Play().m_minutes = kDay + minutes;
        EXPECT_EQ(Play().IsDay(), day) << minutes;
        EXPECT_EQ(Play().IsNight(), !day) << minutes;
    }
    Play().m_minutes = 3 * kDay + 90;
    EXPECT_EQ(Play().GetDay(), 4u);
    EXPECT_EQ(Play().GetHour(), 1u);
    EXPECT_EQ(Play().GetMinuteOfHour(), 30u);
    EXPECT_STREQ(Play().GetAmPm(), "am");
    EXPECT_EQ(Play().MinutesSince(3 * kDay), 90u);
    EXPECT_EQ(Play().HoursSince(kDay), 49u);
    EXPECT_EQ(Play().DaysSince(kDay - 1), 2u);
    EXPECT_EQ(Play().MinutesSince(4 * kDay), 0u) << "a time ahead of the clock";
    EXPECT_EQ(Play().DaysSince(5 * kDay), 0u);
}

TEST_F(PlayTimeTest, eachTickIsOneMinuteWithItsWeatherAndANewDayClearsTheMarksOnce) {
    StartSampleWorld();
    SPlacedObject* door = Play().m_currentMap->FindObject(1);
    ASSERT_NE(door, nullptr);
    Play().m_minutes = kDay - 2;
    door->flags |= SPlacedObject::kRestocked;
    Play().TickMinute();
    EXPECT_EQ(Play().m_minutes, kDay - 1);
    EXPECT_NE(door->flags & SPlacedObject::kRestocked, 0) << "the same day";
    Play().TickMinute();
    EXPECT_EQ(door->flags & SPlacedObject::kRestocked, 0) << "midnight";

    struct Span {
        uint32_t from, hours;
        bool cleared;
    };
    const Span kSpans[] = {{10 * kHour, 2, false}, {23 * kHour, 2, true}, {23 * kHour, 48, true}};
    for (const Span& span : kSpans) {
        Play().m_minutes = span.from;
        door->flags |= SPlacedObject::kRestocked;
        Play().PassHours(span.hours);
        EXPECT_EQ(Play().m_minutes, span.from + span.hours * kHour);
        EXPECT_EQ((door->flags & SPlacedObject::kRestocked) == 0, span.cleared) << span.from << "+" << span.hours;
    }
    Play().m_minutes = 10 * kHour;
    Play().PassTime(1, 2, 3);
    EXPECT_EQ(Play().m_minutes, kDay + 12 * kHour + 3);
}

TEST_F(PlayTimeTest, passingHoursOverSixOrTenAtNightChangesTheSkyOnTheSameDayAndOtherHoursLeaveIt) {
    StartSampleWorld();
    toSurface();
    const std::set<uint16_t> day = skySlots("bres_sky-day", {"", "cloud", "rain"});
    const std::set<uint16_t> dusk = skySlots("bres_sky-dusk", {"", "cloud", "rain"});
    const std::set<uint16_t> night = skySlots("bres_sky-night", {"", "cloud", "rain"});
    Play().m_minutes = 2 * kDay + 4 * kHour;
    Play().UpdateSkyAndFog(true);
    ASSERT_TRUE(night.count(skyShown())) << "4 am";
    Play().PassHours(2);
    const uint16_t dawn = skyShown();
    EXPECT_TRUE(dusk.count(dawn) || day.count(dawn)) << "dawn at 6 am";
    // Neither a new day nor night: the sky is left as it was.
    Play().m_minutes = 2 * kDay + 10 * kHour;
    Play().PassHours(2);
    EXPECT_EQ(skyShown(), dawn) << "noon";
    Play().m_minutes = 2 * kDay + 21 * kHour;
    Play().PassHours(1);
    EXPECT_TRUE(night.count(skyShown())) << "10 pm";
}

TEST_F(PlayTimeTest, aRollAboveSeventyStartsRainWhichTheRendererAndTheLoopFollow) {
    StartSampleWorld();
    toSurface();
    const std::pair<int32_t, int32_t> kRolls[] = {{70, 0}, {71, 275}, {99, 975}, {0, 0}};
    for (auto [roll, intensity] : kRolls) {
        Play().RollWeather(roll);
        EXPECT_EQ(Play().GetWeatherRoll(), roll);
        EXPECT_EQ(Play().GetRainIntensity(), intensity) << roll;
        EXPECT_EQ(Play().RainChannel() != 0, intensity != 0) << roll;
    }
    // A script speaks of rain in tenths.
    Play().SetWeatherRain(40);
    EXPECT_EQ(Play().GetRainIntensity(), 400);
    EXPECT_EQ(Play().WeatherRain(), 40);
    Play().SetWeatherCloud("bres_sky-thunder", 250);
    EXPECT_EQ(Play().GetWeatherRoll(), 100) << "a script's roll is held to 0..100";
}

TEST_F(PlayTimeTest, thunderComesOnlyInHeavyRainAtMostOnceInTenSecondsAndNeverUnderground) {
    StartSampleWorld();
    toSurface();
    Play().RollWeather(99);
    const std::vector<int64_t> times = thunderOver(60, 30);
    ASSERT_GE(times.size(), 2u) << "heavy rain thunders";
    for (size_t i = 1; i < times.size(); ++i) EXPECT_GT(times[i] - times[i - 1], 10) << i;
    EXPECT_FALSE(LinesOf("bsnd_thunderclose").empty() && LinesOf("bsnd_thunderfar").empty());

    // Just below heavy, for as long as it holds there.
    Play().m_rain = {};
    Play().m_rain.intensity = 499;
    Play().m_rain.countdown = SRainWeather::kDrySpell;
    Play().m_lastThunder = 0;
    EXPECT_TRUE(thunderOver(60, 30).empty());

    Play().RollWeather(99);
    Play().TravelToPosition("base_cave", 0);
    ASSERT_FALSE(Play().OnSurface());
    Play().m_lastThunder = 0;
    EXPECT_TRUE(thunderOver(60, 30).empty());
    EXPECT_EQ(Play().m_thunder, 0u);
}

TEST_F(PlayTimeTest, theFlashShowsTheThunderSkyUntilTheNextSecondAndAFarThunderSoundsAsItEnds) {
    PlayDriver& driver = StartSampleWorld();
    toSurface();
    SSkyView thunderSky;
    ASSERT_TRUE(Game().m_skyTable.Get("bres_sky-thunder", thunderSky));
    Play().RollWeather(99);
    Sounds().Clear();
    for (int64_t second = 0; Play().m_thunder == 0 && second < 1000; ++second) {
        platform::headless::SetLocalTime(kWallClock + second * 11);
        Play().UpdateWeather(false);
    }
    ASSERT_EQ(Play().m_thunder, 1u);
    EXPECT_EQ(skyShown(), thunderSky.pictureSlot);
    const bool far = Play().m_farThunder != 0;
    EXPECT_EQ(LinesOf("bsnd_thunderclose").size(), far ? 0u : 1u);
    driver.Frame();
    EXPECT_EQ(Play().m_thunder, 1u) << "the same second";
    platform::headless::SetLocalTime(int64_t(Play().m_lastThunder) + 1);
    driver.Frame();
    EXPECT_EQ(Play().m_thunder, 0u);
    EXPECT_NE(skyShown(), thunderSky.pictureSlot);
    EXPECT_EQ(LinesOf("bsnd_thunderfar").size(), far ? 1u : 0u);
}

}  // namespace

}  // namespace play_time_test
