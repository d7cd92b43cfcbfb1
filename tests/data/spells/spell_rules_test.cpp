// What a spell costs, what it does to a monster, and which kinds of effect it has.
#include <gtest/gtest.h>

#include <string>

#include "data/effects/effect_list.h"
#include "data/spells/spell_table.h"
#include "support/spell_records.h"

namespace spell_rules_test {

namespace {

// A player until the player exists: its race and its level in one skill.
class FakeCaster : public SSpellCaster {
public:
    FakeCaster(int race, uint32_t skill, int32_t value, int32_t fortify)
        : m_race(race), m_skill(skill), m_value(value), m_fortify(fortify) {}
    int Race() const override { return m_race; }
    int32_t SkillValue(uint32_t skill) const override { return skill == m_skill ? m_value : 0; }
    int32_t FortifySkillTotal(uint32_t skill) const override { return skill == m_skill ? m_fortify : 0; }

private:
    int m_race;
    uint32_t m_skill;
    int32_t m_value;
    int32_t m_fortify;
};

// A monster until monsters exist.
class FakeCreature : public SSpellTarget {
public:
    FakeCreature(uint8_t creatureClass, int32_t hp, int32_t resistance)
        : m_class(creatureClass), m_hp(hp), m_resistance(resistance) {}
    int32_t HitPoints() const override { return m_hp; }
    uint8_t CreatureClass() const override { return m_class; }
    const char* BaseTypeName() const override { return "base_skeleton"; }
    int32_t MagicResistance() const override { return m_resistance; }

private:
    uint8_t m_class;
    int32_t m_hp;
    int32_t m_resistance;
};

constexpr uint8_t kLiving = 1;
constexpr uint8_t kUndead = 3;

TEST(SpellSchoolsTest, eachSchoolHasItsNameAndSkillAndOtherNumbersAreUnknown) {
    SSpellSchools schools;
    EXPECT_STREQ(schools.Name(kSchoolHeal), "?") << "before Init";
    schools.Init();
    const char* names[] = {"?",
                           "Heal spells",
                           "Protection spells",
                           "Attack spells",
                           "Mind spells",
                           "Undead spells",
                           "Environment spells",
                           "Magic items",
                           "?"};
    const uint32_t skills[] = {0, 8, 9, 10, 11, 12, 13, 0, 0};
    for (int school = 0; school <= 8; ++school) {
        EXPECT_STREQ(schools.Name(school), names[school]) << school;
        EXPECT_EQ(schools.Skill(school), skills[school]) << school;
    }
    EXPECT_STREQ(schools.Name(-1), "?");
    EXPECT_EQ(schools.Skill(-1), 0u);
}

struct CostCase {
    const char* name;
    int race;
    uint8_t school;
    uint16_t costPercent;
    int32_t skill;  // the caster's level in the school's skill
    int32_t fortify;
    int32_t cost;
};

// Base cost 10 throughout.
const CostCase kCosts[] = {
    {"undeadCastingHeal", 1, kSchoolHeal, 50, 40, 10, 10},
    {"livingCastingUndead", 2, kSchoolUndead, 50, 40, 10, 10},
    {"undeadCastingUndead", 1, kSchoolUndead, 50, 40, 10, 35},
    {"livingCastingHeal", 2, kSchoolHeal, 50, 40, 10, 35},
    {"magicItemsHaveNoSkill", 2, kSchoolMagicItems, 50, 40, 10, 10},
    {"noSchool", 2, kSchoolNone, 50, 40, 10, 10},
    {"roundsTowardZero", 2, kSchoolAttack, 33, 7, 0, 12},
    {"weakenedSkillLowersTheCost", 2, kSchoolMind, 50, 20, -10, 15},
    {"drainedSkillCostsNothingRatherThanGivingMana", 2, kSchoolMind, 100, 5, -50, 0},
};

class SpellCostTest : public ::testing::TestWithParam<CostCase> {};

TEST_P(SpellCostTest, followsTheSchoolsSkill) {
    const CostCase& c = GetParam();
    SSpellSchools schools;
    schools.Init();
    auto spell = MakeSpell("base_spell", c.school);
    spell->m_baseCost = 10;
    spell->m_costPercent = c.costPercent;
    EXPECT_EQ(spell->GetCost(schools, FakeCaster(c.race, schools.Skill(c.school), c.skill, c.fortify)), c.cost);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpellCostTest, ::testing::ValuesIn(kCosts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpellKindTest, scaledAreaAndOffensiveEffects) {
    struct Row {
        std::vector<std::pair<uint8_t, int16_t>> effects;
        bool scaled;
        bool offensive;
    };
    const Row rows[] = {
        {{}, false, false},
        {{{41, 5}}, false, false},  // Calm
        {{{4, 0},
          {7, 0},
          {12, 0},
          {13, 0},
          {14, 0},
          {19, 0},
          {21, 0},
          {27, 0},
          {37, 0},
          {41, 0},
          {46, 0},
          {47, 0},
          {48, 0},
          {49, 0},
          {52, 0},
          {55, 0}},
         false,
         true},                             // Curse is fixed, and hostile
        {{{41, 5}, {25, 10}}, true, true},  // Damage all
        {{{1, 5}}, true, false},            // Fortify skill
        {{{53, 1}}, true, true},            // Level drops
        {{{31, 1}}, true, false},           // Cast spell
    };
    for (const Row& row : rows) {
        auto spell = MakeSpell("base_spell", kSchoolAttack, row.effects);
        EXPECT_EQ(spell->HasScaledEffect(), row.scaled) << row.effects.size();
        EXPECT_EQ(spell->IsOffensive(), row.offensive) << row.effects.size();
    }

    auto spell = MakeSpell("base_fireball", kSchoolAttack, {{25, 10}, {26, 2}});
    EXPECT_FALSE(spell->HasAreaEffect());
    spell->m_effects[1]->m_radius = 1;
    EXPECT_TRUE(spell->HasAreaEffect());
}

struct DamageCase {
    const char* name;
    std::vector<std::pair<uint8_t, int16_t>> effects;
    uint8_t creatureClass;  // 0: no creature
    int32_t hp;
    int32_t resistance;
    int32_t damage;
};

const DamageCase kDamage[] = {
    {"damageAllUnresisted", {{25, 10}}, kLiving, 50, 0, 10},
    {"damageAllHalfResisted", {{25, 10}}, kLiving, 50, 50, 5},
    {"damageAllWeakness", {{25, 10}}, kLiving, 50, -50, 15},
    {"damageAllWithoutCreature", {{25, 10}}, 0, 0, 0, 10},
    {"resistanceRoundsTowardZero", {{25, 7}}, kLiving, 50, 50, 4},
    {"weaknessRoundsTowardZero", {{25, 7}}, kLiving, 50, -50, 10},
    {"effectsAddUpBeforeResisting", {{25, 7}, {26, 7}, {29, 3}, {40, 4}}, kUndead, 50, 50, 11},
    {"paralyzeAndDrainSpDoNoHarm", {{28, 10}, {30, 10}}, kLiving, 50, 0, 0},
    {"restoreHpHurtsTheUndead", {{3, 12}}, kUndead, 50, 0, 12},
    {"restoreHpHealsTheLiving", {{3, 12}}, kLiving, 50, 0, 0},
    {"restoreHpNeedsACreature", {{3, 12}}, 0, 0, 0, 0},
    {"restoreFullHpLeavesTheUndeadOneHp", {{4, 0}}, kUndead, 30, 0, 29},
    {"restoreFullHpOnAnUndeadOfOneHp", {{4, 0}}, kUndead, 1, 0, 0},
    {"restoreFullHpHealsTheLiving", {{4, 0}}, kLiving, 30, 0, 0},
    {"fortifyHpTakesItsMagnitude", {{5, 5}}, kUndead, 30, 0, 5},
    {"fortifyHpStopsAtOneHp", {{5, 40}}, kUndead, 30, 0, 29},
    {"restoreUnholyHurtsTheLiving", {{6, 12}}, kLiving, 50, 50, 6},
    {"restoreUnholyHealsTheUndead", {{6, 12}}, kUndead, 50, 0, 0},
    {"restoreFullUnholyLeavesTheLivingOneHp", {{7, 0}}, kLiving, 30, 0, 29},
    {"fortifyUnholyStopsAtOneHp", {{8, 40}}, kLiving, 30, 0, 29},
    {"fortifyUnholySparesTheUndead", {{8, 40}}, kUndead, 30, 0, 0},
    {"noEffects", {}, kLiving, 50, -50, 0},
};

class SpellDamageTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(SpellDamageTest, againstACreature) {
    const DamageCase& c = GetParam();
    auto spell = MakeSpell("base_spell", kSchoolAttack, c.effects);
    const FakeCreature creature(c.creatureClass, c.hp, c.resistance);
    EXPECT_EQ(spell->DamageAgainst(1, c.creatureClass ? &creature : nullptr), c.damage);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpellDamageTest, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpellDamageTargetTest, damageBaseAndTypeNeedTheirKindOfMonster) {
    const FakeCreature skeleton(kUndead, 50, 0);
    auto spell = MakeSpell("base_spell", kSchoolUndead, {{23, 10}, {24, 7}});
    spell->m_effects[0]->m_target.Assign("base_skeleton");
    spell->m_effects[1]->m_subTarget = kUndead;
    EXPECT_EQ(spell->DamageAgainst(1, &skeleton), 17);
    spell->m_effects[0]->m_target.Assign("base_zombie");
    spell->m_effects[1]->m_subTarget = kLiving;
    EXPECT_EQ(spell->DamageAgainst(1, &skeleton), 0);
    EXPECT_EQ(spell->DamageAgainst(1, nullptr), 0);
}

TEST(SpellDamageTargetTest, magnitudeGrowsWithTheCastersLevel) {
    const FakeCreature wolf(2, 50, 0);
    auto spell = MakeSpell("base_spell", kSchoolAttack);
    spell->m_effects.Append(SpellEffectEntry(25, 10, 50).release());
    EXPECT_EQ(spell->DamageAgainst(0, &wolf), 10);
    EXPECT_EQ(spell->DamageAgainst(3, &wolf), 11);
    EXPECT_EQ(spell->DamageAgainst(150, &wolf), 85);
}

TEST(SpellTableRulesTest, offensiveSpellsAndItemsThatChargeSchoolSpells) {
    SSpellTable spells;
    spells.Add(MakeSpell("base_firebolt", kSchoolAttack, {{25, 10}}));
    spells.Add(MakeSpell("base_heal", kSchoolHeal, {{3, 10}}));
    spells.Add(MakeSpell("base_raisedead", kSchoolUndead, {{6, 10}}));
    EXPECT_TRUE(spells.IsOffensive("base_firebolt"));
    EXPECT_FALSE(spells.IsOffensive("base_heal"));
    EXPECT_FALSE(spells.IsOffensive("base_unknown"));
    EXPECT_FALSE(spells.IsOffensive(nullptr));
    EXPECT_EQ(spells.GetSchoolSkill(*spells.FindSpell("base_heal")), 0u) << "before the schools are set up";
    spells.Schools().Init();
    EXPECT_EQ(spells.GetSchoolSkill(*spells.FindSpell("base_heal")), 8u);

    struct Row {
        const char* spell;
        uint8_t source;
        bool undead, heal;
    };
    const Row rows[] = {
        {"base_raisedead", kSourceSpellCharge, true, false},
        {"base_heal", kSourceSpellCharge, false, true},
        {"base_firebolt", kSourceSpellCharge, false, false},
        {"base_raisedead", kSourceOnUse, false, false},  // only a charge casts or teaches the spell
        {"base_unknown", kSourceSpellCharge, false, false},
    };
    for (const Row& row : rows) {
        SEffectList list;
        list.Add(SpellEffectEntry(1, 5));
        auto cast = SpellEffectEntry(kEffectCastSpell, 3);
        cast->m_source = row.source;
        cast->m_target.Assign(row.spell);
        list.Add(std::move(cast));
        EXPECT_EQ(list.HasUndeadMagicSpell(spells), row.undead) << row.spell << " " << int(row.source);
        EXPECT_EQ(list.HasHealMagicSpell(spells), row.heal) << row.spell << " " << int(row.source);
    }
}

}  // namespace

}  // namespace spell_rules_test
