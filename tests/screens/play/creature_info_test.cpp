#include "screens/play/creature_info.h"

#include <gtest/gtest.h>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "data/rules/attribute_table.h"
#include "data/rules/skill_table.h"
#include "engine/base/string.h"

namespace creature_info_test {

namespace {

class CreatureInfoTest : public ::testing::Test {
protected:
    CreatureInfoTest() {
        monster.m_displayName.Assign("Cave Rat");
        monster.m_level = 3;
        monster.m_stats[kStatMaxHitPoints] = 12;
        monster.m_stats[kStatExperience] = 40;
        monster.m_stats[kStatStrength] = 5;
        monster.m_stats[kStatDexterity] = 7;
        monster.m_stats[kStatEndurance] = 4;
        monster.m_stats[kStatIntelligence] = 2;
        monster.m_perception = 35;
        creature.monster = &monster;
        creature.id = 1;
        creature.hp = 9;
    }

    std::string info(uint32_t knowledge) {
        SString text;
        FormatCreatureInfo(map, creature, knowledge, {skills, attributes, diseases}, text);
        return text.Text() ? text.Text() : "";
    }

    SSkillTable skills;
    SAttributeTable attributes;
    SDiseaseTable diseases;
    SMap map{nullptr};
    SMonster monster;
    SCreature creature;
};

// The stronger the spell that asks, the more lines: each threshold is passed only above it, but
// the full hit points show from 20 on.
TEST_F(CreatureInfoTest, aStrongerSpellShowsMoreOfAMonster) {
    const std::string head = "Cave Rat\rLevel: 3\r";
    const std::string attributes = "Str:5, Dex:7, End:4, Int:2\r";
    const std::pair<uint32_t, std::string> rows[] = {
        {0, head + "Hp: 9\r"},
        {19, head + "Hp: 9\r"},
        {20, head + "Hp: 9/12\r"},
        {30, head + "Hp: 9/12\r"},
        {31, head + "Hp: 9/12\rXp: 40\r"},
        {40, head + "Hp: 9/12\rXp: 40\r"},
        {41, head + "Hp: 9/12\rXp: 40\r" + attributes},
        {50, head + "Hp: 9/12\rXp: 40\r" + attributes},
        {51, head + "Hp: 9/12\rXp: 40\r" + attributes + "Active effects:none\r"},
    };
    for (const auto& [knowledge, expected] : rows) EXPECT_EQ(info(knowledge), expected) << knowledge;
}

TEST_F(CreatureInfoTest, aPersonShowsOnlyItsNameAndAbove20ItsPerception) {
    monster.m_kind = SMonsterBaseType::kKindPeople;
    EXPECT_EQ(info(20), "Cave Rat\r");
    EXPECT_EQ(info(21), "Cave Rat\rPerception: 35\r");
    EXPECT_EQ(info(255), "Cave Rat\rPerception: 35\r");
}

}  // namespace

}  // namespace creature_info_test
