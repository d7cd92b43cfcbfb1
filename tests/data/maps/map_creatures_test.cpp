#include <gtest/gtest.h>

#include "data/maps/level_records.h"
#include "data/maps/map.h"
#include "support/map_fixture.h"

namespace map_creatures_test {

namespace {

class MapCreaturesTest : public MapTest {
protected:
    MapCreaturesTest() {
        rat = AddMonster("base_rat", 30);
        smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
    }

    SMonster *rat, *smith;
    TestGrid grid;
};

TEST_F(MapCreaturesTest, idsCountUpToTheLastThenTakeTheLowestFreeAndNoneWhenAllAreUsed) {
    SMap* map = OpenMap("");
    ASSERT_NE(map, nullptr) << error;
    for (int id = 1; id <= 254; ++id) ASSERT_EQ(map->AddCreature(rat, 1, 1)->id, id);
    map->RemoveCreature(100);
    map->RemoveCreature(7);
    // The counter does not wrap to 0: it stays at the last id, where free ids are looked for.
    EXPECT_EQ(map->AllocCreatureId(), 7);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 7);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 100);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 255);
    EXPECT_EQ(map->AllocCreatureId(), 0);
    EXPECT_EQ(map->AddCreature(rat, 1, 1), nullptr);
    EXPECT_EQ(map->Creatures().Count(), 255);
}

TEST_F(MapCreaturesTest, idsTheLevelDataGaveAheadOfTheCounterAreNotGivenTwice) {
    // Two rats of ids 2 and 3, and a counter at 1 that a package may leave behind them.
    const std::vector<uint8_t> creatures = {2, 0, 0, 0, 1, 0, 1, 0, 2, 0, 0, 1, 1, 0, 1, 0, 3, 0, 0, 1, 1, 0};
    SMap* map = OpenMap(TestMap{"base_cave", "Cave", "creature base_rat 1 1", {{kCreaturesRecordOffset, creatures}}});
    ASSERT_NE(map, nullptr) << error;
    ASSERT_EQ(map->Creatures().Count(), 2);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 1);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 4);
    map->RemoveCreature(2);
    for (int id = 5; id <= 254; ++id) ASSERT_EQ(map->AddCreature(rat, 1, 1)->id, id);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 2);
    EXPECT_EQ(map->AddCreature(rat, 1, 1)->id, 255);
}

TEST_F(MapCreaturesTest, aNewCreatureIsProvokedAtFullHealthAndScriptedOnesGoByTheirMonster) {
    SMap* map = OpenMap("creature base_rat 5 5");
    ASSERT_NE(map, nullptr) << error;
    SCreature* scripted = map->AddFlaggedCreature(rat, 3, 4);
    ASSERT_NE(scripted, nullptr);
    EXPECT_EQ(scripted->state, SCreature::kProvoked | SCreature::kScripted);
    EXPECT_EQ(scripted->hp, 30);
    EXPECT_EQ(scripted->x, 3);
    EXPECT_EQ(scripted->y, 4);
    map->AddFlaggedCreature(smith, 3, 4);
    map->Effects().AddTimed(scripted->id, 1, 1, 11, 0, nullptr);
    const uint8_t scriptedId = scripted->id;
    map->RemoveCreaturesOfType(rat);
    // The rat of the level data stays; the script's rat goes with its effects.
    EXPECT_EQ(map->Creatures().Count(), 2);
    EXPECT_EQ(map->FindCreature(scriptedId), nullptr);
    EXPECT_EQ(map->Effects().Find(scriptedId), nullptr);
    EXPECT_EQ(map->AddCreature(nullptr, 1, 1), nullptr);
}

