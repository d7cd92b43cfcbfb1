#include <gtest/gtest.h>

#include <memory>

#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/player/player_fixture.h"
#include "support/spell_records.h"

namespace player_effects_test {

namespace {

constexpr uint32_t kPoisonKind = 26;
constexpr uint32_t kParalyzeKind = 28;

class PlayerEffectsTest : public PlayerTest {
protected:
    void SetUp() override { StartBaseGame(); }

    // A potion type whose on-use effects are given as (kind, magnitude, duration, sub-target).
    struct Entry {
        uint8_t kind;
        int16_t magnitude;
        int16_t duration = 0;
        uint8_t subTarget = 0;
    };
    const SItem& Potion(std::initializer_list<Entry> entries) {
        auto type = std::make_unique<SItemType>();
        type->m_effects = std::make_unique<SEffectList>();
        for (const Entry& e : entries) {
            auto effect = std::make_unique<SEffect>(kContextPotion);
            effect->m_type = e.kind;
            effect->m_baseMagnitude = e.magnitude;
            effect->m_baseDuration = e.duration;
            effect->m_subTarget = e.subTarget;
            type->m_effects->Add(std::move(effect));
        }
        items.push_back(std::make_unique<SItem>(*type));
        types.push_back(std::move(type));
        return *items.back();
    }

    // A spell of on-use entries given as (kind, magnitude, duration).
    const SSpellType& Spell(std::initializer_list<Entry> entries) {
        auto spell = MakeSpell("base_spelltest", 3);
        for (const Entry& e : entries) {
            auto effect = SpellEffectEntry(e.kind, e.magnitude);
            effect->m_baseDuration = e.duration;
            effect->m_subTarget = e.subTarget;
            spell->m_effects.Append(effect.release());
        }
        spells.push_back(std::move(spell));
        return *spells.back();
    }

