// The sounds of the world through the play driver on the sample world, as the recording sound
// output writes them down: the objects' loops by distance and layer, the rain's loop, the
// ambient voices, the music of the place and the fight counter.
#include <gtest/gtest.h>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "platform/headless/headless.h"
#include "screens/play/sample_world_play.h"
#include "tools/sampledata/sample_ambient_places.h"

namespace play_sound_test {

namespace {

constexpr int64_t kWallClock = 1'700'000'000;

class PlaySoundTest : public SampleWorldPlayTest {
protected:
    std::vector<std::pair<std::string, int>> loops() {
        std::vector<std::pair<std::string, int>> found;
        for (const SStateGame::SAmbientLoop& loop : Play().AmbientLoops())
            found.emplace_back(loop.sound->name, loop.volume);
        return found;
    }
    int channelsOf(const std::string& name) { return int(LinesOf(name).size()); }
};

TEST_F(PlaySoundTest, aLoopIsQuieterWithDistanceAndOnTheSecondLayerButNeverSilent) {
    StartSampleWorld();
    struct Row {
        int dx, dy, layer, volume;
    };
    const Row kRows[] = {{0, 0, 1, 5}, {0, 0, 2, 4}, {1, 0, 1, 4}, {0, -2, 2, 2},
                         {4, 0, 1, 1}, {5, 4, 1, 1}, {9, 0, 2, 1}, {-6, -7, 2, 1}};
    for (const Row& row : kRows) {
        Play().StopAmbientSounds(false);
        Sounds().Clear();
        const int x = Play().m_playerX + row.dx, y = Play().m_playerY + row.dy;
        if (row.layer == 1)
            Play().PlayLayerOneAmbient("bsnd_fountain", x, y);
        else
            Play().PlayLayerTwoAmbient("bsnd_fountain", x, y);
        EXPECT_EQ(Sounds().Lines(), std::vector<std::string>{"bsnd_fountain " + std::to_string(row.volume) + " looped"})
            << row.dx << "," << row.dy << " layer " << row.layer;
    }
    Play().PlayLayerOneAmbient("bsnd_nosuchsound", Play().m_playerX, Play().m_playerY);
    EXPECT_EQ(Play().AmbientLoops().size(), 1u) << "an unknown sound plays nothing";
}

TEST_F(PlaySoundTest, equalSoundsAtEqualVolumeShareOneChannel) {
    StartSampleWorld();
    Play().StopAmbientSounds(false);
    Sounds().Clear();
    const int x = Play().m_playerX, y = Play().m_playerY;
    Play().PlayLayerOneAmbient("bsnd_fountain", x + 2, y);
    Play().PlayLayerOneAmbient("bsnd_fountain", x, y - 2);
    Play().PlayLayerOneAmbient("bsnd_fountain", x - 1, y + 1);
    EXPECT_EQ(channelsOf("bsnd_fountain"), 1) << "three fountains two cells away";
    Play().PlayLayerOneAmbient("bsnd_fountain", x + 3, y);
    Play().PlayLayerOneAmbient("bsnd_drip", x + 3, y);
    EXPECT_EQ(loops(),
              (std::vector<std::pair<std::string, int>>{{"bsnd_fountain", 3}, {"bsnd_fountain", 2}, {"bsnd_drip", 2}}));
    std::vector<std::string> stops;
    for (const SStateGame::SAmbientLoop& loop : Play().AmbientLoops()) {
        EXPECT_GT(loop.channel, 0) << "a handle is never 0 or -1";
        stops.push_back("stop " + std::to_string(loop.channel));
    }
    Sounds().Clear();
    Play().StopAmbientSounds(false);
    EXPECT_TRUE(Play().AmbientLoops().empty());
    EXPECT_EQ(Sounds().Lines(), stops);
}

TEST_F(PlaySoundTest, theSurfaceHasItsFountainAndBirdsByDayAndTheCaveItsDripsAndEachItsMusic) {
    PlayDriver& driver = StartSampleWorld();
    EXPECT_EQ(Game().m_music.Name(), "bmus_dungeon") << "the cellar";
    platform::headless::SetLocalTime(kWallClock);
    Play().TravelToPosition("base_surface", 0);
    ASSERT_TRUE(Play().OnSurface());
    ASSERT_TRUE(Play().IsDay());
    EXPECT_EQ(Game().m_music.Name(), "bmus_surfaceday");
    // The fountain stands two cells from the position: 10 - 2, five less on the first layer.
    EXPECT_EQ(loops(), (std::vector<std::pair<std::string, int>>{{"bsnd_fountain", 3}}));

    // The birds sing at once, then not again within 10 wall-clock seconds.
    Sounds().Clear();
    driver.Frames(3);
    EXPECT_EQ(LinesOf("bsnd_birds"), std::vector<std::string>{"bsnd_birds 6"});
    platform::headless::SetLocalTime(kWallClock + 10);
    driver.Frames(3);
    EXPECT_EQ(LinesOf("bsnd_birds").size(), 1u);
    platform::headless::SetLocalTime(kWallClock + 11);
    driver.Frames(3);
    EXPECT_EQ(LinesOf("bsnd_birds").size(), 2u);
    // A clock set back does not silence them for the time it went back.
    platform::headless::SetLocalTime(kWallClock - 3600);
    driver.Frames(3);
    platform::headless::SetLocalTime(kWallClock - 3600 + 11);
    driver.Frames(3);
    EXPECT_EQ(LinesOf("bsnd_birds").size(), 3u);

    // The birds keep quiet at night; the night has its own music.
    Play().m_minutes = 23 * 60;
    Play().RefreshArea();
    EXPECT_EQ(Game().m_music.Name(), "bmus_surfacenight");
    Sounds().Clear();
    platform::headless::SetLocalTime(kWallClock + 100);
    driver.Frames(3);
    EXPECT_TRUE(LinesOf("bsnd_birds").empty());

    Play().TravelToPosition(kCavePosition, 0);
    ASSERT_FALSE(Play().OnSurface());
    EXPECT_EQ(Game().m_music.Name(), "bmus_dungeon");
    EXPECT_EQ(loops(), (std::vector<std::pair<std::string, int>>{{"bsnd_drip", 3}, {"bsnd_drip", 2}}))
        << "two drips, two and three cells away";
    EXPECT_TRUE(LinesOf("bsnd_fountain").empty());
}

TEST_F(PlaySoundTest, aLoopStillHeardAfterAStepGoesOnAndOnlyTheOnesLeftBehindStop) {
    StartSampleWorld();
    Play().TravelToPosition("base_surface", 0);
    ASSERT_EQ(loops().size(), 1u);
    const int channel = Play().AmbientLoops().front().channel;
    Sounds().Clear();
    Play().RefreshArea();
    EXPECT_TRUE(Sounds().Lines().empty()) << "nothing stopped or started again";
    EXPECT_EQ(Play().AmbientLoops().front().channel, channel);
    Play().m_playerY += 1;  // a step further from the fountain
    Play().RefreshArea();
    EXPECT_EQ(Sounds().Lines(),
              (std::vector<std::string>{"bsnd_fountain 2 looped", "stop " + std::to_string(channel)}));
}

TEST_F(PlaySoundTest, theRainLoopTurnsHeavyOnceAtFiveHundredAndStopsUnderground) {
    StartSampleWorld();
    Play().TravelToPosition("base_surface", 0);
    Sounds().Clear();
    const std::pair<int32_t, std::vector<std::string>> kSteps[] = {
        {499, {"bsnd_rain 10 looped"}},
        {450, {}},
        {500, {"stop", "bsnd_rainheavy 10 looped"}},
        {501, {}},
        {975, {}},
        {0, {"stop"}},
    };
    for (const auto& [intensity, expected] : kSteps) {
        Sounds().Clear();
        Play().m_rain.intensity = intensity;
        Play().UpdateRainSound();
        std::vector<std::string> lines = Sounds().Lines();
        for (std::string& line : lines)
            if (line.rfind("stop ", 0) == 0) line = "stop";
        EXPECT_EQ(lines, expected) << intensity;
    }
    Play().SetWeatherRain(80);
    ASSERT_TRUE(Play().HeavyRainPlays());
    const int channel = Play().RainChannel();
    ASSERT_GT(channel, 0);
    Sounds().Clear();
    Play().TravelToPosition(kCavePosition, 0);
    EXPECT_EQ(Play().GetRainIntensity(), 800) << "it still rains up there";
    EXPECT_EQ(Play().RainChannel(), 0);
    EXPECT_EQ(Sounds().Lines().front(), "stop " + std::to_string(channel));
    EXPECT_TRUE(LinesOf("bsnd_rain").empty() && LinesOf("bsnd_rainheavy").empty());
}

TEST_F(PlaySoundTest, rainGrowingMinuteByMinuteSwitchesToTheHeavyLoopOnceAsItPassesFiveHundred) {
    StartSampleWorld();
    Play().TravelToPosition("base_surface", 0);
    Play().m_rain = {490, 530, 0, 1};
    Sounds().Clear();
    for (int minute = 0; minute < 30; ++minute) Play().TickMinute();
    EXPECT_GE(Play().GetRainIntensity(), 510);
    EXPECT_EQ(LinesOf("bsnd_rain"), std::vector<std::string>{"bsnd_rain 10 looped"});
    EXPECT_EQ(LinesOf("bsnd_rainheavy"), std::vector<std::string>{"bsnd_rainheavy 10 looped"});
    EXPECT_EQ(LinesOf("stop").size(), 1u);
}

TEST_F(PlaySoundTest, theMusicResumesAfterAPauseAndStartsAgainAfterAStop) {
    StartSampleWorld();
    SGameMusic& music = Game().m_music;
    Play().UpdateMusic();
    const int channel = music.Channel();
    ASSERT_GT(channel, 0) << "the dungeon's piece plays";
    Play().StopAmbientSounds(true);
    EXPECT_TRUE(music.Paused());
    Play().UpdateMusic();
    EXPECT_FALSE(music.Paused());
    EXPECT_EQ(music.Channel(), channel) << "the same piece goes on where it was";
    Play().StopMusic();
    EXPECT_FALSE(Game().m_sound->Speaker()->FindChannel(channel));
    Play().UpdateMusic();
    EXPECT_EQ(music.Name(), "bmus_dungeon");
    EXPECT_NE(music.Channel(), channel) << "started again from its beginning";
    EXPECT_TRUE(Game().m_sound->Speaker()->FindChannel(music.Channel()));
}

TEST_F(PlaySoundTest, aHostileCreatureBesideThePlayerBringsFightMusicForFourMonsterTurnsAfterIt) {
    PlayDriver& driver = StartSampleWorld();
    // A monster turn as the frame begins it when one is asked for.
    const auto monsterTurn = [&] {
        Play().m_monsterPassRequest = 1;
        driver.Frame();
    };
    SMap& cellar = *Play().m_currentMap;
    SCreature* goblin = cellar.FindCreature(1);
    ASSERT_NE(goblin, nullptr);
    goblin->MakeAggressive();
    Play().RefreshArea();
    EXPECT_EQ(Play().m_fightCounter, 0u) << "three cells away it is no threat yet";
    Play().RemoveCreatureFromCell(cellar, *goblin);
    ASSERT_TRUE(Play().PlaceCreatureNear(cellar, *goblin, Play().m_playerX, Play().m_playerY - 1));
    Play().RefreshArea();
    EXPECT_EQ(Play().m_fightCounter, 4u);
    EXPECT_EQ(Game().m_music.Name(), "bmus_fight");

    Play().RemoveCreatureFromCell(cellar, *goblin);
    for (uint32_t turn = 1; turn <= 4; ++turn) {
        monsterTurn();
        EXPECT_EQ(Play().m_fightCounter, 4 - turn) << turn;
        EXPECT_EQ(Game().m_music.Name(), turn < 4 ? "bmus_fight" : "bmus_dungeon") << turn;
    }
    monsterTurn();
    EXPECT_EQ(Play().m_fightCounter, 0u);
}

}  // namespace

}  // namespace play_sound_test