TEST_F(MapCreaturesTest, poisonWeakensACreatureWithoutKillingItAndMarksItsSprite) {
    SMap* map = OpenMap("creature base_rat 5 5 state=0x7E");
    ASSERT_NE(map, nullptr) << error;
    SCreature* creature = map->FindCreature(1);
    creature->displaySlot = 3;
    struct Case {
        int hp, poison;
        int16_t hpAfter;
        uint16_t flash;
    };
    // The flash grows by 2 a point past 10 and stops at 100 instead of overshooting to 148.
    for (const Case& c : {Case{5, 10, 1, 50}, Case{10, 10, 1, 50}, Case{30, 11, 19, 52}, Case{30, 35, 1, 100},
                          Case{30, 59, 1, 100}, Case{300, 60, 240, 100}}) {
        SCOPED_TRACE(c.poison);
        creature->hp = int16_t(c.hp);
        creature->state = 0x7E;
        grid.sprites[3] = {};
        map->Effects().Clear();
        map->Effects().AddTimed(1, c.poison, 5, kEffectPoison, 0, nullptr);
        map->PassCreatureEffects(1, 1, grid);
        EXPECT_EQ(creature->hp, c.hpAfter);
        EXPECT_EQ(creature->state, 0x9E);  // the motion bits give way to the hit bit
        EXPECT_EQ(grid.sprites[3].m_flags, SItemPileRecord::kMarkerB);
        EXPECT_EQ(grid.sprites[3].m_markerPercent, c.flash);
        EXPECT_EQ(creature->displayTimer, 10);
        EXPECT_EQ(map->Effects().Find(1)->entries[0]->duration, 4);
    }
}

TEST_F(MapCreaturesTest, theEndOfAParalysisChoosesTheCreaturesPictureAgain) {
    SMap* map = OpenMap("creature base_rat 5 5");
    ASSERT_NE(map, nullptr) << error;
    map->Effects().AddTimed(1, 1, 2, kEffectParalyze, 0, nullptr);
    map->PassCreatureEffects(1, 1, grid);
    EXPECT_TRUE(grid.refreshed.empty());
    EXPECT_EQ(map->FindCreature(1)->hp, 30);
    map->PassCreatureEffects(1, 1, grid);
    EXPECT_EQ(grid.refreshed, std::vector<uint8_t>{1});
    // Without effects nothing happens, nor for a creature the map lacks.
    map->PassCreatureEffects(1, 1, grid);
    map->PassCreatureEffects(9, 1, grid);
    EXPECT_EQ(grid.refreshed.size(), 1u);
}

TEST_F(MapCreaturesTest, objectSearchesGoThroughTheMapsInOrderAndClearingMarksReachesEveryObject) {
    TestWorldPackage package;
    package.maps = {{"base_cave", "Cave", "object 1 base_lever\nobject 2 base_chest flags=0x81"},
                    {"base_hall", "Hall", "object 4 base_chest flags=0x80\ncreature base_rat 1 1 owner=4"}};
    SModule* module = OpenPackage(package);
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    SMap* cave = module->FindMap("base_cave");
    SMap* hall = module->FindMap("base_hall");
    hall->AddCreature(rat, 2, 2)->ownerId = 2;

    SFoundObject found = module->FindMapObject("base_chest");
    EXPECT_EQ(found.map, cave);
    EXPECT_EQ(found.object, cave->FindObject(2));
    EXPECT_EQ(found.creature, nullptr);
    found = module->FindObject("base_lever");
    EXPECT_EQ(found.object, cave->FindObject(1));
    EXPECT_EQ(module->FindObject("base_nothing").object, nullptr);
    EXPECT_EQ(module->FindObject("base_nothing").map, nullptr);

    cave->FindObject(2)->name.Set("base_box");
    found = module->FindMapObject("base_chest");
    EXPECT_EQ(found.map, hall);
    EXPECT_EQ(found.creature, hall->FindCreature(1));

    modules.ClearObjectMarks();
    EXPECT_EQ(cave->FindObject(2)->flags, 0x01);
    EXPECT_EQ(hall->FindObject(4)->flags, 0x00);
}

}  // namespace

}  // namespace map_creatures_test
