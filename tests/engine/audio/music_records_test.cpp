// The bank, song and sound records: their bytes, both directions, and the damage their loaders
// refuse.
#include <gtest/gtest.h>

#include <functional>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"
#include "engine/audio/sound_type.h"
#include "engine/base/archive.h"
#include "engine/base/byte_order.h"
#include "support/record_package.h"
#include "support/sound_fixtures.h"

namespace music_records_test {

namespace {

constexpr const char* kWhat = "the sound and music table";

SSoundType MakeSound(const std::string& name, size_t frames) {
    SSoundType sound;
    sound.name = name;
    sound.wordValues = {7, 300};
    sound.byteValues = {1, 2, 3};
    sound.sampleImage = MakeWave(11025, 1, std::vector<int16_t>(frames, 1000));
    return sound;
}

// The bank's first record, written at a version.
std::vector<uint8_t> headRecord(SMusicBank bank, int version) {
    SRecordList records;
    AppendRecord(records, [&](SArchive& archive) { bank.SerializeHead(archive, version); });
    return records[0];
}

TEST(ModuleHeaderTest, aHeaderAtAnOddOffsetTakesOnePadByteBeforeTheFirstSampleLength) {
    SMusicBank bank = MakeBank("ab", 3, {0x1234, 5});
    bank.header[20 + 26] = 0xAA;       // loop start of sample 0
    bank.header[20 + 30 + 28] = 0xBB;  // loop length of sample 1
    struct Row {
        const char* name;
        uint32_t headerAt;       // the name and its NUL come first
        uint32_t firstLengthAt;  // the pad byte, when any, lies just before it
        uint32_t countAt;        // the sample count after the header, aligned
    };
    // "ab": the header starts at 3 (odd), 22 + 20 bytes later the length would sit at 45, so it moves
    // to 46; the rest of the header keeps its even offsets and ends at 1088. "abc": no pad at all.
    for (Row row : {Row{"ab", 3, 46, 1088}, Row{"abc", 4, 46, 1088}}) {
        bank.name = row.name;
        std::vector<uint8_t> bytes = headRecord(bank, 66);
        ASSERT_EQ(bytes.size(), row.countAt + 6) << row.name;
        EXPECT_EQ(ReadBE16(&bytes[row.firstLengthAt]), 0x1234) << "lengths stay big-endian";
        EXPECT_EQ(bytes[row.firstLengthAt + 3], 64) << "volume";
        EXPECT_EQ(bytes[row.firstLengthAt + 4], 0xAA);
        EXPECT_EQ(bytes[row.firstLengthAt + 36], 0xBB) << "sample 1's loop length, 30 bytes after sample 0's";
        EXPECT_EQ(bytes[row.headerAt], 'b') << "the title";
        EXPECT_EQ(ReadLE16(&bytes[row.countAt]), 2);
        EXPECT_EQ(ReadLE16(&bytes[row.countAt + 2]), 3);

        SMusicBank read;
        SArchive archive;
        archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
        read.SerializeHead(archive, 66);
        ASSERT_FALSE(archive.Failed());
        EXPECT_EQ(read.header, bank.header) << row.name;
        EXPECT_EQ(read.name, row.name);
    }
}

TEST(ModuleHeaderTest, onlyVersionsAbove65StoreThePatternSlotsAndSize) {
    SMusicBank bank = MakeBank("forest", 3, {4});
    for (int version : {65, 66}) {
        std::vector<uint8_t> bytes = headRecord(bank, version);
        SMusicBank read;
        SArchive archive;
        archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
        read.SerializeHead(archive, version);
        EXPECT_EQ(read.sampleCount, 1) << version;
        EXPECT_EQ(read.patternSlots, version == 65 ? 0 : 3) << version;
        EXPECT_EQ(read.patternUnits, version == 65 ? 0 : 4) << version;
    }
    EXPECT_EQ(headRecord(bank, 66).size(), headRecord(bank, 65).size() + 4);
}

class MusicRecordTest : public RecordPackageTest {};

TEST_F(MusicRecordTest, samplesAbove32000WordsTakeTwoRecords) {
    struct Row {
        uint16_t words;
        std::vector<size_t> recordSizes;  // after the first record
    };
    for (Row row : {Row{32000, {64000}}, Row{32001, {64000, 2}}, Row{0, {0}}}) {
        SMusicBank bank = MakeBank("big", 2, {row.words, 3});
        if (row.words > 0) bank.samples[0].back() = 0x5A;  // the last byte must come from the right record
        SRecordList records;
        bank.Write(records, 66);
        ASSERT_EQ(records.size(), 1 + row.recordSizes.size() + 1) << row.words;
        for (size_t i = 0; i < row.recordSizes.size(); ++i) EXPECT_EQ(records[1 + i].size(), row.recordSizes[i]);

        SMusicBank read;
        ASSERT_TRUE(read.Load(OpenRecords(records, 66), kWhat)) << Refusal();
        EXPECT_EQ(read.samples, bank.samples) << row.words;
        EXPECT_EQ(cursor->id, kFirstRecord + records.size()) << "the cursor ends after the bank";
    }
}

TEST_F(MusicRecordTest, aSongRoundTripsItsHeaderAndPatterns) {
    SMusicSong song = MakeSong("bmus_walk", "bmus_forest", 2);
    song.value = 77;
    song.patterns[1][9] = 0x42;
    SRecordList records;
    song.Write(records);
    ASSERT_EQ(records.size(), 4u) << "first record, header, two patterns";
    EXPECT_EQ(records[1].size(), kModuleHeaderSize) << "a header record starts even: no pad";

    SMusicSong read;
    ASSERT_TRUE(read.Load(OpenRecords(records, 66), kWhat)) << Refusal();
    EXPECT_EQ(read.name, "bmus_walk");
    EXPECT_EQ(read.bankName, "bmus_forest");
    EXPECT_EQ(read.value, 77);
    EXPECT_EQ(read.patternSize, 1024);
    EXPECT_EQ(read.header, song.header);
    EXPECT_EQ(read.patterns, song.patterns);
}

TEST_F(MusicRecordTest, aSoundKeepsItsImageWithoutTheRecordsPadding) {
    for (int version : {109, 110}) {
        SSoundType sound = MakeSound("bsnd_door", 5);  // an odd image size: padding follows it
        SRecordList records;
        sound.Write(records, version);
        SSoundType read;
        ASSERT_TRUE(read.Load(OpenRecords(records, version), kWhat)) << Refusal();
        EXPECT_EQ(read.name, "bsnd_door");
        EXPECT_EQ(read.wordValues, sound.wordValues);
        EXPECT_EQ(read.byteValues, sound.byteValues);
        EXPECT_EQ(read.sampleImage, sound.sampleImage) << version;
    }
    // "bsnd_door" and its NUL end at 10; the u16s at 10 and 12, the u8s at 14 to 16, then the image
    // at 17, or at 20 from version 110 on.
    SSoundType sound = MakeSound("bsnd_door", 5);
    SRecordList records;
    sound.Write(records, 109);
    sound.Write(records, 110);
    EXPECT_EQ(records[0].size(), 17 + sound.sampleImage.size());
    EXPECT_EQ(records[1].size(), 20 + sound.sampleImage.size());
    EXPECT_EQ(records[1][20], 'R');
}

// A valid record set with one field broken, and the words its refusal must contain.
struct DamageCase {
    const char* name;
    std::function<bool(SRecordCursor&)> load;  // loads what the records hold
    std::function<SRecordList()> records;
    const char* expected;
};

void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.name; }

SRecordList bankRecords(const std::function<void(SMusicBank&)>& spoil) {
    SMusicBank bank = MakeBank("bmus_forest", 3, {4, 6});
    SRecordList records;
    spoil(bank);
    bank.Write(records, 66);
    return records;
}

SRecordList songRecords(const std::function<void(SMusicSong&)>& spoil) {
    SMusicSong song = MakeSong("bmus_walk", "bmus_forest", 2);
    spoil(song);
    SRecordList records;
    song.Write(records);
    return records;
}

SRecordList soundRecords(const std::function<void(SSoundType&)>& spoil) {
    SSoundType sound = MakeSound("bsnd_door", 400);
    spoil(sound);
    SRecordList records;
    sound.Write(records, 114);
    return records;
}

bool loadBank(SRecordCursor& cursor) { return SMusicBank().Load(cursor, kWhat); }
bool loadSong(SRecordCursor& cursor) { return SMusicSong().Load(cursor, kWhat); }
bool loadSound(SRecordCursor& cursor) { return SSoundType().Load(cursor, kWhat); }

const DamageCase kDamage[] = {
    {"bankWithMoreSamplesThanAModule", loadBank, [] { return bankRecords([](SMusicBank& b) { b.sampleCount = 32; }); },
     "record 100 (the sound and music table): bank \"bmus_forest\" has 32 samples; a module holds 31"},
    {"sampleRecordShorterThanItsLength", loadBank,
     [] {
         SRecordList records = bankRecords([](SMusicBank&) {});
         records[2].resize(4);  // sample 2 is 12 bytes; the record reads back with a 2-byte trailer
         return records;
     },
     "record 102 (the sound and music table): sample 2 of bank \"bmus_forest\" needs 12 bytes; the record holds "
     "6"},
    {"bankWithoutItsLastSample", loadBank,
     [] {
         SRecordList records = bankRecords([](SMusicBank&) {});
         records.pop_back();
         return records;
     },
     "record 102 (the sound and music table): missing"},
    {"bankHeadCutShort", loadBank,
     [] {
         SRecordList records = bankRecords([](SMusicBank&) {});
         records[0].resize(600);
         return records;
     },
     "record 100 (the sound and music table) at byte 602: cut short"},
    {"songPlayingMoreThan128OrderEntries", loadSong,
     [] { return songRecords([](SMusicSong& s) { s.header[950] = 129; }); },
     "record 101 (the sound and music table): the module header of song \"bmus_walk\" plays 129 order entries "
     "of 128"},
    {"patternRecordShorterThanThePatternSize", loadSong,
     [] {
         SRecordList records = songRecords([](SMusicSong&) {});
         records[3].resize(1000);
         return records;
     },
     "record 103 (the sound and music table): pattern 2 of song \"bmus_walk\" needs 1024 bytes; the record holds "
     "1002"},
    {"songHeaderCutShort", loadSong,
     [] {
         SRecordList records = songRecords([](SMusicSong&) {});
         records[1].resize(1000);
         return records;
     },
     "record 101 (the sound and music table) at byte 950: cut short"},
    {"soundWithoutARiffImage", loadSound, [] { return soundRecords([](SSoundType& s) { s.sampleImage[0] = 'X'; }); },
     "record 100 (the sound and music table): sound \"bsnd_door\" holds no whole RIFF WAVE image"},
    {"soundImageCutShort", loadSound,
     [] {
         SRecordList records = soundRecords([](SSoundType&) {});
         records[0].resize(records[0].size() - 100);
         return records;
     },
     "sound \"bsnd_door\" holds no whole RIFF WAVE image"},
    {"soundCutInItsName", loadSound,
     [] {
         SRecordList records = soundRecords([](SSoundType&) {});
         records[0].resize(5);  // the trailer's zeros end the name
         return records;
     },
     "record 100 (the sound and music table) at byte 6: cut short"},
};

class MusicRecordDamageTest : public RecordPackageTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(MusicRecordDamageTest, isRefusedWithTheRecordAndTheFault) {
    SRecordCursor& records = OpenRecords(GetParam().records(), 114);
    EXPECT_FALSE(GetParam().load(records));
    EXPECT_NE(Refusal().find(GetParam().expected), std::string::npos) << Refusal();
}

INSTANTIATE_TEST_SUITE_P(Damaged, MusicRecordDamageTest, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace music_records_test
