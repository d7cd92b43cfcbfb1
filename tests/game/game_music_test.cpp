#include "game/game_music.h"

#include <gtest/gtest.h>

#include "data/sound_table.h"
#include "engine/audio/sound.h"
#include "engine/files/settings.h"
#include "support/headless_fixture.h"
#include "support/sound_fixtures.h"

namespace game_music_test {

namespace {

// Two songs over one bank, played on the headless speaker.
class GameMusicTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        songs.AddBank(std::make_unique<SMusicBank>(MakeBank("bmus_bank", 2, {2000})));
        songs.AddSong(std::make_unique<SMusicSong>(MakeSong("bmus_main", "bmus_bank", 1)));
        songs.AddSong(std::make_unique<SMusicSong>(MakeSong("bmus_fight", "bmus_bank", 1)));
        sound.Open(settings);
        songs.Attach(&sound);
        sound.Attach(&songs);
        music.Attach(&sound, &songs);
    }
    bool Plays(int channel) { return sound.Speaker()->FindChannel(channel).has_value(); }

    SSettings settings;
    SSound sound;
    SSoundTable songs;
    SGameMusic music;
};

TEST_F(GameMusicTest, thePieceThatPlaysGoesOnWhenAskedForAgain) {
    EXPECT_EQ(music.Channel(), -1);
    music.Play("bmus_main");
    const int channel = music.Channel();
    ASSERT_GT(channel, 0);
    music.Play("bmus_main");
    EXPECT_EQ(music.Channel(), channel);
    EXPECT_TRUE(Plays(channel));
}

TEST_F(GameMusicTest, anotherPieceStopsTheOneThatPlays) {
    music.Play("bmus_main");
    const int first = music.Channel();
    music.Play("bmus_fight");
    EXPECT_EQ(music.Name(), "bmus_fight");
    EXPECT_GT(music.Channel(), 0);
    EXPECT_NE(music.Channel(), first);
    EXPECT_FALSE(Plays(first));
}

TEST_F(GameMusicTest, aPausedPieceGoesOnWhereItStopped) {
    music.Play("bmus_main");
    const int channel = music.Channel();
    music.Pause();
    EXPECT_TRUE(music.Paused());
    EXPECT_TRUE(Plays(channel)) << "a paused channel is kept";
    music.Play("bmus_main");
    EXPECT_FALSE(music.Paused());
    EXPECT_EQ(music.Channel(), channel);
}

TEST_F(GameMusicTest, afterAStopTheSamePieceStartsAgain) {
    music.Play("bmus_main");
    const int channel = music.Channel();
    music.Stop();
    EXPECT_FALSE(Plays(channel));
    music.Play("bmus_main");
    EXPECT_GT(music.Channel(), 0);
    EXPECT_TRUE(Plays(music.Channel()));
}

TEST_F(GameMusicTest, anUnknownPieceStopsTheMusicAndPlaysNothing) {
    music.Play("bmus_main");
    const int channel = music.Channel();
    music.Play("bmus_nowhere");
    EXPECT_EQ(music.Channel(), 0);
    EXPECT_FALSE(Plays(channel));
    music.Stop();
    music.Pause();
    EXPECT_EQ(music.Channel(), 0);
}

TEST_F(GameMusicTest, stoppingOrPausingBeforeAnyPieceDoesNothing) {
    music.Stop();
    music.Pause();
    EXPECT_FALSE(music.Paused());
    music.Play("bmus_main");
    EXPECT_GT(music.Channel(), 0);
}

}  // namespace

}  // namespace game_music_test
