// Sky, fog and view distance as the play screen sets them for the renderer.
#include <gtest/gtest.h>

#include "render/render.h"
#include "screens/play/play_world_fixture.h"

namespace play_sky_test {

namespace {

constexpr uint32_t kNoon = 12 * 60;
constexpr uint32_t kMidnight = 24 * 60;  // day 2, 0:00

class PlaySkyTest : public PlayWorldTest {
protected:
    // A sky of the table: its kind, the weather roll it suits, its fog colour and visibility.
    void AddSky(const char* name, uint8_t kind, uint8_t key, uint16_t fogColour, uint8_t visibility,
                int8_t cloudScroll = 0) {
        auto sky = std::make_unique<SSkyType>();
        sky->name.Set(name);
        sky->kind = kind;
        sky->key = key;
        sky->fogColour = fogColour;
        sky->visibility = visibility;
        sky->cloudScroll = cloudScroll;
        game.m_skyTable.Add(std::move(sky));
    }
    const SViewDescriptor& view() { return game.PlayView(); }
    // The renderer's distances, in whole cells.
    int fogCells() { return view().m_fogDistance / SRender::kUnitsPerCell; }
    int farCells() { return view().m_farDistance / SRender::kUnitsPerCell; }
};

// By day the fog begins twice as far as by night; the hour's sky nearest the weather roll shows.
TEST_F(PlaySkyTest, theHoursSkyGivesFogAndReachOnTheSurface) {
    AddSky("bres_clear", SSkyType::kDay, 10, 0x1111, 100, 3);
    AddSky("bres_grey", SSkyType::kDay, 80, 0x2222, 40);
    AddSky("bres_stars", SSkyType::kNight, 10, 0x3333, 100);
    ASSERT_NE(Enter("surface\n"), nullptr);

    play.m_minutes = kNoon;
    play.UpdateSkyAndFog(false);
    EXPECT_EQ(view().m_fogColour, 0x1111);
    EXPECT_EQ(fogCells(), 2);
    EXPECT_EQ(farCells(), 7);
    EXPECT_EQ(view().m_flags & (SViewDescriptor::kSky | SViewDescriptor::kRain),
              SViewDescriptor::kSky | SViewDescriptor::kRain);
    EXPECT_EQ(play.m_skyDrift, 1u) << "the clear sky scrolls its clouds";

    play.m_weatherRoll = 90;
    play.UpdateSkyAndFog(false);
    EXPECT_EQ(view().m_fogColour, 0x2222);
    EXPECT_EQ(fogCells(), 0) << "2 x 40 / 100";
    EXPECT_EQ(farCells(), 4) << "(40 + 30) x 7 / 100";
    EXPECT_EQ(play.m_skyDrift, 0u);

    play.m_minutes = kMidnight;
    play.UpdateSkyAndFog(false);
    EXPECT_EQ(view().m_fogColour, 0x3333);
    EXPECT_EQ(fogCells(), 1) << "by night the fog begins at 1 x visibility";
    EXPECT_EQ(farCells(), 7);
}

// A script's sky shows while the table knows it; one it does not know is dropped for good and the
// hour's sky shows instead. A storm shows the thunder sky over either.
TEST_F(PlaySkyTest, aScriptsSkyShowsUntilTheTableDoesNotKnowIt) {
    AddSky("bres_clear", SSkyType::kDay, 50, 0x1111, 100);
    AddSky("bres_red", SSkyType::kDawnOrDusk, 50, 0xF800, 20);
    AddSky("bres_sky-thunder", SSkyType::kNight, 50, 0x0841, 0);
    ASSERT_NE(Enter("surface\n"), nullptr);
    play.m_minutes = kNoon;

    play.SetWeatherCloud("bres_red", 140);
    EXPECT_EQ(play.WeatherCloud(), 100) << "held to 0..100";
    EXPECT_EQ(play.m_skyOverride, "bres_red");
    EXPECT_EQ(view().m_fogColour, 0xF800);

    play.m_thunder = 1;
    play.UpdateSkyAndFog(false);
    EXPECT_EQ(view().m_fogColour, 0x0841);
    EXPECT_EQ(farCells(), 3) << "visibility 0 still reaches (0 + 50) x 7 / 100 cells";
    play.m_thunder = 0;

    play.SetWeatherCloud("bres_nosuchsky", 20);
    EXPECT_EQ(play.m_skyOverride, "") << "an unknown sky is dropped";
    EXPECT_EQ(view().m_fogColour, 0x1111);
    play.SetWeatherCloud(nullptr, 0);
    EXPECT_EQ(view().m_fogColour, 0x1111);
}

// Below ground the map gives fog colour and distances, and the ceiling takes the sky's place.
TEST_F(PlaySkyTest, belowGroundTheMapGivesFogAndTheCeiling) {
    AddType(1, "base_rock");
    struct Row {
        int viewByte;
        int fog, far;
    };
    const Row rows[] = {{0, 0, 1}, {50, 0, 3}, {100, 1, 6}};
    std::vector<TestMap> maps;
    for (Row row : rows) {
        const std::string name = "base_cave" + std::to_string(row.viewByte);
        maps.push_back({name, name, "fog 0x0420\nview " + std::to_string(row.viewByte) + "\nceiling base_rock\n"});
    }
    ASSERT_TRUE(OpenMaps(maps)) << error;
    for (Row row : rows) {
        ASSERT_NE(Use(("base_cave" + std::to_string(row.viewByte)).c_str()), nullptr);
        game.PlayView().m_flags = SViewDescriptor::kSky | SViewDescriptor::kRain;
        play.UpdateSkyAndFog(false);
        EXPECT_EQ(view().m_fogColour, 0x0420) << row.viewByte;
        EXPECT_EQ(fogCells(), row.fog) << row.viewByte;
        EXPECT_EQ(farCells(), row.far) << row.viewByte;
        EXPECT_EQ(view().m_flags & (SViewDescriptor::kSky | SViewDescriptor::kRain), 0) << row.viewByte;
        EXPECT_EQ(view().m_skyPicture, play.m_currentMap->CeilingType()->PictureId(0)) << row.viewByte;
    }
}

// Without a map nothing is set.
TEST_F(PlaySkyTest, withoutAMapTheViewStaysAsItWas) {
    game.PlayView().m_fogColour = 0x1234;
    play.UpdateSkyAndFog(true);
    EXPECT_EQ(view().m_fogColour, 0x1234);
}

}  // namespace

}  // namespace play_sky_test
