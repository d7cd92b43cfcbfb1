#include "data/player/active_effects.h"

#include <gtest/gtest.h>

namespace active_effects_test {

namespace {

constexpr uint32_t kFortifyAttributeKind = 2;
constexpr uint32_t kResistPoisonKind = 15;
constexpr uint32_t kPoisonKind = 26;
constexpr uint32_t kParalyzeKind = 28;
const int kPotion = 0;
const int kOtherPotion = 0;

TEST(ActiveEffectKindsTest, kindsMapToTheirListsAndOthersToNone) {
    struct Case {
        uint32_t kind;
        SPlayerEffect type;
        const char* name;
    };
    const Case cases[] = {
        {1, kPlayerFortifySkill, "Fortify skill"},
        {5, kPlayerFortifyHp, "Fortify hp"},
        {26, kPlayerPoison, "Poison"},
        {27, kPlayerCurse, "Curse"},
        {28, kPlayerParalysis, "Paralysis"},
        {57, kPlayerAlcoholic, "Alcoholic"},
        {58, kPlayerFortifyOutfit, "Fortify outfit"},
        {3, kNoPlayerEffect, ""},
        {0, kNoPlayerEffect, ""},
        {59, kNoPlayerEffect, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlayerEffectOfKind(c.kind), c.type) << "kind " << c.kind;
        EXPECT_STREQ(PlayerEffectName(c.type), c.name) << "kind " << c.kind;
    }
    EXPECT_STREQ(PlayerEffectName(24), "");
}

TEST(ActiveEffectsTest, theSameCauseIsStrengthenedNotRepeated) {
    SActiveEffects effects;
    effects.Add(kFromUsedItem, &kPotion, 5, 10, kFortifyAttributeKind, 1, nullptr);
    // Weaker: unchanged.
    effects.Add(kFromUsedItem, &kPotion, 3, 60, kFortifyAttributeKind, 1, nullptr);
    ASSERT_EQ(effects.List(kPlayerFortifyAttribute).size(), 1u);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].magnitude, 5);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].duration, 11);
    // Equal and longer: extended.
    effects.Add(kFromUsedItem, &kPotion, 5, 20, kFortifyAttributeKind, 1, nullptr);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].duration, 21);
    // Equal and shorter: unchanged.
    effects.Add(kFromUsedItem, &kPotion, 5, 4, kFortifyAttributeKind, 1, nullptr);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].duration, 21);
    // Stronger: both replaced, even with a shorter duration.
    effects.Add(kFromUsedItem, &kPotion, 8, 2, kFortifyAttributeKind, 1, nullptr);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].magnitude, 8);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].duration, 3);
    // Another attribute or another source is an entry of its own.
    effects.Add(kFromUsedItem, &kPotion, 4, 10, kFortifyAttributeKind, 2, nullptr);
    effects.Add(kFromUsedItem, &kOtherPotion, 4, 10, kFortifyAttributeKind, 1, nullptr);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute).size(), 3u);
    EXPECT_EQ(effects.Total(kPlayerFortifyAttribute, 1), 12);
    EXPECT_EQ(effects.Total(kPlayerFortifyAttribute, 2), 4);
}

TEST(ActiveEffectsTest, kindsWithoutAListLeaveNoEntry) {
    SActiveEffects effects;
    effects.Add(kFromSpell, &kPotion, 5, 10, 3, 0, nullptr);
    for (uint32_t type = 0; type < kPlayerEffectTypes; ++type) EXPECT_TRUE(effects.List(type).empty());
}

TEST(ActiveEffectsTest, aOneMinuteEffectIsStoredAsTwoAndLastsTwoMinutes) {
    SActiveEffects effects;
    effects.Add(kFromUsedItem, &kPotion, 5, 1, kFortifyAttributeKind, 1, nullptr);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].duration, 2);
    effects.PassTime(1);
    EXPECT_EQ(effects.Total(kPlayerFortifyAttribute, 1), 5);
    effects.PassTime(1);
    EXPECT_TRUE(effects.List(kPlayerFortifyAttribute).empty());
}

TEST(ActiveEffectsTest, longDurationsAreClampedToWhatTheByteHolds) {
    struct Case {
        uint32_t minutes;
        uint8_t stored;
    };
    // Wrapped, 255 would be 0 (for ever) and 300 would be 45.
    const Case cases[] = {{0, 0}, {1, 2}, {253, 254}, {254, 255}, {255, 255}, {300, 255}};
    for (const Case& c : cases) EXPECT_EQ(SActiveEffect::StoredDuration(c.minutes), c.stored) << c.minutes;

    SActiveEffects effects;
    effects.Add(kFromSpell, &kPotion, 5, 300, kFortifyAttributeKind, 1, nullptr);
    effects.PassTime(253);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute).size(), 1u);
    effects.PassTime(2);
    EXPECT_TRUE(effects.List(kPlayerFortifyAttribute).empty());
}

