// The player's own actions on the play screen: what refuses them, resting, the door question's
// disarm, potions with permanent effects, talking by the opening hours, containers handed to the
// inventory, and the prison sentence.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_list.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "data/world/interior.h"
#include "screens/play/play_world_fixture.h"
#include "support/item_records.h"
#include "support/text_ctrl_lines.h"

namespace player_actions_test {

namespace {

constexpr uint32_t kNorth = 0;
constexpr uint32_t kDisarm = 19;
constexpr uint8_t kPermanentAttribute = 56;

class PlayerActionsTest : public PlayWorldTest {
protected:
    PlayerActionsTest() : PlayWorldTest(true) {}

    void Open(const std::string& header) {
        ASSERT_NE(Enter(header), nullptr);
        Stand(17, 17, kNorth);
    }
    std::string lastMessage() const {
        for (auto it = play.Events().rbegin(); it != play.Events().rend(); ++it)
            if ((*it)->textCtrl) return TextCtrlLines(*(*it)->textCtrl);
        return "";
    }
    // A loaf and a flask: what resting eats.
    void giveProvisions() {
        static auto bread = MakeItemType("base_bread", kItemComestible, kComestibleFood, "Bread");
        static auto water = MakeItemType("base_water", kItemComestible, kComestibleWater, "Water");
        give(*bread);
        give(*water);
    }
    SItem& give(SItemType& type) {
        auto item = std::make_unique<SItem>(type);
        SItem& given = *item;
        game.m_player.AddOwnedItem(std::move(item));
        return given;
    }
};

struct RefusalCase {
    const char* name;
    const char* header;  // the map's level lines before its cells
    bool undead;
    bool food;
    bool restNotSpellBook;
    const char* message;
};

class ActionRefusalTest : public PlayerActionsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ActionRefusalTest, saysWhyAndLetsNoTimePass) {
    const RefusalCase& row = GetParam();
    Open(row.header);
    game.m_player.SetRace(row.undead ? 1 : 2);
    if (row.food) giveProvisions();
    const uint32_t before = play.GetClock();
    if (row.restNotSpellBook)
        play.TryRest();
    else
        play.OpenSpellBook();
    EXPECT_EQ(lastMessage(), row.message);
    EXPECT_EQ(play.GetClock(), before);
    EXPECT_NE(play.SubMode(), SPlaySubMode::kSpellBook);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActionRefusalTest,
    ::testing::Values(
        RefusalCase{"restForbidden", "flags 0x10\n", false, true, true, "You cannot rest here."},
        RefusalCase{"noProvisions", "", false, false, true,
                    "You need food and water to rest.\rRotten food and contaminated water don't apply."},
        RefusalCase{"noProvisionsUndead", "", true, false, true,
                    "You need food and water to rest.\rAs an undead, you can eat rotten food and drink even "
                    "contaminated water."},
        RefusalCase{"magicForbidden", "flags 0x2\n", false, true, false, "Magic is forbidden on this map."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayerActionsTest, aHostileCreatureNearForbidsRest) {
    SMonster* goblin = AddMonster("base_goblin", 10);
    Open("");
    SCreature* creature = play.m_currentMap->AddCreature(goblin, 20, 17);
    ASSERT_NE(creature, nullptr);
    PutCreature(20, 17, 0, creature->id);
    creature->state |= 4;
    play.TryRest();
    EXPECT_EQ(lastMessage(), "There are monsters around - you cannot rest here.");
}

struct DisarmCase {
    int skill;
    int trapLevel;
    bool disarmed;
};

class TrapDisarmTest : public PlayerActionsTest, public ::testing::WithParamInterface<DisarmCase> {};

// Success when skill x 9/10 + a roll below skill/5 beats ten times the trap's level; either way the
// skill is used once.
TEST_P(TrapDisarmTest, clearsTheTrapOnlyOnSuccess) {
    const DisarmCase& row = GetParam();
    Open("");
    SMapObjectType type;
    SPlacedObject door;
    door.state = uint16_t(row.trapLevel << 10 | 0x3);
    play.m_doorChoice = {play.m_currentMap, &door, &type, &type, 20};
    game.m_player.SetBaseSkill(kDisarm, uint16_t(row.skill));
    const uint32_t uses = game.m_player.UseCount(kDisarm);
    play.DisarmTrap();
    EXPECT_EQ((door.state >> 10 & 15) == 0, row.disarmed || row.trapLevel == 0);
    EXPECT_EQ(door.state & 0x3FF, 0x3) << "the other bits stay";
    EXPECT_EQ(lastMessage() == "You have disarmed the door.", row.disarmed);
    EXPECT_EQ(game.m_player.UseCount(kDisarm), uses + 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrapDisarmTest,
                         ::testing::Values(DisarmCase{0, 0, false}, DisarmCase{50, 4, true}, DisarmCase{50, 6, false},
                                           DisarmCase{100, 9, true}, DisarmCase{10, 1, false}),
                         [](const auto& info) {
                             return "skill" + std::to_string(info.param.skill) + "trap" +
                                    std::to_string(info.param.trapLevel);
                         });

TEST_F(PlayerActionsTest, restHealsFullyBelowGroundAndHalfTheMissingInTheRain) {
    for (const bool rain : {false, true}) {
        SCOPED_TRACE(rain ? "rain" : "below ground");
        Open(rain ? "flags 0x80\n" : "");
        giveProvisions();
        SPlayer& player = game.m_player;
        player.SetHp(2, false);
        const int32_t maxHp = player.GetMaxHp();
        if (rain) play.m_rain.intensity = 10;
        const uint32_t before = play.GetClock();
        play.StartRest();
        EXPECT_EQ(play.GetClock(), before + 8 * 60);
        EXPECT_EQ(player.Hp(), rain ? 2 + (maxHp - 2) / 2 : maxHp);
        EXPECT_EQ(play.SubMode(), SPlaySubMode::kResting);
        play.OnCommand(SStateGame::kRestOver);
    }
}

TEST_F(PlayerActionsTest, restNeverWrapsManaAboveItsMaximum) {
    Open("flags 0x80\n");
    giveProvisions();
    play.m_rain.intensity = 10;
    game.m_player.SetMana(game.m_player.GetMaxMana() + 40, false);
    play.StartRest();
    EXPECT_GE(game.m_player.Mana(), 0);
    EXPECT_LE(game.m_player.Mana(), std::max(game.m_player.GetMaxMana(), 0));
}

TEST_F(PlayerActionsTest, aSecondPermanentPotionInOneLevelIsRefused) {
    Open("");
    auto potion = MakeItemType("base_potstrength", kItemPotion, 1, "Potion of Strength");
    potion->m_effects = EffectListOf([] {
        std::vector<std::unique_ptr<SEffect>> effects;
        effects.push_back(ItemEffect(kPermanentAttribute, 1, 1));
        return effects;
    }());
    give(*potion);
    give(*potion);
    const uint32_t strength = game.m_player.BaseAttribute(1);
    play.OpenPotions();
    ASSERT_EQ(play.SubMode(), SPlaySubMode::kPotions);
    play.OnCommand(SStateGame::kDrink);
    EXPECT_EQ(game.m_player.BaseAttribute(1), strength + 1);
    EXPECT_EQ(game.m_player.ItemCount(), 1);
    play.ClearEvents();
    play.OpenPotions();
    play.OnCommand(SStateGame::kDrink);
    EXPECT_EQ(lastMessage(), "You cannot drink more potions with permanent effects until your level advances.");
    EXPECT_EQ(game.m_player.ItemCount(), 1);
}

TEST_F(PlayerActionsTest, withoutPotionsTheListNeverOpens) {
    Open("");
    play.OpenPotions();
    EXPECT_EQ(lastMessage(), "You don't have any potions.");
    EXPECT_EQ(play.SubMode(), SPlaySubMode::kFree);
}

struct HoursCase {
    uint32_t hour;
    uint8_t opening;
    const char* message;  // empty: the person answers
};

class BuildingHoursTest : public PlayerActionsTest, public ::testing::WithParamInterface<HoursCase> {};

TEST_P(BuildingHoursTest, aBuildingLetsThePlayerInOnlyInItsHours) {
    const HoursCase& row = GetParam();
    Open("");
    auto inn = std::make_unique<SInterior>();
    inn->m_name.Set("base_inn");
    game.m_interiors.Add(std::move(inn));
    auto keeper = std::make_unique<SNpcType>();
    keeper->name.Set("base_innkeeper");
    keeper->texts[2].Assign("base_inn");
    keeper->lateValues[0] = row.opening;
    SNpcType& person = *keeper;
    game.m_npcTypes.Add(std::move(keeper));
    SPlacedObject object;
    object.textA.Assign("base_innkeeper");
    SMapObjectType type;
    play.m_minutes = row.hour * 60;
    bool silent = true;
    play.TalkToObjectNpc(play.m_currentMap, &object, type, silent);
    if (row.message[0] != '\0') {
        EXPECT_EQ(lastMessage(), row.message);
        EXPECT_TRUE(silent);
        EXPECT_EQ(play.m_pendingScreen, 0u);
    } else {
        EXPECT_FALSE(silent);
        EXPECT_EQ(play.m_pendingScreen, uint32_t(kInteriorScreen));
        EXPECT_EQ(play.m_param[1], reinterpret_cast<uintptr_t>(&person));
        EXPECT_EQ(play.m_param[2], reinterpret_cast<uintptr_t>(&object));
        EXPECT_EQ(play.m_keep, 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildingHoursTest,
    ::testing::Values(HoursCase{12, 1, ""}, HoursCase{23, 1, "It's closed in the night-time."}, HoursCase{23, 2, ""},
                      HoursCase{5, 3, ""}, HoursCase{6, 2, "It's closed in the day-time."},
                      HoursCase{21, 0, "It's closed in the day-time."}),
    [](const auto& info) {
        return "hour" + std::to_string(info.param.hour) + "open" + std::to_string(info.param.opening);
    });

TEST_F(PlayerActionsTest, aPersonTypeTheWorldLacksGivesNoAnswer) {
    Open("");
    SPlacedObject object;
    object.textA.Assign("base_nobody");
    SMapObjectType type;
    bool silent = false;
    play.TalkToObjectNpc(play.m_currentMap, &object, type, silent);
    EXPECT_EQ(lastMessage(), "No answer");
    EXPECT_EQ(play.m_pendingScreen, 0u);
}

TEST_F(PlayerActionsTest, aContainerGoesToTheInventoryWithItsObjectAndMap) {
    Open("");
    SItemList* chest = play.m_currentMap->AddItemList();
    ASSERT_NE(chest, nullptr);
    SPlacedObject object;
    object.containerId = uint8_t(chest->m_id);
    EXPECT_EQ(play.OpenContainer(*play.m_currentMap, object), uint32_t(kInventoryScreen));
    EXPECT_EQ(play.m_param[0], 0u);
    EXPECT_EQ(play.m_param[1], reinterpret_cast<uintptr_t>(chest));
    EXPECT_EQ(play.m_param[2], reinterpret_cast<uintptr_t>(&object));
    EXPECT_EQ(play.m_param[3], reinterpret_cast<uintptr_t>(play.m_currentMap));
    EXPECT_EQ(play.m_keep, 1u);

    // An id the map does not hold opens nothing.
    play.m_keep = 0;
    play.m_pendingScreen = 0;
    object.containerId = 200;
    EXPECT_EQ(play.OpenContainer(*play.m_currentMap, object), 0u);
    EXPECT_EQ(play.m_keep, 0u);
}

TEST_F(PlayerActionsTest, theFloorPileOpensWithTheBagAndANewPileWhereNoneLay) {
    Open("");
    EXPECT_EQ(play.OpenFloorPile(), uint32_t(kInventoryScreen));
    EXPECT_EQ(play.m_param[0], 1u);
    EXPECT_NE(play.m_param[1], 0u) << "a new pile in the player's cell";
    EXPECT_EQ(play.m_param[3], reinterpret_cast<uintptr_t>(play.m_currentMap));
}

// Crime 250: 25 days in prison, three attributes and three skills down by one, the crime cleared.
TEST_F(PlayerActionsTest, aLongSentenceLowersThreeAttributesAndThreeSkills) {
    Open("");
    SPlayer& player = game.m_player;
    for (uint32_t a = 1; a <= 5; ++a) player.SetBaseAttribute(a, 10);
    for (uint32_t s = 1; s <= 20; ++s) player.SetBaseSkill(s, 5);
    player.AddCrime(250);
    play.SetPrison();
    int32_t skillsBefore[21] = {};
    for (uint32_t s = 1; s <= 20; ++s) skillsBefore[s] = player.SkillValue(s);
    const uint32_t before = play.GetClock();
    play.ServeSentence();
    EXPECT_FALSE(play.IsInPrison());
    EXPECT_EQ(play.GetClock(), before + 600 * 60);
    int attributes = 0, skills = 0;
    for (uint32_t a = 1; a <= 5; ++a) attributes += 10 - int(player.BaseAttribute(a));
    for (uint32_t s = 1; s <= 20; ++s) skills += skillsBefore[s] - player.SkillValue(s);
    EXPECT_EQ(attributes, 3);
    EXPECT_EQ(skills, 3);
    EXPECT_EQ(player.Crime(), 0u);
    EXPECT_EQ(lastMessage().rfind("You have served your sentence. Your ", 0), 0u) << lastMessage();
}

// The regression: with a single skill left to lower, the sentence ends all the same.
TEST_F(PlayerActionsTest, aSentenceEndsWhenLittleIsLeftToLower) {
    Open("");
    SPlayer& player = game.m_player;
    for (uint32_t a = 1; a <= 5; ++a) player.SetBaseAttribute(a, 1);
    for (uint32_t s = 1; s <= 20; ++s) player.SetBaseSkill(s, 0);
    player.SetBaseSkill(3, 1);
    player.AddCrime(300);
    play.ServeSentence();
    EXPECT_EQ(player.SkillValue(3), 0);
    for (uint32_t a = 1; a <= 5; ++a) EXPECT_EQ(player.BaseAttribute(a), 1u);
}

TEST_F(PlayerActionsTest, noPrisonNearbyLeavesThePlayerFree) {
    Open("");
    play.SendToPrison("");
    EXPECT_EQ(lastMessage(), "There's no prison nearby - you're free - at least for a while.");
    EXPECT_FALSE(play.IsInPrison());
}

}  // namespace

}  // namespace player_actions_test
