// The play screen's 'W' record, both ways, through the play driver's own play screen.
#include "screens/play/world_record.h"

#include <gtest/gtest.h>

#include "engine/base/archive.h"
#include "game/save_names.h"
#include "screens/play/sample_world_play.h"

namespace world_record_test {

namespace {

std::vector<uint8_t> write(const SWorldRecord& record, int version) {
    SWorldRecord copy = record;
    SArchive archive;
    archive.OpenWrite();
    copy.Serialize(archive, version);
    return {archive.Data(), archive.Data() + archive.GetSize()};
}

class WorldRecordTest : public SampleWorldPlayTest {
protected:
    std::vector<uint8_t> save() {
        SArchive archive;
        archive.OpenWrite();
        Play().SerializeForSave(archive, SSaveNames::kSaveVersion);
        return {archive.Data(), archive.Data() + archive.GetSize()};
    }
    bool load(const std::vector<uint8_t>& bytes, int version = SSaveNames::kSaveVersion) {
        SArchive archive;
        archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
        return Play().SerializeForLoad(archive, version);
    }
    std::string check(const std::vector<uint8_t>& bytes) {
        SArchive archive;
        archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
        std::string fault;
        return Play().CheckSaved(archive, SSaveNames::kSaveVersion, fault) ? "ok" : fault.empty() ? "short" : fault;
    }
};

// The sizes pin the layout: the tag padded to 4, seven words of place and clock, the roll, the sky
// name, the rain's four words, the sub-mode, the prison's two words and its name. A change here is
// a change of the saved-game format.
TEST(WorldRecordLayoutTest, theRecordIsLaidOutWordByWordAndVersion98LacksTheDrift) {
    SWorldRecord record;
    record.heading = 90;
    record.x = 3;
    record.y = 4;
    record.minutes = 0x01020304;
    record.rainTarget = 700;
    const std::vector<uint8_t> bytes = write(record, 116);
    ASSERT_EQ(bytes.size(), 69u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12),
              (std::vector<uint8_t>{'W', 0, 0, 0, 90, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(bytes[20], 0xFF) << "no previous cell: -1";
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 28, bytes.begin() + 32), (std::vector<uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(bytes[36], 0) << "an empty sky name";
    EXPECT_EQ(bytes[44] | bytes[45] << 8, 700) << "the target after the intensity";
    EXPECT_EQ(write(record, 98).size(), 57u);

    record.skyOverride = "bres_sky-thunder";
    record.prisonName = "base_town_jail";
    // 17 bytes of sky name end at 53, padded to 56; the name of 15 bytes ends the record at 99.
    EXPECT_EQ(write(record, 116).size(), 99u);
}

// A table of world states, each saved and loaded back whole.
TEST_F(WorldRecordTest, everyWorldStateComesBackAsItWasSavedInFreePlay) {
    StartSampleWorld();
    struct Row {
        const char* name;
        uint32_t heading;
        int32_t x, y, previousX, previousY;
        uint32_t minutes, roll;
        const char* sky;
        SRainWeather rain;
        uint32_t inPrison, prisonStart;
        const char* prison;
    };
    const Row kRows[] = {
        {"start", 270, 17, 19, -1, -1, 880, 0, "", {0, 0, SRainWeather::kDrySpell, 0}, 0, 0, ""},
        {"rain rising", 0, 0, 0, 1, 0, 5000, 95, "", {875, 950, 0, 1}, 0, 0, ""},
        {"storm falling", 180, 34, 34, 34, 33, 90000, 99, "bres_sky-thunder", {975, 900, 12, -1}, 0, 0, ""},
        {"in prison", 90, 10, 12, 10, 13, 3000, 100, "bres_sky-night", {0, 0, 400, 0}, 1, 2995, "base_town_jail"},
    };
    for (const Row& row : kRows) {
        Play().m_heading = row.heading;
        Play().m_playerX = row.x;
        Play().m_playerY = row.y;
        Play().m_previousX = row.previousX;
        Play().m_previousY = row.previousY;
        Play().m_minutes = row.minutes;
        Play().m_weatherRoll = row.roll;
        Play().m_skyOverride = row.sky;
        Play().m_rain = row.rain;
        Play().m_inPrison = row.inPrison;
        Play().m_prisonStart = row.prisonStart;
        Play().m_prisonName = row.prison;
        Play().ShowMessage("Saved while this was open", 0);
        Play().QueueMessage("and this waited", 0, nullptr);
        const std::vector<uint8_t> bytes = save();
        EXPECT_EQ(check(bytes), "ok") << row.name;

        Play().ResetWorld();
        ASSERT_TRUE(load(bytes)) << row.name;
        EXPECT_EQ(Play().m_heading, row.heading) << row.name;
        EXPECT_EQ(Play().m_playerX, row.x) << row.name;
        EXPECT_EQ(Play().m_playerY, row.y) << row.name;
        EXPECT_EQ(Play().m_previousX, row.previousX) << row.name;
        EXPECT_EQ(Play().m_previousY, row.previousY) << row.name;
        EXPECT_EQ(Play().m_minutes, row.minutes) << row.name;
        EXPECT_EQ(Play().m_weatherRoll, row.roll) << row.name;
        EXPECT_EQ(Play().m_skyOverride, row.sky) << row.name;
        EXPECT_EQ(Play().m_rain.intensity, row.rain.intensity) << row.name;
        EXPECT_EQ(Play().m_rain.target, row.rain.target) << row.name;
        EXPECT_EQ(Play().m_rain.countdown, row.rain.countdown) << row.name;
        EXPECT_EQ(Play().m_rain.direction, row.rain.direction) << row.name;
        EXPECT_EQ(Play().m_inPrison, row.inPrison) << row.name;
        EXPECT_EQ(Play().m_prisonStart, row.prisonStart) << row.name;
        EXPECT_EQ(Play().m_prisonName, row.prison) << row.name;
        EXPECT_EQ(Play().SubMode(), SPlaySubMode::kFree) << row.name;
        EXPECT_TRUE(Play().Events().empty()) << row.name;
    }
}

TEST_F(WorldRecordTest, aVersion98RecordLeavesTheDriftAtZeroAndOneWithoutItsTagReadsFromItsFirstWord) {
    StartSampleWorld();
    SWorldRecord record;
    record.heading = 180;
    record.x = 5;
    record.y = 6;
    record.minutes = 4321;
    record.weatherRoll = 90;
    record.rainIntensity = 750;
    record.rainTarget = 800;
    record.rainCountdown = 50;
    record.rainDirection = 1;
    record.inPrison = 1;
    record.prisonName = "base_town_jail";
    Play().m_rain = {1, 2, 3, 1};
    Play().ResetWorld();
    ASSERT_TRUE(load(write(record, 98), 98));
    EXPECT_EQ(Play().m_rain.intensity, 750);
    EXPECT_EQ(Play().m_rain.target, 0);
    EXPECT_EQ(Play().m_rain.countdown, 0);
    EXPECT_EQ(Play().m_rain.direction, 0);
    EXPECT_EQ(Play().m_prisonName, "base_town_jail") << "the fields after the drift are read in their place";

    std::vector<uint8_t> untagged = write(record, 116);
    untagged.erase(untagged.begin(), untagged.begin() + 4);
    Play().ResetWorld();
    ASSERT_TRUE(load(untagged));
    EXPECT_EQ(Play().m_heading, 180u);
    EXPECT_EQ(Play().m_minutes, 4321u);
    EXPECT_EQ(Play().m_rain.target, 800);
}

struct BadValue {
    const char* name;
    std::function<void(SWorldRecord&)> apply;
};

class WorldRecordRefusalTest : public WorldRecordTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(WorldRecordRefusalTest, isRefusedAndThePlayScreenStaysAsItWas) {
    StartSampleWorld();
    SWorldRecord record;
    record.x = 5;
    record.y = 5;
    GetParam().apply(record);
    const std::vector<uint8_t> bytes = write(record, 116);
    EXPECT_NE(check(bytes), "ok");
    EXPECT_NE(check(bytes), "short");
    const uint32_t minutes = Play().m_minutes;
    const int32_t x = Play().m_playerX;
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(Play().m_minutes, minutes);
    EXPECT_EQ(Play().m_playerX, x);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorldRecordRefusalTest,
    ::testing::Values(BadValue{"gridX40", [](SWorldRecord& r) { r.x = 40; }},
                      BadValue{"gridYMinus1", [](SWorldRecord& r) { r.y = -1; }},
                      BadValue{"heading400", [](SWorldRecord& r) { r.heading = 400; }},
                      BadValue{"previousXAloneMinus1", [](SWorldRecord& r) { r.previousX = -1, r.previousY = 4; }},
                      BadValue{"facingSide4", [](SWorldRecord& r) { r.facing = 4; }},
                      BadValue{"weatherRoll101", [](SWorldRecord& r) { r.weatherRoll = 101; }},
                      BadValue{"intensity5000", [](SWorldRecord& r) { r.rainIntensity = 5000; }},
                      BadValue{"intensityMinus1", [](SWorldRecord& r) { r.rainIntensity = -1; }},
                      BadValue{"target1001", [](SWorldRecord& r) { r.rainTarget = 1001; }},
                      BadValue{"countdown65536", [](SWorldRecord& r) { r.rainCountdown = 65536; }},
                      BadValue{"direction2", [](SWorldRecord& r) { r.rainDirection = 2; }},
                      BadValue{"inPrison7", [](SWorldRecord& r) { r.inPrison = 7; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorldRecordTest, aRecordCutShortAnywhereIsRefused) {
    StartSampleWorld();
    Play().m_prisonName = "base_town_jail";
    const std::vector<uint8_t> bytes = save();
    for (size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + ptrdiff_t(size));
        EXPECT_EQ(check(cut), "short") << size;
        EXPECT_FALSE(load(cut)) << size;
    }
}

}  // namespace

}  // namespace world_record_test
