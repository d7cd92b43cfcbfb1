#include "data/sound_table.h"

#include <gtest/gtest.h>

#include "engine/files/settings.h"
#include "support/audio_level.h"
#include "support/record_package.h"
#include "support/sound_fixtures.h"

namespace sound_table_test {

namespace {

using platform::headless::PullAudio;

std::unique_ptr<SSoundType> makeSound(const std::string& name, int16_t level = 8000, size_t frames = 44100) {
    auto sound = std::make_unique<SSoundType>();
    sound->name = name;
    sound->sampleImage = MakeWave(44100, 1, std::vector<int16_t>(frames, level));
    return sound;
}

// Two banks, three songs and three sounds, written by one table and read by another.
class SoundTableTest : public RecordPackageTest {
protected:
    void SetUp() override {
        RecordPackageTest::SetUp();
        written.AddBank(std::make_unique<SMusicBank>(MakeBank("bmus_forest", 3, {2000, 6})));
        written.AddBank(std::make_unique<SMusicBank>(MakeBank("bmus_cave", 2, {4})));
        written.AddSong(std::make_unique<SMusicSong>(MakeSong("bmus_walk", "bmus_forest", 2)));
        written.AddSong(std::make_unique<SMusicSong>(MakeSong("bmus_dark", "bmus_cave", 1)));
        written.AddSong(std::make_unique<SMusicSong>(MakeSong("bmus_lost", "bmus_nowhere", 1)));
        for (const char* name : {"bsnd_click", "bsnd_door", "bsnd_thunder"}) written.AddSound(makeSound(name));
        sound.Open(settings);
        table.Attach(&sound);
        sound.Attach(&table);
    }

    bool load(int version = 114) { return table.Load(OpenRecords(written.Write(version), version)); }

    SSoundTable written;
    SSettings settings;
    SSound sound;
    SSoundTable table;
};

TEST_F(SoundTableTest, everyEntryIsFoundByNameAfterARoundTrip) {
    ASSERT_TRUE(load()) << Refusal();
    EXPECT_EQ(cursor->id, kFirstRecord + written.Write(114).size()) << "the cursor ends after the table";
    ASSERT_NE(table.FindBank("bmus_forest"), nullptr);
    EXPECT_EQ(table.FindBank("bmus_forest")->samples, MakeBank("bmus_forest", 3, {2000, 6}).samples);
    ASSERT_NE(table.FindSong("bmus_dark"), nullptr);
    EXPECT_EQ(table.FindSong("bmus_dark")->bankName, "bmus_cave");
    ASSERT_NE(table.FindSound("bsnd_door"), nullptr);
    EXPECT_EQ(table.FindSound("bsnd_door")->sampleImage, makeSound("bsnd_door")->sampleImage);
    EXPECT_EQ(table.FindSound("bsnd_nothing"), nullptr);
    EXPECT_EQ(table.FindSong("bsnd_door"), nullptr) << "songs and sounds are apart";
    EXPECT_EQ(table.FindBank(nullptr), nullptr);
    for (const auto* list : {&table.Sounds()})
        for (int i = 1; i < list->Count(); ++i)
            EXPECT_LE((*list)[i - 1]->NameKey().Hash(), (*list)[i]->NameKey().Hash()) << "sorted by name hash";
}

TEST_F(SoundTableTest, aSecondPackagesEntriesJoinTheFirsts) {
    ASSERT_TRUE(load()) << Refusal();
    SSoundTable more;
    more.AddSound(makeSound("bsnd_bell"));
    SPdb second;
    second.Attach(folder);
    ASSERT_TRUE(WriteTestPackage(folder, "More", {{7, more.Write(114)[0]}, {8, more.Write(114)[1]}}));
    ASSERT_TRUE(second.Open("More"));
    SRecordCursor fromSecond{second, 7, 114, {}};
    ASSERT_TRUE(table.Load(fromSecond)) << fromSecond.error.Message();
    EXPECT_EQ(table.Sounds().Count(), 4);
    EXPECT_NE(table.FindSound("bsnd_bell"), nullptr);
    EXPECT_NE(table.FindSound("bsnd_click"), nullptr);
}

TEST_F(SoundTableTest, playSoundFindsTheSoundByNameOrPlaysNothing) {
    ASSERT_TRUE(load()) << Refusal();
    EXPECT_EQ(table.PlaySound("bsnd_nothing", 10), 0);
    EXPECT_EQ(Peak(PullAudio(100)), 0);

    SSoundType& door = *table.FindSound("bsnd_door");
    EXPECT_GT(table.PlaySound("bsnd_door", 7), 0);
    platform::Sound* first = door.cache[7].get();
    ASSERT_NE(first, nullptr);
    EXPECT_GT(table.PlaySound("bsnd_door", 7), 0);
    EXPECT_EQ(door.cache[7].get(), first) << "step 7 keeps its one library sound";
    for (int step = 0; step < SSoundType::kVolumeSteps; ++step)
        EXPECT_EQ(door.cache[step] != nullptr, step == 7) << step;
    EXPECT_GT(Peak(PullAudio(100)), 0);
}

TEST_F(SoundTableTest, theWrapperFindsASongsBankInTheTable) {
    ASSERT_TRUE(load()) << Refusal();
    EXPECT_GT(sound.PlayMusic(*table.FindSong("bmus_walk")), 0);
    EXPECT_GT(Peak(PullAudio(4410)), 0);
    EXPECT_EQ(sound.PlayMusic(*table.FindSong("bmus_lost")), 0) << "its bank is in no package";
}

TEST_F(SoundTableTest, destroyingTheTableStopsItsSounds) {
    auto owned = std::make_unique<SSoundTable>();
    owned->Attach(&sound);
    owned->AddSound(makeSound("bsnd_rain", 8000, 100));
    sound.PlayLooped(*owned->FindSound("bsnd_rain"), 10);
    EXPECT_GT(Peak(PullAudio(100)), 0);
    owned.reset();
    EXPECT_EQ(Peak(PullAudio(100)), 0);
}

TEST_F(SoundTableTest, clearingDeletesEveryEntry) {
    ASSERT_TRUE(load()) << Refusal();
    table.Clear();
    EXPECT_EQ(table.Banks().Count() + table.Songs().Count() + table.Sounds().Count(), 0);
    EXPECT_EQ(table.FindBank("bmus_forest"), nullptr);
}

TEST_F(SoundTableTest, aChunkThatCountsMoreEntriesThanThePackageHoldsIsRefused) {
    SRecordList records = written.Write(114);
    records[0][6] = 4;  // four sounds where three follow
    EXPECT_FALSE(table.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("record " + std::to_string(kFirstRecord + records.size()) +
                             " (the sound and music table): missing"),
              std::string::npos)
        << Refusal();
}

TEST_F(SoundTableTest, aChunkRecordCutShortIsRefused) {
    SRecordList records = written.Write(114);
    records[0].resize(1);  // the tag; the record reads back with its trailer and padding, 4 bytes
    EXPECT_FALSE(table.Load(OpenRecords(records, 114)));
    EXPECT_NE(Refusal().find("record 100 (the sound and music table) at byte 4: cut short"), std::string::npos)
        << Refusal();
}

}  // namespace

}  // namespace sound_table_test