    std::vector<std::unique_ptr<SItemType>> types;
    std::vector<std::unique_ptr<SItem>> items;
    std::vector<std::unique_ptr<SSpellType>> spells;
};

TEST_F(PlayerEffectsTest, poisonHurtsButLeavesOneHitPoint) {
    player.SetHp(3, false);
    player.AddTimedEffect(kFromMonster, nullptr, 5, 0, kPoisonKind, 0, nullptr);
    ASSERT_EQ(screen.queued.size(), 1u);
    EXPECT_EQ(screen.queued[0].text, "You're poisoned!");
    EXPECT_EQ(player.ApplyPoisonDamage(), 5);
    EXPECT_EQ(player.Hp(), 1);
    EXPECT_EQ(screen.poisonHurts, std::vector<int32_t>{5});
    // A second poisoning is not announced again; the dead stay dead.
    player.AddTimedEffect(kFromMonster, &kPoisonKind, 2, 0, kPoisonKind, 0, nullptr);
    EXPECT_EQ(screen.queued.size(), 1u);
    player.SetHp(0, false);
    player.ApplyPoisonDamage();
    EXPECT_EQ(player.Hp(), 0);
}

TEST_F(PlayerEffectsTest, healingAndUnholyPotionsSwapForTheUndead) {
    struct Case {
        uint32_t race;
        uint8_t kind;
        int32_t hp;
    };
    // Hp 30 of 60; potions of 20.
    const Case cases[] = {
        {2, 3, 50}, {1, 3, 10}, {2, 6, 10}, {1, 6, 50}, {2, 4, 60},
        {1, 4, 1},  {2, 7, 1},  {1, 7, 60}, {1, 5, 10}, {2, 8, 10},
    };
    for (const Case& c : cases) {
        player.SetRace(c.race);
        player.SetHp(30, false);
        player.ApplyItemEffects(Potion({{c.kind, 20, 10}}));
        EXPECT_EQ(player.Hp(), c.hp) << "race " << c.race << " kind " << int(c.kind);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlayerEffectsTest, hpSpellsSwapForTheUndeadAsThePotionsDo) {
    struct Case {
        uint32_t race;
        uint8_t kind;
        int16_t magnitude;
        int32_t hp;
        int32_t after;
        bool fortified;  // a timed Fortify hp or unholy entry was made
    };
    // Friendly casts, so neither the magic resistance nor a roll comes between; the most hp is 60.
    const Case cases[] = {
        {2, 3, 20, 30, 50, false}, {1, 3, 20, 30, 10, false}, {2, 6, 20, 30, 10, false}, {1, 6, 20, 30, 50, false},
        {2, 4, 0, 30, 60, false},  {1, 4, 0, 30, 1, false},   {2, 7, 0, 30, 1, false},   {1, 7, 0, 30, 60, false},
        {2, 5, 20, 30, 30, true},  {1, 5, 20, 30, 10, false}, {1, 5, 40, 10, 1, false},  {2, 8, 20, 30, 10, false},
        {2, 8, 40, 10, 1, false},  {1, 8, 20, 30, 30, true},  {1, 3, 40, 10, 0, false},  {2, 6, 40, 10, 0, false},
    };
    for (const Case& c : cases) {
        player.ClearEffects();
        player.SetRace(c.race);
        player.SetHp(c.hp, false);
        screen.hits.clear();
        player.ApplySpell(Spell({{c.kind, c.magnitude, 10}}), 1, true, 0, false);
        const std::string name = "race " + std::to_string(c.race) + " kind " + std::to_string(c.kind) + " of " +
                                 std::to_string(c.magnitude) + " at " + std::to_string(c.hp);
        EXPECT_EQ(player.Hp(), c.after) << name;
        EXPECT_EQ(player.Effects().Has(kPlayerFortifyHp) || player.Effects().Has(kPlayerFortifyUnholy), c.fortified)
            << name;
        // Only what hurts is shown as a blow.
        EXPECT_EQ(screen.hits.size(), c.after < c.hp ? 1u : 0u) << name;
    }
}

TEST_F(PlayerEffectsTest, aCrushingSpellWeighsTheHpAgainstExactlyAQuarterOfTheMost) {
    // Fortify hp of 60 makes the most 120: 30 hp is a quarter, 31 hp is 25 whole percent but more.
    player.ApplySpell(Spell({{5, 60, 200}}), 1, true, 0, false);
    ASSERT_EQ(player.GetMaxHp(), 120);
    const SSpellType& crush = Spell({{40, 0}});
    player.SetHp(31, false);
    for (int i = 0; i < 40; ++i) player.ApplySpell(crush, 1, false, 0, false);
    EXPECT_EQ(player.Hp(), 31);
    player.SetHp(30, false);
    for (int i = 0; i < 40 && player.Hp() > 0; ++i) player.ApplySpell(crush, 1, false, 0, false);
    EXPECT_EQ(player.Hp(), 0);
}

TEST_F(PlayerEffectsTest, potionsOfFortifyNeedADurationAndPermanentOnesRaiseTheAttribute) {
    player.ApplyItemEffects(Potion({{2, 5, 0, 1}, {56, 1, 0, 4}}));
    EXPECT_FALSE(player.Effects().Has(kPlayerFortifyAttribute));
    EXPECT_EQ(player.BaseAttribute(4), 16u);
    player.ApplyItemEffects(Potion({{2, 5, 30, 1}, {15, 130, 30}}));
    EXPECT_EQ(player.GetAttribute(1), 20);
    EXPECT_EQ(player.GetPoisonResistance(), 37);
}

TEST_F(PlayerEffectsTest, aPoisonedPotionIsResistedAndHurtsAtOnce) {
    player.SetHp(50, false);
    player.ApplyItemEffects(Potion({{26, 100}}));
    // Poison resistance 7.
    EXPECT_EQ(player.PoisonTotal(), 93);
    EXPECT_EQ(player.Hp(), 1);
    player.ApplyItemEffects(Potion({{12, 0}}));
    EXPECT_EQ(player.PoisonTotal(), 0);
}

TEST_F(PlayerEffectsTest, drinkingTurnsDrunkOnceWithTheSound) {
    // Magnitude 170: 14 x 60 = 840 minutes, less Endurance 15 percent, at most 240.
    player.ApplyItemEffects(Potion({{57, 170}}));
    ASSERT_EQ(player.Effects().List(kPlayerAlcoholic).size(), 1u);
    EXPECT_EQ(player.Effects().List(kPlayerAlcoholic)[0].duration, 241);
    EXPECT_EQ(player.Drunkenness(), 70);
    ASSERT_EQ(screen.queued.size(), 1u);
    EXPECT_EQ(screen.queued[0].text, "You're drunk!");
    EXPECT_EQ(screen.queued[0].sound, "bsnd_ambientman4");
    player.Drink(170, nullptr);
    EXPECT_EQ(player.Effects().List(kPlayerAlcoholic).size(), 2u);
    EXPECT_EQ(screen.queued.size(), 1u);
    // Too weak to last any time: no entry that would never end.
    player.Drink(4, nullptr);
    EXPECT_EQ(player.Effects().List(kPlayerAlcoholic).size(), 2u);
}

TEST_F(PlayerEffectsTest, aLargeBlowTakesHpToExactlyZero) {
    player.SetHp(50, false);
    player.ApplySpell(Spell({{25, 500}}), 1, false, 2, false);
    EXPECT_EQ(player.Hp(), 0);
    // Magic resistance 7.
    EXPECT_EQ(screen.hits, (std::vector<std::pair<int32_t, int32_t>>{{2, 465}}));
    EXPECT_EQ(screen.hpBar, 0);
}

TEST_F(PlayerEffectsTest, damageByClassStrikesOnlyItsClass) {
    for (uint32_t race : {2u, 1u}) {
        player.SetRace(race);
        player.SetHp(50, false);
        player.ApplySpell(Spell({{24, 10, 0, 1}, {24, 20, 0, 3}}), 1, true, 0, false);
        EXPECT_EQ(player.Hp(), race == 1 ? 31 : 40) << race;  // 20 and 10 less 7 percent, truncated
    }
}

TEST_F(PlayerEffectsTest, aCrushingSpellMayFinishOnlyTheBadlyHurt) {
    const SSpellType& crush = Spell({{40, 0}});
    player.SetHp(30, false);
    for (int i = 0; i < 20; ++i) player.ApplySpell(crush, 1, false, 0, false);
    EXPECT_EQ(player.Hp(), 30);
    // At 1 hp (1 percent) the roll must beat 3, which it does nearly always.
    player.SetHp(1, false);
    for (int i = 0; i < 20 && player.Hp() > 0; ++i) player.ApplySpell(crush, 1, false, 0, false);
    EXPECT_EQ(player.Hp(), 0);
    EXPECT_EQ(screen.plainDamage, std::vector<int32_t>{1});
    EXPECT_TRUE(screen.hits.empty());
}

TEST_F(PlayerEffectsTest, magicImmunityLetsOnlyDispelThrough) {
    player.SetHp(50, false);
    player.ApplySpell(Spell({{39, 0, 30}}), 1, true, 0, false);
    ASSERT_TRUE(player.IsMagicImmune());
    player.ApplySpell(Spell({{25, 20}, {27, 0, 30}}), 1, false, 0, false);
    EXPECT_EQ(player.Hp(), 50);
    EXPECT_FALSE(player.IsCursed());
    player.ApplySpell(Spell({{19, 0}}), 1, false, 0, false);
    EXPECT_FALSE(player.IsMagicImmune());
}

TEST_F(PlayerEffectsTest, percentSpellsAreStoredSoThatTheTotalsFoldThemBack) {
    player.ApplySpell(Spell({{15, 30, 10}}), 1, true, 0, false);
    ASSERT_EQ(player.Effects().List(kPlayerResistPoison).size(), 1u);
    EXPECT_EQ(player.Effects().List(kPlayerResistPoison)[0].magnitude, 130);
    EXPECT_EQ(player.GetPoisonResistance(), 37);
    player.ClearEffects();
    // A percentage of 0 is no resistance, not a full one.
    player.ApplySpell(Spell({{15, 0, 10}}), 1, true, 0, false);
    EXPECT_FALSE(player.Effects().Has(kPlayerResistPoison));
}

TEST_F(PlayerEffectsTest, paralysisIsAnnouncedShownInTheHandsAndEnds) {
    player.ApplySpell(Spell({{28, 0, 3}}), 1, true, 0, false);
    ASSERT_TRUE(player.IsParalyzed());
    ASSERT_EQ(screen.queued.size(), 1u);
    EXPECT_EQ(screen.queued[0].text, "You're paralyzed!");
    EXPECT_EQ(screen.handUpdates, 1);
    player.PassTimeEffects(4);
    EXPECT_FALSE(player.IsParalyzed());
    EXPECT_EQ(screen.handUpdates, 2);
    player.AddTimedEffect(kFromMonster, nullptr, 0, 5, kParalyzeKind, 0, nullptr);
    player.RemoveTimedEffects(kParalyzeKind);
    EXPECT_FALSE(player.IsParalyzed());
    EXPECT_EQ(screen.handUpdates, 3);
}

TEST_F(PlayerEffectsTest, placeSpellsAndCalmGoToThePlayScreen) {
    player.ApplySpell(Spell({{41, 0}, {46, 0}, {47, 0}, {48, 0}, {49, 0}, {50, 0}, {51, 0}}), 40, true, 0, false);
    EXPECT_EQ(screen.calmed, std::vector<int32_t>{4});
    EXPECT_EQ(screen.events,
              (std::vector<std::pair<int32_t, int32_t>>{{14, 0}, {15, 0}, {16, 0}, {17, 0}, {18, 40}, {18, 40}}));
}

TEST_F(PlayerEffectsTest, filteredCastsSkipEntriesWithoutASource) {
    const SSpellType& spell = Spell({{25, 10}});
    spell.m_effects[0]->m_source = kSourceNone;
    player.SetHp(50, false);
    player.ApplySpell(spell, 1, true, 0, true);
    EXPECT_EQ(player.Hp(), 50);
    player.ApplySpell(spell, 1, true, 0, false);
    EXPECT_EQ(player.Hp(), 40);
}

}  // namespace

}  // namespace player_effects_test
