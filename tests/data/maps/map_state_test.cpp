#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/maps/map.h"
#include "support/item_records.h"
#include "support/map_fixture.h"
#include "support/record_bytes.h"

namespace map_state_test {

namespace {

class MapStateTest : public MapTest {
protected:
    MapStateTest() {
        items.AddItemType(MakeItemType("base_apple", kItemComestible));
        rat = AddMonster("base_rat", 30);
        smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
    }

    std::vector<uint8_t> written(const SMap& map, int version = 116) {
        return WrittenBytes([&](SArchive& a) { map.WriteState(a, version, names); });
    }
    // Reads the state into the map; false with the fault, or when the bytes ran out.
    bool read(SMap& map, const std::vector<uint8_t>& bytes, int version = 116) {
        fault.clear();
        bool read = false;
        const int used = ReadBytes(bytes, [&](SArchive& a) { read = map.ReadState(a, version, names, fault); });
        return read && used == int(bytes.size());
    }

    SMonster *rat, *smith;
    TestSaveNames names{items};
    std::string fault;
};

const char* const kYard = R"(
object 2 base_gate flags=1
object 5 base_well state=0x41 flags=3
creature base_rat 1 1
creature base_smith 2 2 container=3
container 3 255 255
container 4 5 6 loot=base_apple
)";

TEST_F(MapStateTest, aMapNeverVisitedKeepsOnlyItsObjectsAndExploredCells) {
    SMap* map = OpenMap(kYard);
    ASSERT_NE(map, nullptr) << error;
    // Tag 2, the aligned last visit 0, the counters, the two objects by name hash (the gate only
    // visible, so three bytes), and nothing explored.
    const std::vector<uint8_t> expected = {2, 0, 0, 0, 0, 0, 0, 0, 3, 5, 2, 0, 5, 0x06, 0x41, 0, 3, 2, 0x04, 1, 0};
    EXPECT_LT(HashName("base_well"), HashName("base_gate"));
    EXPECT_EQ(written(*map), expected);
}

TEST_F(MapStateTest, exploredCellsSaveAsNothingEverythingOrTheBitmap) {
    SMap* map = OpenMap("");
    ASSERT_NE(map, nullptr) << error;
    const size_t head = written(*map).size() - 1;
    EXPECT_EQ(written(*map).back(), 0);
    map->ExploreAll();
    EXPECT_EQ(written(*map).size(), head + 1);
    EXPECT_EQ(written(*map).back(), 1);
    // Cell by cell, every cell explored is the same as all at once.
    map->ClearExplored();
    for (int y = 0; y < map->Height(); ++y)
        for (int x = 0; x < map->Width(); ++x) map->SetExplored(x, y);
    EXPECT_EQ(written(*map).back(), 1);
    map->ClearExplored();
    map->SetExplored(34, 0);
    const std::vector<uint8_t> mixed = written(*map);
    // Five bytes a row of 35 cells, 35 rows; cell 34 is bit 2 of the fifth byte.
    ASSERT_EQ(mixed.size(), head + 1 + 5 * 35);
    EXPECT_EQ(mixed[head], 2);
    EXPECT_EQ(mixed[head + 5], 0x04);
    map->ClearExplored();
    ASSERT_TRUE(read(*map, mixed)) << fault;
    EXPECT_TRUE(map->IsExplored(34, 0));
    EXPECT_FALSE(map->IsExplored(33, 0));
    EXPECT_FALSE(map->IsExplored(35, 0));
    EXPECT_FALSE(map->IsExplored(-1, 0));
    std::vector<uint8_t> unknown = mixed;
    unknown.resize(head + 1);
    unknown[head] = 3;
    EXPECT_FALSE(read(*map, unknown));
    EXPECT_EQ(fault, "the explored cells are of no known kind");
}

TEST_F(MapStateTest, aVisitedMapComesBackWithItsCreaturesContainersAndEffects) {
    SMap* saved = OpenMap(kYard);
    ASSERT_NE(saved, nullptr) << error;
    TestGrid grid;
    saved->LoadCells(grid, 700);
    saved->FindObject(2)->flags = 0;  // hidden and open: 0, which the mask leaves out
    saved->FindObject(5)->stateByte = 9;
    SCreature* rat1 = saved->FindCreature(1);
    rat1->hp = 12;
    rat1->state = 0x7E;
    saved->FindCreature(2)->state = 0x7E;
    const uint8_t added = saved->AddCreature(rat, 9, 9)->id;
    saved->Effects().AddTimed(added, 4, 3, kEffectPoison, 0, "base_spider");
    saved->Effects().Infect(1, "base_rot");
    saved->RemoveCreature(2);  // its container goes with it
    saved->SetExplored(3, 3);
    const std::vector<uint8_t> bytes = written(*saved);
    const uint8_t creatureIds = saved->CreatureIdCounter();

    modules.Clear();
    SMap* loaded = OpenMap(kYard);
    ASSERT_NE(loaded, nullptr) << error;
    ASSERT_TRUE(read(*loaded, bytes)) << fault;
    EXPECT_EQ(loaded->LastVisit(), 700u);
    EXPECT_EQ(loaded->FindObject(2)->flags, 0);
    EXPECT_EQ(loaded->FindObject(5)->stateByte, 9);
    EXPECT_EQ(loaded->FindObject(5)->state, 0x41);
    ASSERT_EQ(loaded->Creatures().Count(), 2);
    EXPECT_EQ(loaded->FindCreature(1)->hp, 12);
    // A monster keeps only its hostility from a save; its pose is worked out afresh.
    EXPECT_EQ(loaded->FindCreature(1)->state, 0x06);
    EXPECT_EQ(loaded->FindCreature(2), nullptr);
    EXPECT_EQ(loaded->FindCreature(added)->x, 9);
    EXPECT_EQ(loaded->CreatureIdCounter(), creatureIds);
    EXPECT_EQ(loaded->Effects().Sum(added, kEffectPoison), 4);
    EXPECT_TRUE(loaded->Effects().HasDisease(1, "base_rot"));
    ASSERT_EQ(loaded->Containers().Count(), 1);
    EXPECT_EQ(loaded->FindContainer(4)->CountOfType(items.FindItemType("base_apple")), 1);
    EXPECT_EQ(loaded->FindContainer(4)->m_x, 5);
    EXPECT_TRUE(loaded->IsExplored(3, 3));
}

TEST_F(MapStateTest, savedThingsTheWorldNoLongerHasAreReadAndDropped) {
    SMap* saved =
        OpenMap("object 2 base_gate\nobject 3 base_old flags=3\ncreature base_rat 1 1\ncreature base_rat 2 2");
    ASSERT_NE(saved, nullptr) << error;
    TestGrid grid;
    saved->LoadCells(grid, 5);
    saved->FindCreature(2)->hp = 3;
    saved->Effects().AddTimed(1, 1, 1, 11, 0, nullptr);
    saved->Effects().AddTimed(2, 1, 1, 11, 0, nullptr);
    const std::vector<uint8_t> bytes = written(*saved);
    // The world lost the old object, and the saved game's rat no longer names a monster.
    names.monsters[1] = nullptr;

    modules.Clear();
    SMap* loaded = OpenMap("object 2 base_gate flags=0\ncreature base_rat 4 4 id=9");
    ASSERT_NE(loaded, nullptr) << error;
    ASSERT_TRUE(read(*loaded, bytes)) << fault;
    EXPECT_EQ(loaded->FindObject(2)->flags, SPlacedObject::kVisible);
    EXPECT_EQ(loaded->FindObject(3), nullptr);
    // The level data's creature made way for the saved ones, which were all dropped, with their effects.
    EXPECT_EQ(loaded->Creatures().Count(), 0);
    EXPECT_EQ(loaded->Effects().Count(), 0);
}

TEST_F(MapStateTest, theCountersComeBackAboveTheLargestIdAndStopAtTheLast) {
    SMap* saved = OpenMap("creature base_rat 1 1 id=254\ncreature base_rat 1 1 id=255\ncontainer 40 255 255");
    ASSERT_NE(saved, nullptr) << error;
    TestGrid grid;
    saved->LoadCells(grid, 5);
    // A save older than version 93 has no counters: they rise from what the level data left.
    const std::vector<uint8_t> bytes = written(*saved, 92);
    modules.Clear();
    SMap* loaded = OpenMap("creature base_rat 1 1 id=3");
    ASSERT_NE(loaded, nullptr) << error;
    ASSERT_TRUE(read(*loaded, bytes, 92)) << fault;
    EXPECT_EQ(loaded->CreatureIdCounter(), 255);
    EXPECT_EQ(loaded->ContainerIdCounter(), 41);
    EXPECT_EQ(loaded->AllocCreatureId(), 1);
}

}  // namespace

}  // namespace map_state_test
