// The rain over Eastbrook, as a player meets it: the rain bell's question brings heavy rain at
// once under the hour's rainy sky, and resting rolls the weather anew so that rain comes within a
// few days of rest.
#include <gtest/gtest.h>

#include "data/sky_table.h"
#include "game/game_data.h"
#include "render/view_descriptor.h"
#include "screens/play/rain_weather.h"
#include "screens/play/village_play.h"

namespace village_rain_test {

namespace {

constexpr uint32_t kNorth = 0;
// Weather rolls up to 70 bring no rain; 0 is the clearest sky.
constexpr int32_t kLastDryRoll = 70;
constexpr int32_t kClearRoll = 0;
// A night's rest, as the rest dialog passes it.
constexpr uint32_t kRestHours = 8;

TEST_F(VillageTest, ringingTheRainBellBringsHeavyRain) {
    PlayDriver& driver = StartInTown();
    Play().SetWeatherRain(0);
    ASSERT_EQ(Play().GetRainIntensity(), 0);
    // South of the bell's post, facing its sign.
    StandInTown(3, 5, kNorth);
    Play().SetSkyOverride(nullptr, kClearRoll);
    const uint32_t clearSky = Game().PlayView().m_skyPicture;
    SwitchTo(Play().Interact(-1, 1));
    driver.RunUntilIdle(20);
    ASSERT_EQ(Play().SubMode(), SPlaySubMode::kMessage);
    EXPECT_NE(driver.OpenMessageText().find("Ring the rain bell?"), std::string::npos) << driver.OpenMessageText();
    Play().OnCommand(SDialogMessage::kYes);
    driver.RunUntilIdle(50);
    EXPECT_NE(driver.OpenMessageText().find("the rain comes down"), std::string::npos) << driver.OpenMessageText();
    PlayOnThroughMessages(driver);
    EXPECT_GE(Play().GetRainIntensity(), SRainWeather::kHeavy) << "heavy enough for thunder";
    // The rain falls from the sky a rainy day's roll gives, not from the clear one it found.
    EXPECT_GT(Play().GetWeatherRoll(), kLastDryRoll);
    SSkyView rainy;
    Game().m_skyTable.PickForHour(int(Play().GetHour()), Play().GetWeatherRoll(), rainy);
    EXPECT_EQ(Game().PlayView().m_skyPicture, rainy.pictureSlot);
    EXPECT_NE(Game().PlayView().m_skyPicture, clearSky);
    driver.Frames(30);
    driver.Rig().Shot("village-rain");
}

// Each rest rolls the day's weather anew: from a dry spell, rain falls within three days of rests
// for every seed tried.
TEST_F(VillageTest, restingInTownMeetsRainWithinThreeDays) {
    StartInTown();
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        Game().m_random->Seed(seed);
        Play().SetWeatherRain(0);
        ASSERT_EQ(Play().GetRainIntensity(), 0);
        int rests = 0;
        while (Play().GetRainIntensity() == 0 && rests < 9) {
            Play().PassHours(kRestHours);
            ++rests;
        }
        EXPECT_GT(Play().GetRainIntensity(), 0) << "seed " << seed << " after " << rests << " rests";
    }
}

}  // namespace

}  // namespace village_rain_test
