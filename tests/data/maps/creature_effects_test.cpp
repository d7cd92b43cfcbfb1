#include "data/maps/creature_effects.h"

#include <gtest/gtest.h>

#include "data/rules/attribute_table.h"
#include "data/rules/skill_table.h"
#include "support/record_bytes.h"

namespace creature_effects_test {

namespace {

constexpr uint8_t kRat = 5;

class CreatureEffectsTest : public ::testing::Test {
protected:
    CreatureEffectsTest() {
        skills.InitDefaults();
        attributes.InitDefaults();
        // Rot weakens: -10 strength (attribute 1) and -150 per cent magic resistance, stored folded.
        auto rot = std::make_unique<SDisease>();
        rot->m_name.Set("base_rot");
        for (auto [type, sub, amount] : {std::tuple{2, 1, -10}, {22, 0, -150}}) {
            auto effect = std::make_unique<SEffect>();
            effect->m_type = uint8_t(type);
            effect->m_subTarget = uint8_t(sub);
            effect->m_baseMagnitude = int16_t(amount);
            rot->m_effects.Add(effect.release(), ListOrder::Appended);
        }
        diseases.Add(std::move(rot));
    }

    const SCreatureEffect& only(uint8_t creatureId) {
        const SCreatureEffectList* list = effects.Find(creatureId);
        EXPECT_NE(list, nullptr);
        EXPECT_EQ(list->entries.Count(), 1);
        return *list->entries[0];
    }

