#include <gtest/gtest.h>

#include "data/maps/cell_record.h"
#include "data/maps/level_records.h"
#include "data/maps/map.h"
#include "data/maps/map_header.h"
#include "engine/packages/resource_cache.h"
#include "support/map_fixture.h"
#include "support/record_bytes.h"

namespace map_level_test {

namespace {

class MapLevelTest : public MapTest {
protected:
    MapLevelTest() {
        grass = AddType(1, "base_grass");
        wall = AddType(5, "base_wall");
        door = AddType(20, "base_door");
        vine = AddType(2, "base_vine");
        palettes = {{"base_dusk", std::vector<uint8_t>(8, 0)}};
        rat = AddMonster("base_rat", 30);
        guard = AddMonster("base_guard", 50, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
    }

    SMapObjectType *grass, *wall, *door, *vine;
    SMonster *rat, *guard;
    TestGrid grid;
};

// A cave of two rows: grass with a wall, and a door below it with a vine beside it.
const char* const kCave = R"(
; the cave by the harbour
fog 0x1234
view 60
cell . floor=base_grass/base_dusk
cell # centre=base_wall
cell D centre=base_door centre-id=1 wall-n=base_wall wall-n-id=2 shadow-centre=base_vine
cells 3 4
.#.
.D.
end
object 1 base_door flags=3 state=0x40
object 2 base_sign text-a=hello
creature base_rat 5 5 state=4
creature base_guard 3 4 id=7
)";

TEST_F(MapLevelTest, aMapDrawnInTextFillsTheGridWithItsCellsObjectsAndCreatures) {
    SMap* map = OpenMap(kCave);
    ASSERT_NE(map, nullptr) << error;
    // Junk on the grid, to be cleared where the map stores no cells.
    grid.Cell(0, 0).floorType = wall;
    grid.Shadow(34, 34).centreType = wall;
    grid.origins[map] = {0, 0};
    map->LoadCells(grid, 500);

    const SPaletteEntry* dusk = cache.FindPalette("base_dusk");
    ASSERT_NE(dusk, nullptr);
    EXPECT_EQ(grid.Cell(3, 4).floorType, grass);
    EXPECT_EQ(grid.Cell(3, 4).floorPalette, dusk);
    EXPECT_EQ(grid.Cell(4, 4).centreType, wall);
    EXPECT_EQ(grid.Cell(4, 4).floorType, nullptr);
    const SMapCell& doorCell = grid.Cell(4, 5);
    EXPECT_EQ(doorCell.centreType, door);
    EXPECT_EQ(doorCell.centreId, 1);
    EXPECT_EQ(doorCell.sides[0].wallType, wall);
    EXPECT_EQ(doorCell.sides[0].objectId, 2);
    EXPECT_EQ(grid.Shadow(4, 5).centreType, vine);
    EXPECT_EQ(grid.Shadow(4, 4).centreType, nullptr);
    EXPECT_EQ(grid.Cell(0, 0).floorType, nullptr);
    EXPECT_EQ(grid.Shadow(34, 34).centreType, nullptr);

    SPlacedObject* doorObject = map->FindObject(doorCell.centreId);
    ASSERT_NE(doorObject, nullptr);
    EXPECT_STREQ(doorObject->name.Text(), "base_door");
    EXPECT_EQ(doorObject->flags, 3);
    EXPECT_EQ(doorObject->state, 0x40);
    EXPECT_STREQ(map->FindObjectByName("base_sign")->textA.Text(), "hello");
    EXPECT_EQ(map->FindObject(0), nullptr);

    // Every creature stands on the grid at its place, at full health.
    EXPECT_EQ(grid.placed, (std::vector<TestGrid::Placed>{{1, 5, 5}, {7, 3, 4}}));
    EXPECT_EQ(grid.marked, (std::vector<std::string>{"base_rat", "base_guard"}));
    ASSERT_EQ(map->Creatures().Count(), 2);
    EXPECT_EQ(map->FindCreature(1)->monster, rat);
    EXPECT_EQ(map->FindCreature(1)->hp, 30);
    EXPECT_EQ(map->FindCreature(1)->state, 4);
    EXPECT_EQ(map->FindCreature(7)->monster, guard);
    EXPECT_EQ(map->CreatureIdCounter(), 8);
    EXPECT_EQ(map->LastVisit(), 500u);
    EXPECT_EQ(map->FogColour(), 0x1234);
    EXPECT_EQ(map->ViewDistance(), 60);
    EXPECT_FALSE(map->IsSurface());
    EXPECT_EQ(map->Width(), 35);
}

TEST_F(MapLevelTest, objectsAreKeptInNameHashOrder) {
    SMap* map = OpenMap("object 1 base_zebra\nobject 2 base_ant\nobject 3 base_moth\nobject 4 base_ant");
    ASSERT_NE(map, nullptr) << error;
    ASSERT_EQ(map->Objects().Count(), 4);
    for (int i = 1; i < 4; ++i) EXPECT_LE(map->Objects()[i - 1]->NameKey().Hash(), map->Objects()[i]->NameKey().Hash());
    // Equal names keep the order of the record.
    EXPECT_EQ(map->FindObjectByName("base_ant")->id, 2);
}

TEST_F(MapLevelTest, aCreatureWhoseOwnerIsClosedIsDroppedAndOneWhoseOwnerIsHiddenStaysOffTheGrid) {
    SMap* map = OpenMap(R"(
object 1 base_coffin flags=3
object 2 base_crate flags=0
object 3 base_barrel flags=1
creature base_rat 1 1 owner=1
creature base_rat 2 2 owner=2
creature base_rat 3 3 owner=3
creature base_rat 4 4 owner=9
creature base_wolf 5 5
)");
    ASSERT_NE(map, nullptr) << error;
    grid.origins[map] = {0, 0};
    map->LoadCells(grid, 1);
    // The wolf's monster is in no open package: it leaves no creature either.
    EXPECT_EQ(map->Creatures().Count(), 3);
    EXPECT_EQ(map->FindCreature(1), nullptr);
    EXPECT_EQ(map->FindCreatureOfObject(*map->FindObject(2))->id, 2);
    EXPECT_EQ(grid.placed, (std::vector<TestGrid::Placed>{{3, 3, 3}, {4, 4, 4}}));
}

// The header at data version 12 has no floor and ceiling of its own; from version 13 it names them.
TEST_F(MapLevelTest, aMapWithoutItsOwnFloorAndCeilingHasTheFirstTexture) {
    AddType(5, "base_rock");
    SMapObjectType* texture = types.FindDefaultTexture();
    ASSERT_NE(texture, nullptr);
    struct Case {
        const char* name;
        int version;
        const char* level;
        SMapObjectType *floor, *ceiling;
    };
    const Case cases[] = {
        {"version12", 12, "floor base_wall\nceiling base_wall", texture, texture},
        {"version13", 13, "floor base_wall\nceiling base_rock/base_dusk", wall, types.Find("base_rock")},
        {"version13None", 13, "", texture, texture},
        {"surfaceHasTheSky", 13, "surface", texture, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        modules.Clear();
        cache.Clear();
        cache.Init();
        SMap* map = OpenMap(c.level, c.version);
        ASSERT_NE(map, nullptr) << error;
        EXPECT_EQ(map->FloorType(), c.floor);
        EXPECT_EQ(map->CeilingType(), c.ceiling);
        EXPECT_EQ(map->CeilingPalette(),
                  c.version > 12 && c.ceiling == types.Find("base_rock") ? cache.FindPalette("base_dusk") : nullptr);
    }
}

TEST_F(MapLevelTest, theHeaderKeepsItsLayoutAtVersions12And13) {
    SMapHeader header;
    header.title.Assign("Cave");
    header.name = "base_cave";
    header.flags = 0x80;
    header.fogColour = 0x1234;
    header.viewDistance = 60;
    header.storedLeft = 1, header.storedTop = 2, header.storedWidth = 3, header.storedHeight = 4;
    header.floorType = 5, header.floorPalette = 6, header.ceilingType = 7, header.ceilingPalette = 8;
    const std::vector<uint8_t> common = {'G', 'C', 'a', 'v',  'e', 0,    'b',  'a', 's', 'e', '_', 'c', 'a',
                                         'v', 'e', 0,   0x80, 0,   0x34, 0x12, 60,  1,   2,   3,   4};
    std::vector<uint8_t> version13 = common;
    version13.insert(version13.end(), {0, 5, 0, 6, 0, 7, 0, 8, 0});
    for (const auto& [tableVersion, tableBytes] : {std::pair{12, common}, {13, version13}}) {
        // Lambdas below capture these, which a structured binding cannot be.
        const int version = tableVersion;
        const std::vector<uint8_t>& bytes = tableBytes;
        SCOPED_TRACE(version);
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { header.Serialize(a, version); }), bytes);
        SMapHeader read;
        EXPECT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, version); }), int(bytes.size()));
        EXPECT_STREQ(read.title.Text(), "Cave");
        EXPECT_STREQ(read.name, "base_cave");
        EXPECT_EQ(read.viewDistance, 60);
        EXPECT_EQ(read.storedHeight, 4);
        EXPECT_EQ(read.ceilingPalette, version == 13 ? 8 : 0);
    }
}

