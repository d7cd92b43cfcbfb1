#include "tools/sampledata/level_writer.h"

#include <gtest/gtest.h>

#include "data/maps/cell_record.h"
#include "data/maps/level_records.h"
#include "engine/base/archive.h"
#include "support/record_bytes.h"

namespace level_writer_test {

namespace {

TEST(LevelWriterTest, namesJoinThePackagesNameIndexesOnceEach) {
    SSampleNames names{{SNameIndex::MapObjectTypes, {"base_rock"}}};
    SWrittenLevel level;
    std::string error;
    ASSERT_TRUE(WriteLevel(R"(
floor base_grass/base_dusk
cell a floor=base_grass centre=base_rock/base_night
cells 0 0
aa
end
creature base_rat 1 1
creature base_rat 2 2
container 1 3 3 loot=base_apple*2%50,level3
)",
                           114, names, level, error))
        << error;
    EXPECT_EQ(names[SNameIndex::MapObjectTypes], (std::vector<std::string>{"base_rock", "base_grass"}));
    EXPECT_EQ(names[SNameIndex::Palettes], (std::vector<std::string>{"base_dusk", "base_night"}));
    EXPECT_EQ(names[SNameIndex::Monsters], (std::vector<std::string>{"base_rat"}));
    EXPECT_EQ(names[SNameIndex::ItemTypes], (std::vector<std::string>{"base_apple"}));
    EXPECT_EQ(level.header.floorType, 2);
    EXPECT_EQ(level.header.floorPalette, 1);
    EXPECT_EQ(level.header.storedWidth, 2);
    EXPECT_EQ(level.header.storedHeight, 1);

    // The cells record holds the tag and the two cells as the cell record writes them.
    SCellRecord cell;
    cell.flags = SCellRecord::kFloor | SCellRecord::kCentre | SCellRecord::kCentrePalette;
    cell.floorType = 2;
    cell.centreType = 1;
    cell.centrePalette = 2;
    const std::vector<uint8_t> expected = WrittenBytes([&](SArchive& a) {
        a.SerializeTag(kCellsRecordTag);
        cell.Serialize(a, 114);
        cell.Serialize(a, 114);
    });
    EXPECT_EQ(level.records[0], expected);
    // Below ground there is no cell index.
    EXPECT_TRUE(level.records[kCellIndexRecordOffset].empty());
}

// A quoted value keeps its blanks; the quotes do not reach the text, and a comment may hold one.
TEST(LevelWriterTest, aQuotedTextIsOneWordWithItsBlanks) {
    SSampleNames names;
    SWrittenLevel level;
    std::string error;
    ASSERT_TRUE(
        WriteLevel("; the sign's \"words\n"
                   "object 3 base_sign text-a=\"Mind  the goblin.\" text-b=base_read\n",
                   114, names, level, error))
        << error;
    SArchive archive;
    const std::vector<uint8_t>& record = level.records[kObjectsRecordOffset];
    archive.OpenRead(record.data(), uint32_t(record.size()));
    uint8_t idCounter = 0;
    SPtrArray<SPlacedObject> objects{4};
    SerializeObjectsRecord(archive, 114, idCounter, objects);
    ASSERT_FALSE(archive.Failed());
    ASSERT_EQ(objects.Count(), 1);
    EXPECT_STREQ(objects[0]->textA.Text(), "Mind  the goblin.");
    EXPECT_STREQ(objects[0]->textB.Text(), "base_read");
}

TEST(LevelWriterTest, aTextItCannotReadIsRefusedWithTheLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"cells 0 0\nab\nend\ncell a", "no cell stands for 'b'"},
        {"\nview 300", "line 2: \"300\" is no number up to 255"},
        {"cells 0 0\nab\nabc\nend", "the rows of the cells differ in length"},
        {"cells 0 0\nab", "the cells have no end"},
        {"cell a floor=base_grass shade=base_dark", "line 1: \"shade\" is no part of a cell"},
        {"cell a shadow-ceiling=base_rock", "line 1: \"shadow-ceiling\" is no part of a companion cell"},
        {"cell a floor-overlay=base_moss/base_dusk", "line 1: \"base_moss/base_dusk\" has a palette where none goes"},
        {"cell ab", "line 1: \"ab\" is not one character"},
        {"cell a floor=base_grass\ncell a floor=base_sand", "line 2: 'a' stands for two cells"},
        {"object 1 base_door colour=red", "line 1: \"colour\" is no part of an object"},
        {"creature base_rat 1", "line 1: \"creature\" wants more"},
        {"creature base_rat 1 1 hp=40000", "line 1: \"40000\" is no number up to 32767"},
        {"container 1 2 3 loot", "line 1: \"loot\" is no part=value"},
        {"river 3", "line 1: \"river\" is nothing a level holds"},
        {"\n; \"a comment\nobject 1 base_sign text-a=\"Mind", "line 3: a quote has no end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SSampleNames names;
        SWrittenLevel level;
        std::string error;
        EXPECT_FALSE(WriteLevel(c.text, 114, names, level, error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace

}  // namespace level_writer_test
