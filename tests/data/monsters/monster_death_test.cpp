#include <gtest/gtest.h>

#include "monster_fixture.h"

namespace monster_death_test {

namespace {

class MonsterDeathTest : public MonsterTest {
protected:
    MonsterDeathTest() {
        items.AddItemType(MakeItemType("base_dagger", 1));
        items.AddItemType(MakeItemType("base_apple", 5));
        monster->m_stats[kStatExperience] = 35;
        monster->m_loot.m_rules.Add(MakeLootRule("base_dagger").release(), ListOrder::Appended);
        smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
    }
    bool Kill(SCreature& creature) {
        bool changed = false;
        creature.monster->OnEvent(64, *context, creature, changed);
        return changed;
    }
    // The item types in the container, in order.
    static std::vector<std::string> Contents(const SItemList& container) {
        std::vector<std::string> names;
        for (int i = 0; i < container.Count(); ++i) names.emplace_back(container.At(i)->m_type->NameKey().Text());
        return names;
    }

    SMonster* smith;
};

TEST_F(MonsterDeathTest, theLootDropsIntoANewPileInTheCellAndThePlayerGainsTheExperience) {
    ASSERT_TRUE(Open("object 1 base_statue\ncreature base_orcish 3 4 owner=1")) << error;
    SCreature& creature = *map->Creatures()[0];
    const uint32_t xp = player.Xp();
    EXPECT_TRUE(Kill(creature));

    EXPECT_EQ(map->Creatures().Count(), 0);
    EXPECT_EQ(screen.log, std::vector<std::string>{"leave"});
    EXPECT_EQ(screen.redraws, 1);
    EXPECT_NE(map->FindObject(1)->flags & SPlacedObject::kClosed, 0);
    EXPECT_EQ(player.Xp(), xp + 35);
    const uint16_t pileId = grid.Cell(3, 4).containerId;
    ASSERT_NE(pileId, 0);
    const SItemList* pile = map->FindContainer(uint8_t(pileId));
    ASSERT_NE(pile, nullptr);
    EXPECT_EQ(pile->m_x, 3);
    EXPECT_EQ(pile->m_y, 4);
    EXPECT_EQ(Contents(*pile), std::vector<std::string>{"base_dagger"});
}

TEST_F(MonsterDeathTest, aPileAlreadyInTheCellTakesTheGoodsAndTheLoot) {
    ASSERT_TRUE(Open("")) << error;
    SItemList* pile = map->AddItemList();
    pile->AddItems(*items.FindItemType("base_apple"), 1, random);
    grid.Cell(3, 4).containerId = pile->m_id;
    SCreature& person = Place(smith, 3, 4);
    smith->m_loot.m_rules.Add(MakeLootRule("base_dagger").release(), ListOrder::Appended);
    SItemList* goods = map->FindContainer(person.containerId);
    ASSERT_NE(goods, nullptr);
    goods->AddItems(*items.FindItemType("base_apple"), 2, random);
    const int containers = map->Containers().Count();

    Kill(person);
    EXPECT_EQ(grid.Cell(3, 4).containerId, pile->m_id);
    EXPECT_EQ(Contents(*pile), (std::vector<std::string>{"base_apple", "base_apple", "base_apple", "base_dagger"}));
    // The person's own container went with it.
    EXPECT_EQ(map->Containers().Count(), containers - 1);
}

TEST_F(MonsterDeathTest, nothingDropsWithoutGoodsOrLootAndAKillMayGiveNoExperience) {
    ASSERT_TRUE(Open("")) << error;
    monster->m_loot.m_rules.DeleteAll();
    SCreature& creature = Place(monster, 3, 4);
    const uint32_t xp = player.Xp();
    EXPECT_TRUE(monster->OnKilled(*context, creature, false));
    EXPECT_EQ(map->Containers().Count(), 0);
    EXPECT_EQ(grid.Cell(3, 4).containerId, 0);
    EXPECT_EQ(player.Xp(), xp);
    EXPECT_EQ(map->Creatures().Count(), 0);
}

TEST_F(MonsterDeathTest, aMapWithNoContainerIdLeftDropsNothingAndStillLosesTheCreature) {
    ASSERT_TRUE(Open("")) << error;
    while (map->AddItemList() != nullptr) {
    }
    const int containers = map->Containers().Count();
    SCreature& creature = Place(monster, 3, 4);
    Kill(creature);
    EXPECT_EQ(map->Containers().Count(), containers);
    EXPECT_EQ(grid.Cell(3, 4).containerId, 0);
    EXPECT_EQ(map->Creatures().Count(), 0);
}

}  // namespace

}  // namespace monster_death_test
