#include "data/monsters/creature_stats.h"

#include <gtest/gtest.h>

#include "data/effects/effect_type.h"
#include "monster_fixture.h"

namespace creature_stats_test {

namespace {

class CreatureStatsTest : public MonsterTest {
protected:
    CreatureStatsTest() {
        EXPECT_TRUE(Open("")) << error;
        monster->m_stats[kStatIntelligence] = 20;
        monster->m_stats[kStatEndurance] = 30;
    }
    SCreatureStats StatsOf(const SCreature& creature) const {
        return SCreatureStats(*monster, creature, map->Effects(), diseases);
    }
    void AddConstant(uint8_t type, int16_t magnitude) {
        monster->m_effects.Add(ItemEffect(type, magnitude, 0, "", kSourceConstant));
    }
};

TEST_F(CreatureStatsTest, constantEffectsSumAsPercentagesFoldedBeyondAHundred) {
    const struct {
        std::vector<int16_t> magnitudes;
        int sum;
    } cases[] = {
        {{-150}, -50}, {{60}, 60}, {{150}, 50}, {{100}, 100}, {{-100}, -100}, {{70, 80}, 50}, {{}, 0},
    };
    for (const auto& c : cases) {
        monster->m_effects.Assign(SEffectList());
        for (int16_t magnitude : c.magnitudes) AddConstant(kEffectResistMagic, magnitude);
        // Entries of another type or source do not count.
        AddConstant(kEffectResistPoison, 40);
        monster->m_effects.Add(ItemEffect(kEffectResistMagic, 30, 0, "", kSourceStrike));
        EXPECT_EQ(monster->PercentSum(kEffectResistMagic), c.sum) << c.magnitudes.size();
    }
}

TEST_F(CreatureStatsTest, fortifyMeleeCountsFromAHundredUnlikePercentSums) {
    const int cases[][2] = {{100, 0}, {150, 50}, {60, -40}, {-150, -50}, {-100, -200}};
    for (auto [stored, percent] : cases) EXPECT_EQ(FortifyMeleePercent(stored), percent) << stored;
}

TEST_F(CreatureStatsTest, spellChanceIsTwiceIntelligenceRaisedByFortifyMagic) {
    SCreature& creature = Place(monster, 2, 2);
    // The creature's total folds a stored 250 to 150, and the chance folds that again to 50.
    const int cases[][2] = {{0, 40}, {150, 60}, {60, 64}, {-150, 20}, {250, 60}, {-400, 0}};
    for (auto [total, chance] : cases) {
        map->Effects().RemoveTimed(creature.id, kEffectFortifyMagic);
        if (total != 0) map->Effects().AddTimed(creature.id, total, 5, kEffectFortifyMagic, 0, nullptr);
        EXPECT_EQ(StatsOf(creature).SpellChance(), chance) << total;
        EXPECT_EQ(monster->SpellChance(*context, creature), chance) << total;
    }
}

TEST_F(CreatureStatsTest, attributesAddFortifyAttributeAndStayAtLeastOne) {
    SCreature& creature = Place(monster, 2, 2);
    map->Effects().AddTimed(creature.id, -50, 5, kEffectFortifyAttribute, 3, nullptr);
    map->Effects().AddTimed(creature.id, 7, 5, kEffectFortifyAttribute, 4, nullptr);
    EXPECT_EQ(StatsOf(creature).Attribute(4), 27);
    EXPECT_EQ(StatsOf(creature).Attribute(3), 1);
}

TEST_F(CreatureStatsTest, resistancesAddTheirSourcesAndClampToAHundredEitherWay) {
    SCreature& creature = Place(monster, 2, 2);
    const SCreatureStats stats = StatsOf(creature);
    // Intelligence 20 and endurance 30 with nothing else.
    EXPECT_EQ(stats.MagicResistance(), 20);
    EXPECT_EQ(stats.ParalysisResistance(), 40);
    EXPECT_EQ(stats.PoisonResistance(), 30);
    EXPECT_EQ(stats.DiseaseResistance(), 15);

    AddConstant(kEffectResistMagic, 90);
    map->Effects().AddTimed(creature.id, 30, 5, kEffectResistMagic, 0, nullptr);
    AddConstant(kEffectResistParalysis, -190);
    map->Effects().AddTimed(creature.id, -90, 5, kEffectResistParalysis, 0, nullptr);
    AddConstant(kEffectResistPoison, 20);
    map->Effects().AddTimed(creature.id, 10, 5, kEffectResistDiseases, 0, nullptr);
    map->Effects().AddTimed(creature.id, 5, 5, kEffectResistDisease, 0, "base_plague");
    EXPECT_EQ(stats.MagicResistance(), 100);
    EXPECT_EQ(stats.ParalysisResistance(), -100);
    EXPECT_EQ(stats.PoisonResistance(), 50);
    EXPECT_EQ(stats.DiseaseResistance(), 30);
}

TEST_F(CreatureStatsTest, damageRollsInTheRangeFortifyMeleeAndACurseMake) {
    SCreature& creature = Place(monster, 2, 2);
    monster->m_stats[kStatDamageMin] = 10;
    monster->m_stats[kStatDamageMax] = 20;
    const auto range = [&] {
        int minimum = 0, maximum = 0;
        StatsOf(creature).DamageRange(minimum, maximum);
        return std::pair{minimum, maximum};
    };
    EXPECT_EQ(range(), std::pair(10, 20));
    AddConstant(kEffectFortifyMelee, 100);
    EXPECT_EQ(range(), std::pair(10, 20));
    AddConstant(kEffectFortifyMelee, 150);
    EXPECT_EQ(range(), std::pair(15, 30));
    map->Effects().AddTimed(creature.id, 1, 5, kEffectCurse, 0, nullptr);
    EXPECT_EQ(range(), std::pair(15, 22));

    bool sawMinimum = false, sawMaximum = false;
    for (int i = 0; i < 200; ++i) {
        const int damage = monster->RollDamage(*context, creature);
        ASSERT_GE(damage, 15);
        ASSERT_LE(damage, 22);
        sawMinimum |= damage == 15;
        sawMaximum |= damage == 22;
    }
    EXPECT_TRUE(sawMinimum && sawMaximum);
}

TEST_F(CreatureStatsTest, aFortifyMeleeThatTakesAllAndMoreRollsNoDamageBelowNothing) {
    SCreature& creature = Place(monster, 2, 2);
    monster->m_stats[kStatDamageMin] = 10;
    monster->m_stats[kStatDamageMax] = 20;
    AddConstant(kEffectFortifyMelee, -300);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(monster->RollDamage(*context, creature), 0);
}

}  // namespace

}  // namespace creature_stats_test