TEST(ActiveEffectsTest, onlyTimedOriginsRunOut) {
    SActiveEffects effects;
    const int sources[kFromMonster + 1] = {};
    for (uint8_t origin = kFromWornItem; origin <= kFromMonster; ++origin)
        effects.Add(origin, &sources[origin], origin, 3, kFortifyAttributeKind, 1, nullptr);
    effects.Add(kFromUsedItem, &kOtherPotion, 1, 0, kFortifyAttributeKind, 1, nullptr);
    effects.PassTime(100);
    std::vector<uint8_t> left;
    for (const SActiveEffect& effect : effects.List(kPlayerFortifyAttribute)) left.push_back(effect.origin);
    EXPECT_EQ(left, (std::vector<uint8_t>{kFromWornItem, kFromDisease, kFromAbility, kFromUsedItem}));
}

TEST(ActiveEffectsTest, passingTimeReportsAnEndedParalysis) {
    SActiveEffects effects;
    effects.Add(kFromMonster, nullptr, 0, 2, kParalyzeKind, 0, nullptr);
    EXPECT_FALSE(effects.PassTime(1));
    EXPECT_TRUE(effects.PassTime(5));
    EXPECT_FALSE(effects.Has(kPlayerParalysis));
}

TEST(ActiveEffectsTest, resistancesFoldStoredPercentages) {
    struct Case {
        int32_t stored;
        int32_t counted;
    };
    const Case cases[] = {{130, 30}, {60, 60}, {100, 100}, {-130, -30}, {-60, -60}, {0, 0}};
    for (const Case& c : cases) {
        SActiveEffects effects;
        effects.Add(kFromSpell, &kPotion, c.stored, 5, kResistPoisonKind, 0, nullptr);
        bool found = false;
        EXPECT_EQ(effects.Total(kPlayerResistPoison, 0, nullptr, &found), c.counted) << c.stored;
        EXPECT_TRUE(found);
    }
}

TEST(ActiveEffectsTest, namedResistancesCountOnlyTheirName) {
    SActiveEffects effects;
    effects.Add(kFromSpell, &kPotion, 120, 5, 17, 0, "base_plague");
    effects.Add(kFromSpell, &kPotion, 110, 5, 17, 0, "base_rot");
    bool found = false;
    EXPECT_EQ(effects.Total(kPlayerResistDisease, 0, "base_plague", &found), 20);
    EXPECT_TRUE(found);
    EXPECT_EQ(effects.Total(kPlayerResistDisease, 0, "base_fever", &found), 0);
    EXPECT_FALSE(found);
}

TEST(ActiveEffectsTest, presenceTypesCountOne) {
    SActiveEffects effects;
    EXPECT_EQ(effects.Total(kPlayerCurse), 0);
    effects.Add(kFromSpell, &kPotion, 0, 5, 27, 0, nullptr);
    effects.Add(kFromSpell, &kOtherPotion, 0, 5, 27, 0, nullptr);
    EXPECT_EQ(effects.Total(kPlayerCurse), 1);
}

TEST(ActiveEffectsTest, dispelKeepsFortifySkillDetectSecretsAlcoholicAndPoison) {
    SActiveEffects effects;
    const uint32_t mappedKinds[] = {1,  2,  5,  8,  10, 11, 15, 16, 17, 20, 22, 26,
                                    27, 28, 33, 34, 35, 36, 38, 39, 42, 57, 58};
    for (uint32_t kind : mappedKinds) effects.Add(kFromSpell, &kPotion, 110, 5, kind, 0, nullptr);
    // Worn pieces are not dispelled.
    effects.Add(kFromWornItem, &kOtherPotion, 3, 0, kFortifyAttributeKind, 0, nullptr);
    effects.Dispel();
    for (uint32_t type = 1; type < kPlayerEffectTypes; ++type) {
        const bool kept = type == kPlayerFortifySkill || type == kPlayerDetectSecrets || type == kPlayerAlcoholic ||
                          type == kPlayerPoison || type == kPlayerFortifyAttribute;
        EXPECT_EQ(effects.Has(type), kept) << PlayerEffectName(type);
    }
    ASSERT_EQ(effects.List(kPlayerFortifyAttribute).size(), 1u);
    EXPECT_EQ(effects.List(kPlayerFortifyAttribute)[0].origin, kFromWornItem);
}

TEST(ActiveEffectsTest, removalByKindSparesRebuiltOriginsAndRemovalByOriginTakesThemAll) {
    SActiveEffects effects;
    effects.Add(kFromDisease, &kPotion, 3, 0, kPoisonKind, 0, nullptr);
    effects.Add(kFromMonster, nullptr, 4, 0, kPoisonKind, 0, nullptr);
    effects.Add(kFromDisease, &kPotion, 3, 0, kFortifyAttributeKind, 1, nullptr);
    EXPECT_TRUE(effects.RemoveTimed(kPoisonKind));
    EXPECT_EQ(effects.Total(kPlayerPoison), 3);
    EXPECT_FALSE(effects.RemoveTimed(kPoisonKind));
    effects.RemoveByOrigin(kFromDisease);
    EXPECT_FALSE(effects.Has(kPlayerPoison));
    EXPECT_FALSE(effects.Has(kPlayerFortifyAttribute));
}

}  // namespace

}  // namespace active_effects_test
