#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/maps/map.h"
#include "data/maps/map_items.h"
#include "support/item_records.h"
#include "support/map_fixture.h"

namespace map_containers_test {

namespace {

class MapContainersTest : public MapTest {
protected:
    MapContainersTest() {
        items.AddItemType(MakeItemType("base_apple", kItemComestible));
        items.AddItemType(MakeItemType("base_root", kItemIngredient));
        items.AddItemType(MakeItemType("base_coin", kItemMoney));
        smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault,
                           {"base_coin", "base_coin"});
    }

    int count(const SItemList* container, const char* type) {
        return container ? container->CountOfType(items.FindItemType(type)) : -1;
    }

    SMonster* smith;
    TestGrid grid;
};

// A chest kept through restocks, a pile on the floor, a second pile in the same cell, and a smith
// whose goods come from the level data.
const char* const kStore = R"(
container 1 255 255 flags=1 loot=base_apple*2
container 2 4 5 loot=base_root
container 3 4 5 loot=base_apple
container 4 255 255
creature base_smith 6 6 container=4
)";

TEST_F(MapContainersTest, aFirstVisitFillsEveryContainerOnceAndPutsThePilesIntoTheirCells) {
    SMap* map = OpenMap(kStore);
    ASSERT_NE(map, nullptr) << error;
    ASSERT_EQ(map->Containers().Count(), 4);
    EXPECT_EQ(map->ContainerIdCounter(), 5);
    EXPECT_EQ(map->FindContainer(1)->m_rules.Count(), 1);
    EXPECT_EQ(count(map->FindContainer(1), "base_apple"), 0);
    grid.origins[map] = {0, 0};
    map->LoadCells(grid, 10);

    EXPECT_EQ(count(map->FindContainer(1), "base_apple"), 2);
    EXPECT_EQ(count(map->FindContainer(2), "base_root"), 1);
    // The person's goods are what its monster carries, not the container's own rules.
    EXPECT_EQ(count(map->FindContainer(4), "base_coin"), 2);
    for (int id = 1; id <= 4; ++id) EXPECT_TRUE(map->FindContainer(uint8_t(id))->m_flags & SItemList::kFilled) << id;
    // The second pile in the cell keeps its place instead of being sent nowhere.
    EXPECT_EQ(grid.Cell(4, 5).containerId, 2);
    EXPECT_EQ(map->FindContainer(3)->m_x, 4);

    // Taken out, the first pile makes room for the second at the next visit; nothing is rolled twice.
    map->FindContainer(2)->m_x = SItemList::kNowhere;
    map->LoadCells(grid, 20);
    EXPECT_EQ(grid.Cell(4, 5).containerId, 3);
    EXPECT_EQ(count(map->FindContainer(1), "base_apple"), 2);
}

TEST_F(MapContainersTest, aRestockKeepsTheKeptContainersAndBringsTheOthersBackFromTheLevelData) {
    SMap* map = OpenMap(kStore);
    ASSERT_NE(map, nullptr) << error;
    map->LoadCells(grid, 10);
    map->FindContainer(1)->RemoveItems(items.FindItemType("base_apple"), 1);
    map->FindContainer(2)->DeleteAll();
    map->LoadCells(grid, 10 + SMap::kRestockMinutes + 1);
    // The kept chest stays as play left it; the pile is read again and filled afresh.
    EXPECT_EQ(count(map->FindContainer(1), "base_apple"), 1);
    EXPECT_EQ(count(map->FindContainer(2), "base_root"), 1);
    EXPECT_EQ(map->Containers().Count(), 4);
}

TEST_F(MapContainersTest, aNewPersonCarriesAContainerThatGoesWithIt) {
    SMap* map = OpenMap("");
    ASSERT_NE(map, nullptr) << error;
    SCreature* person = map->AddCreature(smith, 2, 2);
    ASSERT_NE(person, nullptr);
    SItemList* goods = map->FindContainer(person->containerId);
    ASSERT_NE(goods, nullptr);
    EXPECT_EQ(goods->m_x, SItemList::kNowhere);
    const uint8_t id = person->id;
    map->RemoveCreature(id);
    EXPECT_EQ(map->Containers().Count(), 0);
}

TEST_F(MapContainersTest, containerIdsCountUpToTheLastThenTakeTheLowestFree) {
    SMap* map = OpenMap("container 3 1 1");
    ASSERT_NE(map, nullptr) << error;
    EXPECT_EQ(map->AddItemList()->m_id, 4);
    for (int id = 5; id <= 254; ++id) ASSERT_EQ(map->AddItemList()->m_id, id);
    EXPECT_EQ(map->AddItemList()->m_id, 1);
    EXPECT_EQ(map->AddItemList()->m_id, 2);
    EXPECT_EQ(map->AddItemList()->m_id, 255);
    EXPECT_EQ(map->AddItemList(), nullptr);
}

TEST_F(MapContainersTest, mapObjectsReachTheItemsOfTheMapsContainersByName) {
    SMap* map = OpenMap("container 2 255 255");
    ASSERT_NE(map, nullptr) << error;
    SMapItems mapItems(items, random);
    mapItems.AddToContainer(*map, 2, "base_apple", 3);
    mapItems.AddToContainer(*map, 2, "base_pear", 3);
    mapItems.AddToContainer(*map, 9, "base_apple", 3);
    EXPECT_EQ(mapItems.CountInContainer(*map, 2, "base_apple"), 3u);
    mapItems.RemoveFromContainer(*map, 2, "base_apple", 2);
    EXPECT_EQ(mapItems.CountInContainer(*map, 2, "base_apple"), 1u);
    EXPECT_EQ(mapItems.CountInContainer(*map, 9, "base_apple"), 0u);
    // A script's amount beyond what a container holds makes what fits, at once.
    mapItems.AddToContainer(*map, 2, "base_coin", INT32_MAX);
    EXPECT_EQ(map->FindContainer(2)->Count(), SPtrArray<SItem>::kMaxCount);
    EXPECT_EQ(mapItems.FindIngredient("base_root"), items.FindItemType("base_root"));
    EXPECT_EQ(mapItems.FindIngredient("base_apple"), nullptr);
}

}  // namespace

}  // namespace map_containers_test