    SCreatureEffects effects;
    SDiseaseTable diseases;
    SSkillTable skills;
    SAttributeTable attributes;
};

TEST_F(CreatureEffectsTest, aTimedEffectOfTheSameKindMergesKeepingTheStrongerOrLonger) {
    struct Case {
        const char* name;
        int amount, duration;
        int16_t keptAmount;
        uint8_t keptDuration;
    };
    // Each case starts from amount 5 for 3 rounds.
    const Case cases[] = {
        {"sameAmountLonger", 5, 6, 5, 6},
        {"sameAmountShorter", 5, 2, 5, 3},
        {"largerAmountShorter", 8, 1, 8, 1},
        {"smallerAmountLonger", 4, 9, 5, 3},
        // Out of their bytes' range they stop at the edge instead of wrapping.
        {"durationPastItsByte", 5, 300, 5, 255},
        {"amountPastItsWord", 70000, 1, INT16_MAX, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        effects.Clear();
        effects.AddTimed(kRat, 5, 3, 11, 0, "base_shield");
        effects.AddTimed(kRat, c.amount, c.duration, 11, 0, "base_shield");
        EXPECT_EQ(only(kRat).amount, c.keptAmount);
        EXPECT_EQ(only(kRat).duration, c.keptDuration);
    }
    // Another type, sub-id or source is an effect of its own.
    effects.AddTimed(kRat, 1, 1, 11, 1, "base_shield");
    effects.AddTimed(kRat, 1, 1, 11, 0, nullptr);
    effects.AddTimed(kRat, 1, 1, 12, 0, "base_shield");
    EXPECT_EQ(effects.Find(kRat)->entries.Count(), 4);
    effects.RemoveTimed(kRat, 11);
    EXPECT_EQ(effects.Find(kRat)->entries.Count(), 1);
    EXPECT_EQ(effects.Find(kRat + 1), nullptr);
}

TEST_F(CreatureEffectsTest, diseasesAreCaughtOnceAndCured) {
    effects.Infect(kRat, "base_rot");
    effects.Infect(kRat, "base_rot");
    EXPECT_TRUE(effects.HasDisease(kRat, "base_rot"));
    EXPECT_FALSE(effects.HasDisease(kRat, "base_pox"));
    EXPECT_EQ(only(kRat).kind, SCreatureEffect::kDisease);
    // No name asks for any disease at all.
    EXPECT_TRUE(effects.HasDisease(kRat, ""));
    EXPECT_TRUE(effects.HasDisease(kRat, nullptr));
    effects.Cure(kRat, "base_rot");
    EXPECT_FALSE(effects.HasDisease(kRat, "base_rot"));
    EXPECT_FALSE(effects.HasDisease(kRat, ""));
}

TEST_F(CreatureEffectsTest, sumsAddAmountsAndTheStatesGiveOneWhilePresent) {
    effects.AddTimed(kRat, 4, 5, kEffectPoison, 0, "base_spider");
    effects.AddTimed(kRat, 3, 5, kEffectPoison, 0, "base_snake");
    effects.AddTimed(kRat, 7, 5, kEffectParalyze, 0, nullptr);
    effects.AddTimed(kRat, 9, 5, kEffectMagicImmunity, 0, nullptr);
    EXPECT_EQ(effects.Sum(kRat, kEffectPoison), 7);
    EXPECT_EQ(effects.Sum(kRat, kEffectParalyze), 1);
    EXPECT_EQ(effects.Sum(kRat, kEffectMagicImmunity), 1);
    EXPECT_TRUE(effects.IsParalyzed(kRat));
    EXPECT_FALSE(effects.IsCursed(kRat));
    EXPECT_EQ(effects.Sum(kRat + 1, kEffectPoison), 0);
}

TEST_F(CreatureEffectsTest, totalsCountTimedEffectsAndDiseasesWithPercentagesFolded) {
    effects.AddTimed(kRat, 3, 5, 2, 1, nullptr);
    effects.AddTimed(kRat, 9, 5, 2, 2, nullptr);  // another attribute
    effects.AddTimed(kRat, 130, 5, 22, 0, nullptr);
    effects.Infect(kRat, "base_rot");
    effects.Infect(kRat, "base_gone");  // a disease the world lost counts nothing
    EXPECT_EQ(effects.Total(kRat, 2, 1, diseases), 3 - 10);
    EXPECT_EQ(effects.Total(kRat, 22, 0, diseases), 30 - 50);
    EXPECT_EQ(effects.Total(kRat, 5, 0, diseases), 0);
}

TEST_F(CreatureEffectsTest, timePassesOnTimedEffectsAndEndingParalysisIsToldApart) {
    effects.AddTimed(kRat, 1, 5, 11, 0, nullptr);
    effects.AddTimed(kRat, 1, 0, 12, 0, nullptr);  // for ever
    effects.AddTimed(kRat, 1, 2, kEffectParalyze, 0, nullptr);
    effects.Infect(kRat, "base_rot");
    EXPECT_FALSE(effects.PassTime(kRat, 1));
    EXPECT_EQ(effects.Find(kRat)->entries[0]->duration, 4);
    EXPECT_TRUE(effects.PassTime(kRat, 1));
    EXPECT_FALSE(effects.IsParalyzed(kRat));
    EXPECT_FALSE(effects.PassTime(kRat, 10));
    ASSERT_EQ(effects.Find(kRat)->entries.Count(), 2);
    EXPECT_EQ(effects.Find(kRat)->entries[0]->type, 12);
    EXPECT_TRUE(effects.HasDisease(kRat, "base_rot"));
    EXPECT_FALSE(effects.PassTime(kRat + 1, 10));
}

TEST_F(CreatureEffectsTest, theEffectsTextHasALineForEachDiseaseAndEachTimedEffectThatShows) {
    struct Case {
        uint8_t type, subId;
        int amount, duration;
        const char* name;
        const char* line;
    };
    const Case cases[] = {
        // Fortify skill names the skill, Fortify attribute the attribute.
        {1, 2, 5, 3, nullptr, "+5 Light Weapon (3 rounds)\r"},
        {2, 1, -2, 1, nullptr, "-2 Strength (1 round)\r"},
        {2, 9, 2, 1, nullptr, "+2  (1 round)\r"},
        {5, 0, 10, 2, nullptr, "+10 hp (2 rounds)\r"},
        {8, 0, 4, 2, nullptr, "+4 unholy hp (2 rounds)\r"},
        {10, 0, 6, 2, nullptr, "+6 mana (2 rounds)\r"},
        {11, 0, 3, 2, nullptr, "+3 ac (2 rounds)\r"},
        {15, 0, 120, 2, nullptr, "+20% poison resistance (2 rounds)\r"},
        {16, 0, -130, 2, nullptr, "-30% paralysis resistance (2 rounds)\r"},
        // Resist disease names the disease it resists.
        {17, 0, 150, 2, "base_rot", "+50% base_rot resistance (2 rounds)\r"},
        {18, 0, 40, 2, nullptr, "+40% normal weapon resistance (2 rounds)\r"},
        {20, 0, 1, 2, nullptr, "+1 feather (2 rounds)\r"},
        {22, 0, 110, 2, nullptr, "+10% magic resistance (2 rounds)\r"},
        {26, 0, 7, 2, nullptr, "Poisoned, 7 hp\r"},
        {27, 0, 1, 1, nullptr, "Cursed, 1 turn\r"},
        {28, 0, 1, 4, nullptr, "Paralyzed, 4 turns\r"},
        {33, 0, 25, 2, nullptr, "+25% diseases resistance (2 rounds)\r"},
        {36, 0, 150, 2, nullptr, "+50% magic (2 rounds)\r"},
        {38, 0, 160, 2, nullptr, "+60% melee (2 rounds)\r"},
        {39, 0, 1, 3, nullptr, "Magic immunity, 3 turns\r"},
        {53, 0, 1, 3, nullptr, "Level drop\r"},
        {58, 0, 2, 3, nullptr, "+2 outfit (3 rounds)\r"},
        {3, 0, 2, 3, nullptr, ""},
    };
    SString text;
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        effects.Clear();
        effects.AddTimed(kRat, c.amount, c.duration, c.type, c.subId, c.name);
        effects.Format(kRat, text, skills, attributes);
        EXPECT_EQ(std::string(text.Text()), std::string("\r") + c.line);
    }
    effects.Clear();
    effects.Format(kRat, text, skills, attributes);
    EXPECT_STREQ(text.Text(), "none\r");
    effects.Infect(kRat, "base_rot");
    effects.AddTimed(kRat, 3, 2, 11, 0, nullptr);
    effects.Format(kRat, text, skills, attributes);
    EXPECT_STREQ(text.Text(), "\rbase_rot disease\r+3 ac (2 rounds)\r");
}

TEST_F(CreatureEffectsTest, aListRoundTripsThroughItsSavedForm) {
    effects.Infect(kRat, "base_rot");
    effects.AddTimed(kRat, -300, 200, 2, 3, "base_curse");
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { effects.Find(kRat)->Serialize(a); });
    // Id, count 2, then kind, type, name, aligned amount, duration, sub-id for each.
    const std::vector<uint8_t> expected = {kRat, 0,   2,   0,   1,   0,   'b', 'a', 's',  'e',  '_', 'r', 'o',
                                           't',  0,   0,   0,   0,   0,   0,   2,   2,    'b',  'a', 's', 'e',
                                           '_',  'c', 'u', 'r', 's', 'e', 0,   0,   0xD4, 0xFE, 200, 3};
    EXPECT_EQ(bytes, expected);
    SCreatureEffectList read;
    EXPECT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a); }), int(bytes.size()));
    ASSERT_EQ(read.entries.Count(), 2);
    EXPECT_EQ(read.creatureId, kRat);
    EXPECT_STREQ(read.entries[0]->name.Text(), "base_rot");
    EXPECT_EQ(read.entries[1]->amount, -300);
    EXPECT_EQ(read.entries[1]->duration, 200);
    EXPECT_EQ(read.entries[1]->subId, 3);
    EXPECT_STREQ(read.entries[1]->name.Text(), "base_curse");
}

}  // namespace

}  // namespace creature_effects_test
