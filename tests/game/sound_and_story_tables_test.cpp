// The game's tables over the sample packages: music by name from the start, sounds by name once the
// sound package is open, every table reading its chunk of a world package, and all of them gone
// with the tables.
#include <gtest/gtest.h>

#include "framework/drivers/video_detect.h"
#include "game/game_data.h"
#include "platform/headless/headless.h"
#include "support/audio_level.h"
#include "support/named_record.h"
#include "support/temp_folder.h"
#include "support/test_window.h"
#include "support/world_package.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/interface_package.h"

namespace sound_and_story_tables_test {

namespace {

using platform::headless::PullAudio;

class GameSoundAndStoryTablesTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        HAL::VideoDetect::Forget();
        SFileFolder folder(Folder());
        std::string error;
        ASSERT_TRUE(WriteInterfacePackage(folder, error)) << error;
        ASSERT_TRUE(WriteMusicPackage(folder, error)) << error;
        ASSERT_TRUE(WriteSoundPackage(folder, error)) << error;
        game = std::make_unique<SGameData>();
        ASSERT_TRUE(game->Init(7, OpenTestWindow(240, 320), 240, 320, error)) << error;
    }
    void TearDown() override {
        game.reset();
        HAL::VideoDetect::Forget();
        TempFolderTest::TearDown();
    }

    std::unique_ptr<SGameData> game;
};

TEST_F(GameSoundAndStoryTablesTest, aSongFoundByNameInTheMusicPackageIsHeard) {
    const SMusicSong* song = game->m_soundTable.FindSong("bmus_main");
    ASSERT_NE(song, nullptr) << "the music package opens at start-up";
    ASSERT_GT(game->m_sound->PlayMusic(*song), 0);
    // Every half second of the first eight holds a note of the lead, which sounds on both sides.
    for (int half = 0; half < 16; ++half) {
        StereoPeak heard = PeakPerSide(PullAudio(44100 / 2));
        EXPECT_GT(heard.left, 1000) << "half second " << half;
        EXPECT_GT(heard.right, 1000) << "half second " << half;
    }
}

TEST_F(GameSoundAndStoryTablesTest, everySampleSongPlaysOnItsBank) {
    for (const char* name : {"bmus_main", "bmus_surfaceday"}) {
        const SMusicSong* song = game->m_soundTable.FindSong(name);
        ASSERT_NE(song, nullptr) << name;
        EXPECT_GT(game->m_sound->PlayMusic(*song), 0) << name;
        EXPECT_GT(Peak(PullAudio(44100)), 2000) << name;
    }
}

TEST_F(GameSoundAndStoryTablesTest, theInterfaceClicksPlayByNameFromTheSoundPackage) {
    EXPECT_EQ(game->m_soundTable.PlaySound("bsnd_click", 10), 0) << "the sound package opens with a new game";
    ASSERT_TRUE(game->m_packages.Open("BrimvaleSound")) << game->m_packages.Error().Message();
    for (const char* name : {"bsnd_click", "bsnd_clickh", "bsnd_clicks"}) {
        EXPECT_GT(game->m_soundTable.PlaySound(name, 10), 0) << name;
        EXPECT_GT(Peak(PullAudio(200)), 1000) << name;
        game->m_sound->StopAllSounds();
    }
}

TEST_F(GameSoundAndStoryTablesTest, clearingTheTablesStopsTheSoundsAndForgetsTheRecords) {
    ASSERT_TRUE(game->m_packages.Open("BrimvaleSound"));
    game->m_sound->PlayLooped(*game->m_soundTable.FindSound("bsnd_thunderclose"), 10);
    game->ClearTables();
    EXPECT_EQ(Peak(PullAudio(200)), 0);
    EXPECT_EQ(game->m_soundTable.FindSound("bsnd_thunderclose"), nullptr);
    EXPECT_EQ(game->m_soundTable.FindSong("bmus_main"), nullptr);
    EXPECT_EQ(game->m_soundTable.FindBank("bmus_instruments"), nullptr);
}

TEST_F(GameSoundAndStoryTablesTest, aWorldPackagesChunksReachEveryTable) {
    SQuestTable quests;
    quests.Add(NamedRecord<SQuest>("base_ring"));
    SSceneTable scenes;
    scenes.Add(NamedRecord<SScene>("bres_intro"));
    SSkyTable skies;
    skies.Add(NamedRecord<SSkyType>("base_sky"));
    SScriptTable scripts;
    scripts.Add(NamedRecord<SNamedScript>("base_start"));
    TestWorldPackage world;
    world.tables = {{SModuleTable::Quests, quests.Write(world.version)},
                    {SModuleTable::Scenes, scenes.Write(world.version)},
                    {SModuleTable::Skies, skies.Write(world.version)},
                    {SModuleTable::Scripts, scripts.Write(world.version)}};
    ASSERT_TRUE(world.Write(SFileFolder(Folder()), "Brimvale"));
    ASSERT_TRUE(game->m_packages.Open("Brimvale")) << game->m_packages.Error().Message();
    EXPECT_NE(game->m_questTable.Find("base_ring"), nullptr);
    EXPECT_NE(game->m_sceneTable.Find("bres_intro"), nullptr);
    EXPECT_NE(game->m_skyTable.Find("base_sky"), nullptr);
    EXPECT_EQ(game->m_scriptTable.Run("base_start"), 0) << "found, without a program";

    game->ClearTables();
    EXPECT_EQ(game->m_questTable.Find("base_ring"), nullptr);
    EXPECT_EQ(game->m_sceneTable.Find("bres_intro"), nullptr);
    EXPECT_EQ(game->m_skyTable.Find("base_sky"), nullptr);
    EXPECT_EQ(game->m_scriptTable.Run("base_start"), -1);
}

}  // namespace

}  // namespace sound_and_story_tables_test
