#include <gtest/gtest.h>

#include "data/maps/map.h"
#include "support/map_fixture.h"

namespace map_visit_test {

namespace {

class MapVisitTest : public MapTest {
protected:
    MapVisitTest() {
        AddType(1, "base_grass");
        AddType(1, "base_sand");
        AddType(2, "base_ivy");
        rat = AddMonster("base_rat", 30);
        AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
    }

    SMonster* rat;
    TestGrid grid;
};

TEST_F(MapVisitTest, aMapRestocksWhenMoreThanSevenDaysPassedSinceTheLastVisit) {
    SMap* map = OpenMap("creature base_rat 1 1\ncreature base_rat 2 2");
    ASSERT_NE(map, nullptr) << error;
    grid.origins[map] = {0, 0};
    struct Visit {
        uint32_t time;
        bool restocks;
    };
    // Each visit starts with the first rat gone and the second one poisoned.
    uint32_t last = 0;
    for (const Visit& visit : {Visit{100, false}, Visit{100 + SMap::kRestockMinutes, false},
                               Visit{100 + 2 * SMap::kRestockMinutes + 1, true}, Visit{50, false}}) {
        SCOPED_TRACE(visit.time);
        map->RemoveCreature(1);
        map->Effects().AddTimed(2, 3, 5, kEffectPoison, 0, nullptr);
        map->LoadCells(grid, visit.time);
        EXPECT_EQ(map->FindCreature(1) != nullptr, visit.restocks);
        EXPECT_EQ(map->Effects().Find(2) == nullptr, visit.restocks);
        EXPECT_EQ(map->LastVisit(), visit.time);
        last = visit.time;
    }
    EXPECT_EQ(last, 50u);
}

TEST_F(MapVisitTest, aVisitInTheFirstMinuteStillCountsAsAVisit) {
    SMap* map = OpenMap("");
    ASSERT_NE(map, nullptr) << error;
    map->LoadCells(grid, 0);
    EXPECT_NE(map->LastVisit(), 0u);
}

// A section whose stored cells start at (2, 3), three wide and two high: a b c over d e f, each
// with a floor of its own; c has a companion.
const char* const kSection = R"(
surface
cell a floor=base_grass
cell b floor=base_sand
cell c floor=base_grass shadow-floor=base_ivy
cell d floor=base_sand centre-id=4
cell e floor=base_grass wall-w=base_sand
cell f floor=base_sand
cells 2 3
abc
def
end
creature base_rat 3 4
creature base_rat 9 9
creature base_smith 4 3
creature base_rat 4 4 owner=1
object 1 base_chest flags=0
)";

TEST_F(MapVisitTest, aRegionIsReadThroughTheCellIndexAndCellsOutsideTheStoredOnesAreCleared) {
    SMap* map = OpenMap(kSection);
    ASSERT_NE(map, nullptr) << error;
    for (SMapCell& cell : grid.cells) cell.containerId = 9;
    for (SMapCellShadow& shadow : grid.shadows) shadow.floorType = types.Find("base_ivy");
    grid.origins[map] = {7, 7};
    // Section cells (3, 3) .. (5, 4) onto the grid from (10, 10): b c and one past, e f and one past.
    map->LoadRegion(3, 3, 3, 2, 10, 10, grid, 40);

    EXPECT_EQ(grid.Cell(10, 10).floorType, types.Find("base_sand"));
    EXPECT_EQ(grid.Cell(11, 10).floorType, types.Find("base_grass"));
    EXPECT_EQ(grid.Shadow(11, 10).floorType, types.Find("base_ivy"));
    EXPECT_EQ(grid.Shadow(10, 10).floorType, nullptr);
    EXPECT_EQ(grid.Cell(10, 11).sides[3].wallType, types.Find("base_sand"));
    EXPECT_EQ(grid.Cell(11, 11).floorType, types.Find("base_sand"));
    EXPECT_EQ(grid.Cell(12, 10).floorType, nullptr);
    EXPECT_EQ(grid.Cell(12, 11).floorType, nullptr);
    // Read cells lose what the play screen kept in them; cells outside the region keep it.
    EXPECT_EQ(grid.Cell(10, 10).containerId, 0);
    EXPECT_EQ(grid.Cell(12, 11).containerId, 0);
    EXPECT_EQ(grid.Cell(13, 10).containerId, 9);
    EXPECT_EQ(grid.Shadow(13, 10).floorType, types.Find("base_ivy"));
    EXPECT_EQ(map->LastVisit(), 40u);

    // Only the rat inside the region stands on the grid: the smith waits for PlacePeopleInRect,
    // the rat of the hidden chest stays away.
    EXPECT_EQ(grid.placed, (std::vector<TestGrid::Placed>{{1, 10, 11}}));
    grid.placed.clear();
    map->PlacePeopleInRect(3, 3, 3, 2, grid);
    EXPECT_EQ(grid.placed, (std::vector<TestGrid::Placed>{{3, 11, 10}}));
}

TEST_F(MapVisitTest, aRegionPartlyOffTheGridFillsOnlyTheGridCellsItCovers) {
    SMap* map = OpenMap(kSection);
    ASSERT_NE(map, nullptr) << error;
    grid.Cell(34, 34).floorType = types.Find("base_ivy");
    map->LoadRegion(2, 3, 3, 2, 33, 33, grid, 40);
    EXPECT_EQ(grid.Cell(33, 33).floorType, types.Find("base_grass"));
    EXPECT_EQ(grid.Cell(34, 34).floorType, types.Find("base_grass"));
    map->LoadRegion(2, 3, 3, 2, -2, -1, grid, 40);
    EXPECT_EQ(grid.Cell(0, 0).floorType, types.Find("base_sand"));
}

}  // namespace

}  // namespace map_visit_test
