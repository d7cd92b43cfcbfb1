#include <gtest/gtest.h>

#include "data/player/character_choice.h"
#include "engine/base/archive.h"
#include "engine/base/string.h"
#include "engine/files/file_layer.h"
#include "game/game_data.h"
#include "render/render.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/step_counter.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/world_packages.h"

namespace play_saved_test {

namespace {

class PlaySavedTest : public PlayDriverTest {
protected:
    std::vector<uint8_t> save(SStateGame& play) {
        SArchive archive;
        archive.OpenWrite();
        play.SerializeForSave(archive, SSaveNames::kSaveVersion);
        return {archive.Data(), archive.Data() + archive.GetSize()};
    }
    bool load(SStateGame& play, const std::vector<uint8_t>& bytes) {
        SArchive archive;
        archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
        return play.SerializeForLoad(archive, SSaveNames::kSaveVersion);
    }
};

// A game saved while a message box was open comes back where the player stood, in free play.
TEST_F(PlaySavedTest, theRecordKeepsPlaceHeadingAndClockAndResumesInFreePlay) {
    SStateGame& play = Start().Play();
    play.m_heading = 90;
    play.m_playerX = 12;
    play.m_playerY = 30;
    play.m_previousX = 13;
    play.m_previousY = 30;
    play.m_minutes = 3 * 1440 + 5;
    play.ShowMessage("Saved while this was open", 0);
    const std::vector<uint8_t> bytes = save(play);
    ASSERT_EQ(bytes.front(), 'W');

    play.ResetWorld();
    ASSERT_TRUE(load(play, bytes));
    EXPECT_EQ(play.m_heading, 90u);
    EXPECT_EQ(play.FacingSide(), 3u);
    EXPECT_EQ(play.m_playerX, 12);
    EXPECT_EQ(play.m_playerY, 30);
    EXPECT_EQ(play.m_previousX, 13);
    EXPECT_EQ(play.m_previousY, 30);
    EXPECT_EQ(play.m_minutes, 3u * 1440 + 5);
    EXPECT_EQ(play.SubMode(), SPlaySubMode::kFree);

    // A record without its tag starts with the heading.
    const std::vector<uint8_t> untagged(bytes.begin() + 4, bytes.end());
    play.ResetWorld();
    ASSERT_TRUE(load(play, untagged));
    EXPECT_EQ(play.m_playerY, 30);
}

// Words of the record (after the tag): heading, x, y, previous x, previous y, facing, clock.
struct BadRecord {
    const char* what;
    int word;
    uint32_t value;
};

class PlaySavedRefusalTest : public PlaySavedTest, public ::testing::WithParamInterface<BadRecord> {};

TEST_P(PlaySavedRefusalTest, aRecordOutsideTheGridIsRefusedAndChangesNothing) {
    SStateGame& play = Start().Play();
    play.m_previousX = play.m_previousY = 4;
    std::vector<uint8_t> bytes = save(play);
    const BadRecord& bad = GetParam();
    for (int i = 0; i < 4; ++i) bytes[size_t(4 + 4 * bad.word + i)] = uint8_t(bad.value >> (8 * i));
    play.ResetWorld();
    play.m_playerX = 7;
    EXPECT_FALSE(load(play, bytes)) << bad.what;
    EXPECT_EQ(play.m_playerX, 7) << bad.what;
    EXPECT_EQ(play.m_minutes, 14u * 60 + 40) << bad.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaySavedRefusalTest,
                         ::testing::Values(BadRecord{"heading 360", 0, 360}, BadRecord{"x 35", 1, 35},
                                           BadRecord{"x -1", 1, 0xFFFFFFFF}, BadRecord{"y 35", 2, 35},
                                           BadRecord{"previous x alone -1", 3, 0xFFFFFFFF},
                                           BadRecord{"previous y 40", 4, 40}));

TEST_F(PlaySavedTest, aShortRecordIsRefused) {
    SStateGame& play = Start().Play();
    std::vector<uint8_t> bytes = save(play);
    bytes.resize(bytes.size() - 2);
    EXPECT_FALSE(load(play, bytes));
}

// The reset gives a new game's start: day 1 in the afternoon, facing east, nothing queued, no map.
TEST_F(PlaySavedTest, theResetGivesTheStartValuesAndEmptiesTheQueues) {
    SStateGame& play = Start().Play();
    play.m_heading = 0;
    play.m_minutes = 99999;
    play.QueueMessage("left over", 0, nullptr);
    play.QueueCombatAnim(std::make_unique<SCombatAnim>());
    play.TravelToPosition("base_elsewhere", 0);
    play.ShowMessage("open", 0);
    play.ResetWorld();
    EXPECT_EQ(play.m_heading, 270u);
    EXPECT_EQ(play.m_minutes, 14u * 60 + 40);
    EXPECT_EQ(play.m_previousX, -1);
    EXPECT_EQ(play.m_currentMap, nullptr);
    EXPECT_EQ(play.m_package, nullptr);
    EXPECT_TRUE(play.Events().empty());
    EXPECT_EQ(play.CombatAnimCount(), 0u);
    EXPECT_TRUE(play.m_positionTravels.empty());
    EXPECT_EQ(play.m_child, nullptr);
    EXPECT_EQ(play.SubMode(), SPlaySubMode::kFree);
}

TEST_F(PlaySavedTest, theSlotListShowsTheDayAndTheTime) {
    SStateGame& play = Start().Play();
    const std::pair<uint32_t, const char*> kCases[] = {{0, "Day 1, 12:00 am"},
                                                       {14 * 60 + 40, "Day 1, 2:40 pm"},
                                                       {1440 + 12 * 60, "Day 2, 12:00 pm"},
                                                       {2 * 1440 + 19 * 60 + 5, "Day 3, 7:05 pm"}};
    for (auto [minutes, expected] : kCases) {
        play.m_minutes = minutes;
        SString text;
        play.FormatDayTime(text);
        EXPECT_STREQ(text.Text(), expected) << minutes;
    }
}

// The slot list shows the view the player left: the screens over the play screen have drawn over
// it on the display since.
TEST_F(PlaySavedTest, theThumbnailIsTheLastViewDrawn) {
    PlayDriver& driver = Start();
    SStateGame& play = driver.Play();
    std::array<uint16_t, kSaveThumbWidth * kSaveThumbHeight> view;
    driver.Game().m_render->MakeViewThumbnail(view);
    ASSERT_NE(std::count(view.begin(), view.end(), 0), int(view.size())) << "the room is drawn";
    driver.Game().m_display->FillRect(0, 0, driver.Rig().Width(), driver.Rig().Height(), 0);
    std::array<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels;
    pixels.fill(0xFFFF);
    play.ViewThumbnail(pixels);
    EXPECT_EQ(pixels, view);
}

// The game's own play screen takes part in a new game: it is reset, and entering it for the new
// game sends the player to the start position the new game named.
TEST_F(PlaySavedTest, aNewGameResetsThePlayScreenAndEnteringItTravelsToTheStartPosition) {
    PlayDriver& driver = Start();
    SGameData& game = driver.Game();
    std::string error;
    ASSERT_TRUE(WriteMusicPackage(SFileFolder(), error)) << error;
    ASSERT_TRUE(WriteSoundPackage(SFileFolder(), error)) << error;
    ASSERT_TRUE(WriteResourcePackage(SFileFolder(), error)) << error;
    ASSERT_TRUE(WriteWorldPackage(SFileFolder(), error)) << error;
    SStateGame& play = driver.Play();
    play.m_minutes = 5000;
    StepCounter loading;
    SCharacterChoice choice;
    choice.name = "Ayla";
    ASSERT_TRUE(game.m_saveNames.NewGame(loading, choice, error)) << error;
    EXPECT_EQ(play.m_minutes, 14u * 60 + 40);
    EXPECT_EQ(game.m_startPosition, "base_start");
    play.Enter(1, 0, 0, 0);
    EXPECT_EQ(play.m_positionTravels, std::vector<std::string>{"base_start"});
    // The first frame of the new game, for a person to look at.
    driver.Frames(2);
    driver.Rig().Shot("new_game_first_frame");
}

}  // namespace

}  // namespace play_saved_test
