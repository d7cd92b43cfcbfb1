#include <gtest/gtest.h>

#include "data/map_objects/map_object_fixture.h"
#include "data/tables/palette_part.h"
#include "support/record_package.h"

namespace map_object_record_test {

namespace {

class MapObjectRecordTest : public RecordPackageTest {
protected:
    // The table's chunk as its writer writes it, read back by its loader into `read`.
    bool RoundTrip(SMapObjectTypeTable& written, int version, SPalettePart* palettes = nullptr) {
        const SRecordList records = {
            WrittenBytes([&](SArchive& archive) { written.Write(archive, version, palettes); })};
        return read.Load(OpenRecords(records, version));
    }

    SMapObjectTypeTable read;
};

std::vector<std::string> names(const SPtrArray<const char>& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

void expectText(const char* actual, const char* expected, const std::string& what) {
    if (expected == nullptr)
        EXPECT_EQ(actual, nullptr) << what;
    else
        EXPECT_STREQ(actual, expected) << what;
}

// The same door and city door written and read at each data version: what an older record lacks
// stays empty, and before version 11 the flags come from the code's defaults.
TEST_F(MapObjectRecordTest, eachDataVersionKeepsTheFieldsItHas) {
    struct Row {
        int version;
        const char *param1, *param2, *param3, *param4;
        uint8_t initialState;
        uint16_t doorFlags, cityDoorFlags;
    };
    for (Row row : {Row{9, "p1", nullptr, nullptr, nullptr, 0, 0x0005, 0x4002},
                    Row{10, "p1", "p2", nullptr, nullptr, 0, 0x0005, 0x4002},
                    Row{11, "p1", "p2", nullptr, nullptr, 0, 0x1234, 0x4001},
                    Row{59, "p1", "p2", nullptr, nullptr, 7, 0x1234, 0x4001},
                    Row{106, "p1", "p2", "p3", nullptr, 7, 0x1234, 0x4001},
                    Row{108, "p1", "p2", "p3", "p4", 7, 0x1234, 0x4001}}) {
        const std::string at = "version " + std::to_string(row.version);
        read.Clear();
        SMapObjectTypeTable written;
        auto door = MakeMapObject(written, 20, "base_door", {"bres_door", nullptr, "bres_doorframe"});
        door->m_text = "A door";
        door->m_linkedType = "bres_animfire";
        door->m_place[0] = 1;
        door->m_place[1] = -2;
        door->m_place[2] = 3;
        door->m_place[3] = 4;
        door->m_placeA = 5;
        door->m_placeB = -6;
        door->m_param1 = "p1";
        door->m_param2 = "p2";
        door->m_param3 = "p3";
        door->m_param4 = "p4";
        door->m_initialState = 7;
        door->m_flags = 0x1234;
        door->m_paletteNames.Append("bres_doorpal");
        written.Add(std::move(door));
        auto cityDoor = MakeMapObject(written, 11, "base_citydoor");
        cityDoor->m_flags = 0x0001;
        written.Add(std::move(cityDoor));

        ASSERT_TRUE(RoundTrip(written, row.version)) << at << ": " << Refusal();
        const SMapObjectType* readDoor = read.Find("base_door");
        ASSERT_NE(readDoor, nullptr) << at;
        EXPECT_EQ(readDoor->m_typeCode, 20) << at;
        EXPECT_EQ(readDoor->Table(), &read) << at;
        EXPECT_STREQ(readDoor->m_text, "A door") << at;
        EXPECT_STREQ(readDoor->m_linkedType, "bres_animfire") << at;
        EXPECT_EQ((std::vector<int>{readDoor->m_place[0], readDoor->m_place[1], readDoor->m_place[2],
                                    readDoor->m_place[3], readDoor->m_placeA, readDoor->m_placeB}),
                  (std::vector<int>{1, -2, 3, 4, 5, -6}))
            << at;
        expectText(readDoor->m_param1, row.param1, at + " param 1");
        expectText(readDoor->m_param2, row.param2, at + " param 2");
        expectText(readDoor->m_param3, row.param3, at + " param 3");
        expectText(readDoor->m_param4, row.param4, at + " param 4");
        EXPECT_EQ(readDoor->m_initialState, row.initialState) << at;
        EXPECT_EQ(readDoor->m_flags, row.doorFlags) << at;
        ASSERT_EQ(readDoor->PictureNameCount(), 3) << at;
        EXPECT_STREQ(readDoor->PictureName(0), "bres_door") << at;
        EXPECT_EQ(readDoor->PictureName(1), nullptr) << at << ": an empty name keeps its place";
        EXPECT_STREQ(readDoor->PictureName(2), "bres_doorframe") << at;
        ASSERT_EQ(readDoor->m_paletteNames.Count(), 1) << at;
        EXPECT_STREQ(readDoor->m_paletteNames[0], "bres_doorpal") << at;
        EXPECT_EQ(read.Find("base_citydoor")->m_flags, row.cityDoorFlags) << at;
    }
}

TEST_F(MapObjectRecordTest, aDamagedChunkIsRefusedAndAddsNothing) {
    struct Row {
        const char* name;
        void (*spoil)(std::vector<uint8_t>&);
        const char* expected;
    };
    // One door "base_door": tag 25, pad, count at 2; the code byte at 4, then its record: the name
    // (5 to 14), an empty text (15) and the code again at 16.
    for (Row row : {Row{"code0", [](std::vector<uint8_t>& r) { r[4] = 0; },
                        "record 100 (the map-object type table): entry 1 has type code 0; map-object types have "
                        "codes 1 to 43"},
                    Row{"code44", [](std::vector<uint8_t>& r) { r[4] = 44; }, "entry 1 has type code 44"},
                    Row{"code255", [](std::vector<uint8_t>& r) { r[4] = 255; }, "entry 1 has type code 255"},
                    Row{"codesDisagree", [](std::vector<uint8_t>& r) { r[16] = 22; },
                        "entry 1 (\"base_door\") holds type code 22 after code 20"},
                    // A second entry would start where the palette part does, with its count's byte 0.
                    Row{"countTooHigh", [](std::vector<uint8_t>& r) { r[2] = 2; }, "entry 2 has type code 0"},
                    Row{"cutInTheName", [](std::vector<uint8_t>& r) { r.resize(10); }, "cut short"}}) {
        SMapObjectTypeTable written;
        written.Add(MakeMapObject(written, 20, "base_door", {"bres_door"}));
        std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& archive) { written.Write(archive, 114); });
        ASSERT_EQ(bytes[4], 20) << "the layout above holds";
        ASSERT_EQ(bytes[16], 20) << "the layout above holds";
        row.spoil(bytes);
        SMapObjectTypeTable table;
        EXPECT_FALSE(table.Load(OpenRecords({bytes}, 114))) << row.name;
        EXPECT_NE(Refusal().find(row.expected), std::string::npos) << row.name << ": " << Refusal();
        EXPECT_EQ(table.Count(), 0) << row.name;
    }
}

// From data version 42 the chunk ends in further palette names for its types, or for types of a
// package opened before; names of no type are read and dropped.
TEST_F(MapObjectRecordTest, thePalettePartAddsPaletteNamesToTheTypesItNames) {
    SMapObjectTypeTable first;
    first.Add(MakeMapObject(first, 5, "base_wall"));
    ASSERT_TRUE(RoundTrip(first, 42)) << Refusal();

    SMapObjectTypeTable second;
    auto door = MakeMapObject(second, 20, "base_door");
    door->m_paletteNames.Append("bres_own");
    second.Add(std::move(door));
    SPalettePart palettes;
    palettes.Add("base_door", {"bres_added1", "bres_added2"});
    palettes.Add("base_gone", {"bres_lost"});
    palettes.Add("base_wall", {"bres_forthewall"});
    ASSERT_TRUE(RoundTrip(second, 42, &palettes)) << Refusal();
    EXPECT_EQ(names(read.Find("base_door")->m_paletteNames),
              (std::vector<std::string>{"bres_own", "bres_added1", "bres_added2"}));
    ASSERT_EQ(read.Find("base_wall")->m_paletteNames.Count(), 1);
    EXPECT_STREQ(read.Find("base_wall")->m_paletteNames[0], "bres_forthewall");
}

TEST_F(MapObjectRecordTest, beforeVersion42ThereIsNoPalettePart) {
    SMapObjectTypeTable written;
    written.Add(MakeMapObject(written, 20, "base_door"));
    SPalettePart palettes;
    palettes.Add("base_door", {"bres_added"});
    const std::vector<uint8_t> with41 = WrittenBytes([&](SArchive& archive) { written.Write(archive, 41, &palettes); });
    const std::vector<uint8_t> without = WrittenBytes([&](SArchive& archive) { written.Write(archive, 41); });
    EXPECT_EQ(with41, without);
    ASSERT_TRUE(read.Load(OpenRecords({with41}, 41))) << Refusal();
    EXPECT_EQ(read.Find("base_door")->m_paletteNames.Count(), 0);
}

// The two names hash alike: characters 11 places apart are shifted alike.
TEST_F(MapObjectRecordTest, typesSortByNameHashAndAnEqualHashGoesBehind) {
    const char* early = "a0123456789b";
    const char* late = "b0123456789a";
    ASSERT_EQ(HashName(early), HashName(late));
    SMapObjectTypeTable firstPackage;
    firstPackage.Add(MakeMapObject(firstPackage, 1, early));
    firstPackage.Add(MakeMapObject(firstPackage, 5, "base_wall"));
    ASSERT_TRUE(RoundTrip(firstPackage, 114)) << Refusal();
    SMapObjectTypeTable secondPackage;
    secondPackage.Add(MakeMapObject(secondPackage, 1, late));
    secondPackage.Add(MakeMapObject(secondPackage, 1, "base_grass"));
    ASSERT_TRUE(RoundTrip(secondPackage, 114)) << Refusal();

    ASSERT_EQ(read.Count(), 4);
    for (int i = 1; i < read.Count(); ++i)
        EXPECT_LE(read.GetTypeAt(i - 1)->NameKey().Hash(), read.GetTypeAt(i)->NameKey().Hash());
    int earlyAt = -1, lateAt = -1;
    for (int i = 0; i < read.Count(); ++i) {
        if (read.GetTypeAt(i) == read.Find(early)) earlyAt = i;
        if (read.GetTypeAt(i) == read.Find(late)) lateAt = i;
    }
    EXPECT_EQ(lateAt, earlyAt + 1);
    EXPECT_EQ(read.GetTypeAt(4), nullptr);
    EXPECT_EQ(read.GetTypeAt(-1), nullptr);
}

TEST_F(MapObjectRecordTest, theDefaultTextureIsTheFirstTextureInHashOrder) {
    SMapObjectTypeTable written;
    for (const char* name : {"base_grass", "base_sand", "base_stone"}) written.Add(MakeMapObject(written, 1, name));
    written.Add(MakeMapObject(written, 5, "base_wall"));
    EXPECT_EQ(read.FindDefaultTexture(), nullptr);
    ASSERT_TRUE(RoundTrip(written, 114)) << Refusal();
    const SMapObjectType* first = nullptr;
    for (int i = 0; i < read.Count() && !first; ++i)
        if (read.GetTypeAt(i)->m_typeCode == 1) first = read.GetTypeAt(i);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(read.FindDefaultTexture(), first);
    read.Clear();
    EXPECT_EQ(read.Count(), 0);
    EXPECT_EQ(read.FindDefaultTexture(), nullptr);
}

}  // namespace

}  // namespace map_object_record_test
