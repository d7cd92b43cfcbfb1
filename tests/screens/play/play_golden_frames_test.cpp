// The sample world's 3-D view as the play screen draws it, compared exactly with frames looked at
// and kept: Eastbrook by day, at night and in rain, a townsman in front after a night's rest, the
// cellar's banner from in front and from a cell back, a door opened with no key pressed after, the
// lever room, a pile on the floor and a fight in progress. A change to any of them is seen here
// first; the file a failing frame names shows what changed.
#include <gtest/gtest.h>

#include <string>

#include "data/maps/creature.h"
#include "game/feldmar2.h"
#include "screens/play/rain_weather.h"
#include "screens/play/village_play.h"
#include "support/golden_frame.h"
#include "support/png_writer.h"
#include "support/view_probe.h"

namespace play_golden_frames_test {

namespace {

constexpr uint32_t kNorth = 0, kWest = 90, kEast = 270;
constexpr int32_t kClearSky = 0, kRainySky = 90;  // weather rolls
constexpr int32_t kMostRain = 100;                // as a script sets it
constexpr uint32_t kMorning = 9, kNoon = 12, kMidnight = 0;
// A town section's cell (x, y) lies at (x + 7, y + 7) on the grid.
constexpr int kSectionBorder = 7;

class PlayGoldenFramesTest : public VillageTest {
protected:
    // The player on grid cell (x, y) facing `heading`.
    void StandAt(int x, int y, uint32_t heading) {
        Play().m_playerX = x;
        Play().m_playerY = y;
        Play().m_fractionX = Play().m_fractionY = SStateGame::kCellCentre;
        Play().m_heading = heading;
        Play().UpdatePersonsInView();
    }
    // The clock moved on to the next time it shows the hour, under a clear sky without rain.
    void ClearSkyAt(uint32_t hour) {
        Play().PassHours((hour + 24 - Play().GetHour()) % 24);
        Play().SetWeatherRain(0);
        Play().SetSkyOverride(nullptr, kClearSky);
    }
    void ExpectView(const std::string& name, const ViewShot& shot) {
        shot.Keep("play-" + name);
        ExpectGolden("play-" + name, shot.pixels, shot.width, shot.height);
    }
    // The view drawn afresh, as a key would have it.
    void ExpectRedrawnView(const std::string& name) { ExpectView(name, RedrawView(*m_driver)); }
};

// Up Eastbrook's main street from its west end, past the townsfolk and the pedlar.
TEST_F(PlayGoldenFramesTest, eastbrookByDayAtNightAndInRain) {
    StartInTown();
    ClearSkyAt(kNoon);
    StandInTown(1, 6, kEast);
    ExpectRedrawnView("eastbrook-noon");

    ClearSkyAt(kMidnight);
    StandInTown(1, 6, kEast);
    ExpectRedrawnView("eastbrook-midnight");

    ClearSkyAt(kNoon);
    StandInTown(1, 6, kEast);
    Game().m_random->Seed(20);
    Play().SetSkyOverride(nullptr, kRainySky);
    Play().SetWeatherRain(kMostRain);
    m_driver->Frames(10);
    ASSERT_GE(Play().GetRainIntensity(), SRainWeather::kHeavy);
    ExpectView("eastbrook-rain", ShootView(*m_driver));
}

// The first townsman, with the player on the street cell west of him, after resting into the night
// and on until morning.
TEST_F(PlayGoldenFramesTest, aTownsmanInFrontAfterANightsRest) {
    StartInTown();
    SCreature* townsman = TownCreature("base_townsman");
    ASSERT_NE(townsman, nullptr);
    StandInTown(townsman->x - 1, townsman->y, kEast);
    ClearSkyAt(kMidnight);
    ASSERT_TRUE(Play().IsNight());
    ClearSkyAt(kMorning);
    ASSERT_TRUE(Play().IsDay());
    ASSERT_EQ(townsman->x + kSectionBorder, Play().m_playerX + 1) << "he stands straight ahead";
    ExpectRedrawnView("townsman-after-rest");
}

// The cellar's banner on its north wall, from the cell in front of it and from one further back.
TEST_F(PlayGoldenFramesTest, theCellarsBannerFromInFrontAndACellBack) {
    StartSampleWorld();
    constexpr int kBannerWallX = 16, kBannerWallY = 14;
    StandAt(kBannerWallX, kBannerWallY + 1, kNorth);
    ExpectRedrawnView("banner-in-front");
    StandAt(kBannerWallX, kBannerWallY + 2, kNorth);
    ExpectRedrawnView("banner-a-cell-back");
}

// The cellar's door used and left alone: the frames swing it open by themselves.
TEST_F(PlayGoldenFramesTest, aDoorOpenedWithNoKeyPressedAfter) {
    StartSampleWorld();
    constexpr int kDoorX = 18, kDoorY = 14;
    StandAt(kDoorX, kDoorY + 1, kNorth);
    RedrawView(*m_driver);
    m_driver->Press(kActionUse);
    m_driver->Frames(60);
    ExpectView("door-opened", ShootView(*m_driver));
}

// The dungeon's lever in the west wall of its room, before it is pulled and after, thrown the other
// way.
TEST_F(PlayGoldenFramesTest, theLeverRoom) {
    StartSampleWorld();
    Play().TravelToPosition("base_dungeonfoot", 0);
    ASSERT_TRUE(m_driver->RunUntilIdle(50));
    constexpr int kLeverX = 22, kLeverY = 21;
    StandAt(kLeverX + 1, kLeverY, kWest);
    ExpectRedrawnView("lever-room");
    m_driver->Press(kActionUse);
    PlayOnThroughMessages(*m_driver);
    EXPECT_EQ(Play().SubMode(), SPlaySubMode::kFree) << int(Play().SubMode());
    m_driver->Frames(5);
    ExpectView("lever-pulled", ShootView(*m_driver));
}

// The pile on the cellar floor one cell ahead.
TEST_F(PlayGoldenFramesTest, aPileOnTheFloor) {
    StartSampleWorld();
    constexpr int kPileX = 17, kPileY = 18;
    StandAt(kPileX, kPileY + 1, kNorth);
    ExpectRedrawnView("cellar-pile");
}

// The cellar's goblin fought from the cell south of it, a few blows in: the whole screen, with the
// goblin's bar in the target panel and the portrait.
TEST_F(PlayGoldenFramesTest, aFightInProgress) {
    StartSampleWorld();
    constexpr int kGoblinX = 18, kGoblinY = 16;
    StandAt(kGoblinX, kGoblinY + 1, kNorth);
    RedrawView(*m_driver);
    m_driver->Hold(kActionAttack);
    m_driver->Frames(45);
    m_driver->Release();
    ASSERT_NE(Play().m_currentMap->Creatures().Count(), 0) << "the goblin still fights";
    const std::vector<uint16_t> screen = m_driver->Rig().Capture();
    WriteShot("play-fight-in-progress", screen, m_driver->Rig().Width(), m_driver->Rig().Height(),
              m_driver->Rig().Width());
    ExpectGolden("play-fight-in-progress", screen, m_driver->Rig().Width(), m_driver->Rig().Height());
}

}  // namespace

}  // namespace play_golden_frames_test
