#include <gtest/gtest.h>

#include "data/player/player_fixture.h"
#include "data/spells/spell_schools.h"
#include "data/spells/spell_type.h"

namespace player_attributes_test {

namespace {

constexpr uint32_t kFortifySkillKind = 1;
constexpr uint32_t kFortifyAttributeKind = 2;
constexpr uint32_t kFortifyHpKind = 5;
constexpr uint32_t kFortifyUnholyKind = 8;
constexpr uint32_t kFortifyManaKind = 10;
constexpr uint32_t kResistPoisonKind = 15;
constexpr uint32_t kFeatherKind = 20;
constexpr uint32_t kAlcoholicKind = 57;
const int kSource = 0;

class PlayerRulesTest : public PlayerTest {
protected:
    void SetUp() override { StartBaseGame(); }
};

TEST_F(PlayerRulesTest, drunkennessStrengthensAndClumsies) {
    struct Case {
        int16_t drink;  // stored magnitude: drunkenness + 100
        int32_t strength;
        int32_t dexterity;
        bool heavily;
    };
    const Case cases[] = {
        {100, 15, 15, false},  // no drunkenness
        {120, 18, 12, false},  // 20: +3 and -3
        {130, 19, 11, false},  // 30 is not above 2 x 15
        {140, 21, 6, true},    // 40: +6 and -9
        {300, 41, 1, true},    // never below 1
    };
    for (const Case& c : cases) {
        player.ClearEffects();
        player.AddTimedEffect(kFromUsedItem, &kSource, c.drink, 60, kAlcoholicKind, 0, nullptr);
        EXPECT_EQ(player.GetAttribute(1), c.strength) << c.drink;
        EXPECT_EQ(player.GetAttribute(2), c.dexterity) << c.drink;
        EXPECT_EQ(player.IsHeavilyDrunk(), c.heavily) << c.drink;
        bool changed = false;
        uint32_t base = 0;
        EXPECT_EQ(player.GetAttribute(2, changed, base, false), 15) << c.drink;
        EXPECT_FALSE(changed);
        EXPECT_EQ(base, 15u);
    }
}

TEST_F(PlayerRulesTest, fortifiedEnduranceSobersTheHeavyDrinker) {
    player.AddTimedEffect(kFromUsedItem, &kSource, 140, 60, kAlcoholicKind, 0, nullptr);
    player.AddTimedEffect(kFromSpell, &kSource, 10, 60, kFortifyAttributeKind, 3, nullptr);
    EXPECT_FALSE(player.IsHeavilyDrunk());
    bool changed = false;
    uint32_t base = 0;
    EXPECT_EQ(player.GetAttribute(3, changed, base, false), 25);
    EXPECT_TRUE(changed);
    EXPECT_EQ(player.GetAttribute(9), 0);
}

TEST_F(PlayerRulesTest, attributeChangesAreBoundedAndAnnounced) {
    struct Case {
        uint16_t value;
        int32_t delta;
        uint32_t result;
        const char* message;  // null for none
    };
    const Case cases[] = {
        {1, -5, 1, nullptr},
        {15, 15, 25, "Your Strength has been increased by 10."},
        {15, -20, 5, "Your Strength has been decreased by 10."},
        {3, -5, 1, "Your Strength has been decreased by 2."},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        player.SetBaseAttribute(1, c.value);
        player.AddAttributeValue("str", c.delta, true);
        EXPECT_EQ(player.BaseAttribute(1), c.result) << c.value << " " << c.delta;
        if (c.message)
            EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
        else
            EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(PlayerRulesTest, theExcludedSkillOfTheRaceStaysZero) {
    struct Case {
        uint32_t race;
        uint32_t excluded;
    };
    for (const Case& c : {Case{1, 8}, Case{2, 12}}) {
        player.SetRace(c.race);
        player.CountSkillUse(c.excluded);
        player.AddSkillValue(c.excluded, 5, false);
        EXPECT_EQ(player.GetSkillValue(c.excluded), 0);
        EXPECT_EQ(player.UseCount(c.excluded), 0u);
        EXPECT_FALSE(player.CanRaiseSkill(c.excluded));
    }
    EXPECT_EQ(player.GetSkillValue(21), 0);
}

TEST_F(PlayerRulesTest, skillValuesAddTheirFortifyEffects) {
    player.AddTimedEffect(kFromSpell, &kSource, 7, 60, kFortifySkillKind, 15, nullptr);
    int32_t bonus = 0;
    int32_t base = 0;
    EXPECT_EQ(player.GetSkillTotal(15, bonus, base), 17);
    EXPECT_EQ(bonus, 7);
    EXPECT_EQ(base, 10);
    EXPECT_EQ(player.SkillValue(15), 10);
    EXPECT_EQ(player.GetSkillByName("mercantile"), 15);
    EXPECT_STREQ(player.GetHighestSkill("base_block, Stealth,mercantile,nothing"), "base_mercantile");
    EXPECT_STREQ(player.GetHighestSkill("nothing"), "");
}

TEST_F(PlayerRulesTest, aSpellsCostCountsTheFortifySkillOnce) {
    SSpellSchools schools;
    schools.Init();
    SSpellType spell;
    spell.m_school = kSchoolAttack;
    spell.m_baseCost = 10;
    spell.m_costPercent = 100;
    player.AddTimedEffect(kFromSpell, &kSource, 5, 60, kFortifySkillKind, schools.Skill(kSchoolAttack), nullptr);
    EXPECT_EQ(spell.GetCost(schools, player), 25);
}

TEST_F(PlayerRulesTest, useCountersStopAt255) {
    for (int i = 0; i < 300; ++i) player.CountSkillUse(4);
    EXPECT_EQ(player.UseCount(4), 255u);
}

TEST_F(PlayerRulesTest, theMostUsedSkillsRiseAndTiesFavourTheLowerId) {
    const std::pair<uint32_t, int> uses[] = {{9, 2}, {5, 2}, {3, 2}, {1, 1}, {18, 4}, {2, 9}};
    for (auto [skill, count] : uses)
        for (int i = 0; i < count; ++i) player.CountSkillUse(skill);
    // Light Weapon is governed by Dexterity 15 and cannot pass 30.
    player.SetBaseSkill(2, 30);
    uint32_t first = 0, second = 0, third = 0;
    player.ImproveMostUsedSkills(first, second, third);
    EXPECT_EQ(first, 18u);
    EXPECT_EQ(second, 3u);
    EXPECT_EQ(third, 5u);
    EXPECT_EQ(player.SkillValue(18), 11);
    EXPECT_EQ(player.UseCount(18), 0u);
    EXPECT_EQ(player.UseCount(9), 2u);
    EXPECT_EQ(player.SkillValue(2), 30);
}

TEST_F(PlayerRulesTest, raisingSpendsPointsByMajorSkill) {
    player.AddXp(400, false);
    EXPECT_EQ(player.RaiseSkill(3), 1u);
    EXPECT_EQ(player.RaiseSkill(13), 2u);
    EXPECT_EQ(player.SkillPoints(), 7u);
    EXPECT_EQ(player.SkillAllowance(3), 1u);
    player.RaiseAttribute(4);
    EXPECT_EQ(player.BaseAttribute(4), 16u);
    EXPECT_EQ(player.AttributePoints(), 4u);
    EXPECT_EQ(player.AttributeAllowance(4), 1u);
}

TEST_F(PlayerRulesTest, maximaFollowEnduranceIntelligenceAndTheRightFortify) {
    player.AddTimedEffect(kFromSpell, &kSource, 10, 60, kFortifyHpKind, 0, nullptr);
    player.AddTimedEffect(kFromSpell, &kSource, 20, 60, kFortifyUnholyKind, 0, nullptr);
    player.AddTimedEffect(kFromSpell, &kSource, 5, 60, kFortifyManaKind, 0, nullptr);
    bool changed = false;
    EXPECT_EQ(player.GetMaxHpForDisplay(changed), 70);
    EXPECT_TRUE(changed);
    player.SetRace(1);
    EXPECT_EQ(player.GetMaxHp(), 80);
    EXPECT_EQ(player.GetMaxManaForDisplay(changed), 80);
    player.ClearEffects();
    EXPECT_EQ(player.GetMaxMana(), 75);
    EXPECT_EQ(player.GetMaxManaForDisplay(changed), 75);
    EXPECT_FALSE(changed);
}

TEST_F(PlayerRulesTest, hpChangesStayWithinZeroAndTheMaximum) {
    struct Case {
        int32_t hp;
        int32_t delta;
        int32_t result;
        const char* message;
    };
    // Maximum 60 (Endurance 15).
    const Case cases[] = {
        {50, -70, 0, "Your hp has been decreased by 50."}, {50, -20, 30, "Your hp has been decreased by 20."},
        {50, 20, 60, "Your hp has been increased by 10."}, {60, 5, 60, "Your hp has been increased by 5."},
        {70, 5, 70, "Your hp has been increased by 5."},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        player.SetHp(c.hp, false);
        player.ChangeHp(c.delta, true);
        EXPECT_EQ(player.Hp(), c.result) << c.hp << " " << c.delta;
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
        EXPECT_EQ(screen.hpBar, std::min(c.result * 100 / 60, 100));
    }
    player.SetMana(10, false);
    player.ChangeMana(-30, false);
    EXPECT_EQ(player.Mana(), 0);
    player.RestoreFullMana(true);
    EXPECT_EQ(player.Mana(), 75);
    EXPECT_EQ(screen.manaBar, 100);
    EXPECT_EQ(messages.shown.back(), "Your full mana has been restored.");
}

TEST_F(PlayerRulesTest, resistancesFoldTheirEffectsAndStopAt100) {
    EXPECT_EQ(player.GetPoisonResistance(), 7);
    player.AddTimedEffect(kFromSpell, &kSource, 130, 60, kResistPoisonKind, 0, nullptr);
    bool changed = false;
    int32_t base = 0;
    EXPECT_EQ(player.GetPoisonResistance(changed, base), 37);
    EXPECT_TRUE(changed);
    EXPECT_EQ(base, 7);
    player.AddTimedEffect(kFromSpell, nullptr, 190, 60, kResistPoisonKind, 0, nullptr);
    EXPECT_EQ(player.GetPoisonResistance(), 100);
    EXPECT_EQ(player.GetParalysisResistance(), 9);
    EXPECT_EQ(player.GetMagicResistance(), 7);
    player.AddTimedEffect(kFromSpell, nullptr, 150, 60, 17, 0, "base_plague");
    EXPECT_EQ(player.GetDiseaseResistanceFor("base_plague"), 57);
    EXPECT_EQ(player.GetDiseaseResistanceFor("base_rot"), 7);
}

TEST_F(PlayerRulesTest, carryWeightCountsFeather) {
    EXPECT_EQ(player.GetMaxCarryWeight(), 16500);
    player.AddTimedEffect(kFromSpell, &kSource, 20, 60, kFeatherKind, 0, nullptr);
    EXPECT_EQ(player.GetMaxCarryWeight(), 18500);
}

TEST_F(PlayerRulesTest, pricesMoveByTradeSkillsAndNeverWrap) {
    struct Case {
        int32_t mercantileFortify;
        uint32_t price;
        bool lower;
        uint32_t result;
    };
    // Persuade 10, Mercantile 10, Personality 15: 5 percent.
    const Case cases[] = {
        {0, 1000, true, 950},     {0, 1000, false, 1050}, {0, 4290000000u, false, UINT32_MAX},
        {-400, 1000, false, 0},  // -108 percent
        {-400, 1000, true, 2080},
    };
    for (const Case& c : cases) {
        player.ClearEffects();
        if (c.mercantileFortify)
            player.AddTimedEffect(kFromSpell, &kSource, c.mercantileFortify, 60, kFortifySkillKind, 15, nullptr);
        EXPECT_EQ(player.AdjustPrice(c.price, c.lower), c.result) << c.mercantileFortify << " " << c.price;
    }
}

}  // namespace

}  // namespace player_attributes_test