struct DamagedLevel {
    const char* name;
    std::string level;
    std::map<uint16_t, std::vector<uint8_t>> records;
    const char* message;  // a part of the error
};

class MapDamageTest : public MapLevelTest, public ::testing::WithParamInterface<DamagedLevel> {};

std::vector<uint8_t> cellsRecord(std::initializer_list<SCellRecord> cells, int version = 114) {
    return WrittenBytes([&](SArchive& a) {
        a.SerializeTag(kCellsRecordTag);
        for (SCellRecord cell : cells) cell.Serialize(a, version);
    });
}

SCellRecord floorCell(uint16_t type) {
    SCellRecord cell;
    cell.flags = SCellRecord::kFloor;
    cell.floorType = type;
    return cell;
}

// The palette moves the maps record to 4034, and the cave's level data starts at 4035: cells 4035,
// cell index 4036, creatures 4037, objects 4038. Records read back padded with zeros to a multiple of
// four after a two-byte trailer, so the cuts lie beyond those.
const DamagedLevel kDamagedLevels[] = {
    {"storedCellsPastTheMapsEdge",
     "cells 33 0\n...\nend\ncell . floor=base_grass",
     {},
     "record 4034 (the maps record): map 1: the stored cells (33, 0) + 3 x 1 pass the map's 35 x 35"},
    {"sectionCellsPastItsEdge",
     "surface\ncells 0 20\n.\n.\nend\ncell . floor=base_grass",
     {},
     "pass the map's 21 x 21"},
    {"aCellNamingATypePastTheNames",
     "cells 0 0\n..\nend\ncell . floor=base_grass",
     {{0, cellsRecord({floorCell(1), floorCell(2)})}},
     "record 4035 (the cells of map \"base_cave\"): a cell names map-object type name 2 of 1"},
    {"cellsCutShort",
     "cells 0 0\n........\nend\ncell . floor=base_grass",
     {{0, cellsRecord({floorCell(1)})}},
     "record 4035 (the cells of map \"base_cave\") at byte 12: cut short"},
    {"aCellIndexPointingPastTheCells",
     "surface\ncells 0 0\n..\nend\ncell . floor=base_grass",
     {{kCellIndexRecordOffset, {2, 0, 2, 0, 200, 0}}},
     "record 4036 (the cell index of map \"base_cave\"): stored cell 2 is at byte 200 of the cells, where no cell "
     "is"},
    {"aCellIndexCutShort",
     "surface\ncells 0 0\n........\nend\ncell . floor=base_grass",
     {{kCellIndexRecordOffset, {8, 0, 2, 0}}},
     "record 4036 (the cell index of map \"base_cave\") at byte 8: cut short"},
    {"aCreatureNamingAMonsterPastTheNames",
     "creature base_rat 1 1",
     {{kCreaturesRecordOffset, {1, 0, 0, 0, 2, 0, 2, 0, 1, 0, 0, 1, 1, 0}}},
     "record 4037 (the creatures of map \"base_cave\"): creature 1 is monster name 2 of 1"},
    {"objectsCutShort",
     "object 1 base_door",
     {{kObjectsRecordOffset, {'I', 1, 1, 0, 0, 0}}},
     "record 4038 (the placed objects of map \"base_cave\") at byte 8: cut short"},
};

TEST_P(MapDamageTest, damagedLevelDataRefusesThePackageNamingTheRecord) {
    const DamagedLevel& damage = GetParam();
    TestMap map{"base_cave", "Cave", damage.level, damage.records};
    EXPECT_EQ(OpenMap(map), nullptr);
    EXPECT_NE(error.find(damage.message), std::string::npos) << error;
    EXPECT_EQ(modules.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, MapDamageTest, ::testing::ValuesIn(kDamagedLevels),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace map_level_test
