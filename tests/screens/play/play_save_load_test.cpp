// Saving and loading the play screen's world end to end: the sample world's new game, saved to a
// slot and loaded back through the saved-game manager, then the play screen entered as after a load.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "data/maps/map.h"
#include "engine/base/archive.h"
#include "engine/files/pdb.h"
#include "engine/files/pdb_writer.h"
#include "game/save_names.h"
#include "game/saved_game_layout.h"
#include "screens/play/sample_world_play.h"
#include "screens/play/world_record.h"

namespace play_save_load_test {

namespace {

class PlaySaveLoadTest : public SampleWorldPlayTest {
protected:
    bool save(uint32_t slot) {
        std::string error;
        const bool saved = Game().m_saveNames.SaveGame(slot, error);
        EXPECT_TRUE(saved) << error;
        return saved;
    }
    // Loads the slot and enters the play screen as the load screen does after a load.
    bool load(uint32_t slot, std::string& error) {
        StepCounter loading;
        if (!Game().m_saveNames.LoadGame(slot, loading, error)) return false;
        Play().Enter(0, 0, 0, 0);
        m_driver->Frame();
        return true;
    }
    std::map<uint16_t, std::vector<uint8_t>> records(uint32_t slot) {
        SPdb file;
        file.Attach(*Game().m_fileFolder);
        EXPECT_TRUE(file.Open(SaveFileName(slot).c_str(), "BrVS")) << file.Error().Message();
        std::map<uint16_t, std::vector<uint8_t>> found;
        for (uint32_t id = kSaveHeaderRecord; found.size() < size_t(file.RecordCount()) && id < 0x10000; ++id)
            if (auto record = file.LoadRecord(uint16_t(id))) found[uint16_t(id)] = record->bytes;
        return found;
    }
    void rewrite(uint32_t slot, const std::map<uint16_t, std::vector<uint8_t>>& found) {
        SPdbWriter writer;
        writer.Attach(*Game().m_fileFolder);
        writer.InitSaveHeader(SaveFileName(slot).c_str());
        for (const auto& [id, bytes] : found) writer.AddRecord(id, bytes.data(), uint32_t(bytes.size()));
        ASSERT_TRUE(writer.Write(SaveFileName(slot).c_str()));
    }
    // Every file of the program folder with its bytes.
    std::map<std::string, std::vector<char>> folderBytes() {
        std::map<std::string, std::vector<char>> files;
        for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
            std::ifstream file(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(file),
                                                       std::istreambuf_iterator<char>()};
        }
        return files;
    }
    // A game under way on the surface: moved, turned, hours on, heavy rain, a sentence running.
    void playABit() {
        Play().TravelToPosition("base_surface", 0);
        ASSERT_TRUE(Play().OnSurface());
        Play().m_heading = 90;
        for (int step = 0; step < 5; ++step) Play().TickMinute();
        Play().PassHours(3);
        Play().RollWeather(95);
        Play().m_inPrison = 1;
        Play().m_prisonStart = Play().m_minutes + 100;
        Play().m_prisonName = "base_town_jail";
        m_driver->Frame();
    }
    struct SWorldState {
        int32_t x, y;
        uint32_t heading, minutes, roll;
        SRainWeather rain;
        uint32_t inPrison, prisonStart;
        std::string prison;
        SMap* map;
        bool operator==(const SWorldState& o) const {
            return x == o.x && y == o.y && heading == o.heading && minutes == o.minutes && roll == o.roll &&
                   rain.intensity == o.rain.intensity && rain.target == o.rain.target &&
                   rain.countdown == o.rain.countdown && rain.direction == o.rain.direction && inPrison == o.inPrison &&
                   prisonStart == o.prisonStart && prison == o.prison;
        }
    };
    SWorldState state() {
        const SStateGame& p = Play();
        return {p.m_playerX, p.m_playerY,  p.m_heading,     p.m_minutes,    p.m_weatherRoll,
                p.m_rain,    p.m_inPrison, p.m_prisonStart, p.m_prisonName, p.m_currentMap};
    }
};

TEST_F(PlaySaveLoadTest, aSavedGameComesBackWhereItWasWithItsClockWeatherAndSentenceInFreePlay) {
    StartSampleWorld();
    playABit();
    const SWorldState saved = state();
    ASSERT_TRUE(save(1));

    Play().TravelToPosition("base_start", 0);
    Play().PassHours(30);
    Play().RollWeather(10);
    Play().m_inPrison = 0;
    std::string error;
    ASSERT_TRUE(load(1, error)) << error;
    EXPECT_EQ(state(), saved);
    EXPECT_TRUE(Play().OnSurface());
    EXPECT_EQ(Play().m_currentMap->Name(), std::string("base_s0202"));
    EXPECT_EQ(Play().SubMode(), SPlaySubMode::kFree);
    EXPECT_EQ(Play().RainChannel() != 0, true) << "the rain sounds again";
    EXPECT_EQ(Game().m_music.Name(), "bmus_surfaceday");
}

TEST_F(PlaySaveLoadTest, aGameSavedWhileAMessageWasOpenLoadsInFreePlayWithNothingQueued) {
    StartSampleWorld();
    Play().ShowMessage("Saved while this was open", 0);
    Play().QueueMessage("and this waited", 0, nullptr);
    ASSERT_NE(Play().SubMode(), SPlaySubMode::kFree);
    ASSERT_TRUE(save(1));
    std::string error;
    ASSERT_TRUE(load(1, error)) << error;
    EXPECT_EQ(Play().SubMode(), SPlaySubMode::kFree);
    EXPECT_TRUE(Play().Events().empty());
    EXPECT_EQ(Play().m_child, nullptr);
}

struct BadWorld {
    const char* name;
    std::function<void(std::vector<uint8_t>&)> apply;
};

// Words of the record after its tag: heading, x, y, previous x, previous y, facing, clock, roll,
// then the sky name (empty in these saves: one byte, padded to the next word) and the intensity.
void putWord(std::vector<uint8_t>& bytes, size_t word, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[4 + 4 * word + i] = uint8_t(value >> (8 * i));
}

class PlayBadSaveTest : public PlaySaveLoadTest, public ::testing::WithParamInterface<BadWorld> {};

TEST_P(PlayBadSaveTest, isRefusedWithAMessageTheSlotsStayListedAndNothingChanges) {
    StartSampleWorld();
    playABit();
    Play().m_skyOverride.clear();
    ASSERT_TRUE(save(1));
    ASSERT_TRUE(save(2));
    auto found = records(1);
    ASSERT_EQ(found.count(kSavePlayScreenRecord), 1u);
    GetParam().apply(found[kSavePlayScreenRecord]);
    rewrite(1, found);

    const SWorldState before = state();
    const auto files = folderBytes();
    std::string error;
    EXPECT_FALSE(load(1, error));
    EXPECT_NE(error.find("3004"), std::string::npos) << error;
    EXPECT_NE(error.find("BrimvaleSave1.pdb"), std::string::npos) << error;
    EXPECT_EQ(state(), before);
    EXPECT_EQ(Play().m_currentMap, before.map);
    EXPECT_TRUE(Game().m_gameRunning);
    EXPECT_NE(Game().m_saveNames.ReadSaveSlotInfo(1), nullptr);
    EXPECT_NE(Game().m_saveNames.ReadSaveSlotInfo(2), nullptr);
    EXPECT_EQ(folderBytes(), files) << "no file changed";

    EXPECT_TRUE(load(2, error)) << error << ": the good slot still loads";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayBadSaveTest,
    ::testing::Values(BadWorld{"cutInItsWords", [](std::vector<uint8_t>& r) { r.resize(30); }},
                      BadWorld{"gridX40", [](std::vector<uint8_t>& r) { putWord(r, 1, 40); }},
                      BadWorld{"heading400", [](std::vector<uint8_t>& r) { putWord(r, 0, 400); }},
                      BadWorld{"intensity5000", [](std::vector<uint8_t>& r) { putWord(r, 9, 5000); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace play_save_load_test
