// The texts of effects on every kind of holder, and of effect lists, diseases and abilities.
#include <gtest/gtest.h>

#include <string>

#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "engine/draw/digit_glyphs.h"
#include "support/effect_world.h"

namespace effect_describe_test {

namespace {

struct Entry {
    uint8_t type;
    int16_t m0 = 0;
    int16_t perLevel = 0;
    int16_t d0 = 0;
    uint8_t radius = 0;
    uint8_t subTarget = 0;
    const char* target = "";
    int16_t durationPerLevel = 0;
};

SEffect makeEntry(const Entry& e) {
    SEffect effect;
    effect.m_type = e.type;
    effect.m_baseMagnitude = e.m0;
    effect.m_magnitudePerLevel = e.perLevel;
    effect.m_baseDuration = e.d0;
    effect.m_durationPerLevel = e.durationPerLevel;
    effect.m_radius = e.radius;
    effect.m_subTarget = e.subTarget;
    effect.m_target.Assign(e.target);
    return effect;
}

enum Flags { kPlain, kShort, kCompact };

struct TextCase {
    const char* name;
    Entry entry;
    SEffectContext context;
    int32_t level;
    Flags flags;
    const char* text;
};

// clang-format off
const TextCase kTextCases[] = {
    // Worn: signed magnitudes with the target's name.
    {"skillOnRing", {1, 5, 0, 0, 0, 1}, kContextAccessory, 0, kPlain, "+5 Block"},
    {"skillOnBow", {1, -2, 0, 0, 0, 7}, kContextBow, 0, kPlain, "-2 Accuracy"},
    {"skillOnAbility", {1, 5, 0, 0, 0, 3}, kContextAbility, 0, kPlain, "+5 Heavy Weapon"},
    {"skillOnAbilityShort", {1, 5, 0, 0, 0, 3}, kContextAbility, 0, kShort, "+5 Heavy Weap"},
    {"skillOnAbilityCompact", {1, 5, 0, 0, 0, 3}, kContextAbility, 0, kCompact, "+5 Heavy W"},
    {"unknownSkillOnRing", {1, 5, 0, 0, 0, 30}, kContextAccessory, 0, kPlain, "+5 "},
    {"attributeOnArmour", {2, 3, 0, 0, 0, 1}, kContextArmour, 0, kPlain, "+3 Str"},
    {"attributeSixGivesNothing", {2, 3, 0, 0, 0, 6}, kContextArmour, 0, kPlain, ""},
    {"hpOnBow", {5, -4}, kContextBow, 0, kPlain, "-4 HP"},
    {"unholyOnStaff", {8, 6}, kContextMagicStaff, 0, kPlain, "+6 unholy HP"},
    {"manaOnDisease", {10, 5}, kContextDisease, 0, kPlain, "+5 SP"},
    {"armourClassOnWeapon", {11, 2}, kContextWeapon, 0, kPlain, "+2 AC"},
    {"featherOnArmour", {20, 3}, kContextArmour, 0, kPlain, "Feather +3"},
    {"outfitOnBow", {58, 2}, kContextBow, 0, kPlain, "+2 outfit pts"},
    {"bookTeachesSkill", {1, 2, 0, 0, 0, 16}, kContextBook, 0, kPlain, "Teaches Alchemy (+2)"},
    // Spells: the magnitude and duration at the caster's level, with the sign as a word.
    {"skillSpellAtLevel50", {1, 5, 20, 10, 0, 1}, kContextSpell, 50, kPlain, "Fortifies Block by 15, for 10 turns"},
    {"skillSpellWeakens", {1, -3, 0, 1, 0, 1}, kContextSpell, 0, kPlain, "Weakens Block by 3, for 1 turn"},
    {"attributeSpell", {2, 2, 100, 4, 0, 5}, kContextSpell, 3, kPlain, "Fortifies Per by 5, for 4 turns"},
    {"healSpell", {3, 10, 100}, kContextSpell, 20, kPlain, "Heals 30 hp"},
    {"fullHealSpell", {4}, kContextSpell, 0, kPlain, "Restores full health"},
    {"hpSpell", {5, 10, 0, 3}, kContextSpell, 0, kPlain, "Fortifies hp by 10, for 3 turns"},
    {"unholySpell", {6, 4, 100}, kContextSpell, 2, kPlain, "Restores unholy 6 hp"},
    {"fullUnholySpell", {7}, kContextSpell, 0, kPlain, "Restores full unholy hp"},
    {"manaSpellHasNoText", {10, 5, 0, 2}, kContextSpell, 0, kPlain, ""},
    {"armourClassSpell", {11, 2, 0, 5}, kContextSpell, 0, kPlain, "Fortifies AC by 2, for 5 turns"},
    {"cureDiseaseSpell", {14, 0, 0, 0, 0, 0, "Plague"}, kContextSpell, 0, kPlain, "Cures Plague disease"},
    {"cureUnknownDisease", {14, 0, 0, 0, 0, 0, "Pox"}, kContextSpell, 0, kPlain, "Cures  disease"},
    {"featherSpellBurdens", {20, -1, 0, 2}, kContextSpell, 0, kPlain, "Burdens encumbrances by 1 pt, for 2 turns"},
    {"curseSpellInRadius", {27, 0, 0, 1, 2}, kContextSpell, 0, kPlain, "Curses for 1 turn, in 2 radius"},
    {"paralyzeSpell", {28, 0, 0, 2, 0, 0, "", 100}, kContextSpell, 1, kPlain, "Paralyzes for 3 turns"},
    {"drainManaSpell", {30, 6}, kContextSpell, 0, kPlain, "Drains 6 mana"},
    {"meleeSpell", {38, 10, 0, 2}, kContextSpell, 0, kPlain, "Fortifies melee 10%, for 2 turns"},
    {"immunitySpell", {39, 0, 0, 3}, kContextSpell, 0, kPlain, "Magic immunity for 3 turns"},
    {"crushSpell", {40, 12, 0, 0, 1}, kContextSpell, 0, kPlain, "Crushes by 12 damage, in 1 radius"},
    {"calmSpell", {41, 40}, kContextSpell, 0, kPlain, "Calms at chance 40%"},
    {"disarmOnePoint", {44, 1}, kContextSpell, 0, kPlain, "Disarms traps by 1 pt"},
    {"unlockPoints", {45, 20}, kContextSpell, 0, kPlain, "Unlocks things by 20 pts"},
    {"rechargeByLevel", {49}, kContextSpell, 30, kPlain, "Recharges a wand up to 90 storage."},
    {"enchantByLevel", {50}, kContextSpell, 10, kPlain, "Enchants an item up to 30 storage."},
    {"levelDropSpell", {53, 0, 0, 0, 3}, kContextSpell, 0, kPlain, "Level drop, in 3 radius"},
    {"infectSpellInRadius", {32, 0, 0, 0, 2, 0, "Plague"}, kContextSpell, 0, kPlain,
     "Infects Plague disease, in 2 radius"},
    // Potions: the base numbers.
    {"healPotion", {3, 10, 100}, kContextPotion, 20, kPlain, "Heals 10 hp"},
    {"attributePotionWeakens", {2, -2, 0, 4, 0, 1}, kContextPotion, 0, kPlain, "Weakens Str by 2 for 4 turns"},
    {"hpPotionOfZeroWeakens", {5, 0, 0, 2}, kContextPotion, 0, kPlain, "Weakens hp by 0 for 2 turns"},
    {"hpPotionBelowZero", {5, -5, 0, 2}, kContextPotion, 0, kPlain, "Weakens hp by 5 for 2 turns"},
    {"manaPotionHasAComma", {10, 5, 0, 1}, kContextPotion, 0, kPlain, "Fortifies mana by 5, for 1 turn"},
    {"manaRestorePotion", {9, 25}, kContextPotion, 0, kPlain, "Restores 25 mana"},
    {"unholyPotion", {6, 4}, kContextPotion, 0, kPlain, "Restores 4 unholy hp"},
    {"featherPotion", {20, 5, 0, 1}, kContextPotion, 0, kPlain, "Lightens encumbrances by 5 pts for 1 turn"},
    {"poisonPotion", {26, 4}, kContextPotion, 0, kPlain, "Poisons 4 hp"},
    {"magicPotion", {36, 115, 0, 2}, kContextPotion, 0, kPlain, "Fortifies magic by 15% for 2 turns"},
    {"permanentAttribute", {56, 1, 0, 0, 0, 2}, kContextPotion, 0, kPlain, "Permanently fortifies Dexterity by +1"},
    {"permanentAttributeZero", {56, 1, 0, 0, 0, 0}, kContextPotion, 0, kPlain, ""},
    {"alcoholicPotion", {57, 130}, kContextPotion, 0, kPlain, "Alcoholic 30%"},
    {"fullManaPotion", {55}, kContextPotion, 0, kPlain, "Restores full mana"},
    {"dispelPotion", {19}, kContextPotion, 0, kPlain, "Dispels magic effects"},
    // Ingredients: the kind of effect only.
    {"healIngredient", {3, 10}, kContextIngredient, 0, kPlain, "Restore health"},
    {"attributeIngredient", {2, 3, 0, 0, 0, 4}, kContextIngredient, 0, kPlain, "Fortify Int"},
    {"poisonIngredient", {26, 3}, kContextIngredient, 0, kPlain, "Poison"},
    {"diseaseIngredient", {17, 120, 0, 0, 0, 0, "Plague"}, kContextIngredient, 0, kPlain, "Resist Plague"},
    {"meleeIngredient", {38, 110}, kContextIngredient, 0, kPlain, "Fortify Melee"},
    // Resistances: stored offset by 100 everywhere but on spells.
    {"poisonOnArmour", {15, 150}, kContextArmour, 0, kPlain, "+50% Poison resistance"},
    {"poisonBelowHundred", {15, 50}, kContextArmour, 0, kPlain, "-50% Poison resistance"},
    {"poisonFarBelow", {15, -150}, kContextArmour, 0, kPlain, "-50% Poison resistance"},
    {"poisonAtMinusHundred", {15, -100}, kContextArmour, 0, kPlain, "-200% Poison resistance"},
    {"poisonShortLabel", {15, 150}, kContextArmour, 0, kShort, "+50% Poison res."},
    {"poisonOnMonster", {15, 110}, kContextMonster, 0, kPlain, "+10% Poison resistance"},
    {"poisonSpellEndsWithStop", {15, 20, 0, 3}, kContextSpell, 0, kPlain,
     "Fortifies poison resistance by 20%, for 3 turns."},
    {"poisonPotion", {15, 130, 0, 5}, kContextPotion, 0, kPlain, "Fortifies poison resistance by 30% for 5 turns"},
    {"poisonPotionWeakens", {15, 80, 0, 1}, kContextPotion, 0, kPlain, "Weakens poison resistance by 20% for 1 turn"},
    {"paralysisOnStaff", {16, 140}, kContextMagicStaff, 0, kPlain, "+40% Paralysis resistance"},
    {"paralysisSpell", {16, 15, 0, 2}, kContextSpell, 0, kPlain, "Fortifies paralysis resistance by 15%, for 2 turns"},
    {"diseaseOnAccessory", {17, 125, 0, 0, 0, 0, "Plague"}, kContextAccessory, 0, kPlain, "+25% Plague resistance"},
    {"diseaseNotOnMonster", {17, 125, 0, 0, 0, 0, "Plague"}, kContextMonster, 0, kPlain, ""},
    {"diseaseSpell", {17, 30, 0, 2, 0, 0, "Plague"}, kContextSpell, 0, kPlain,
     "Fortifies Plague resistance by 30%, for 2 turns"},
    {"normalWeaponsOnMonster", {18, 160}, kContextMonster, 0, kPlain, "+60% normal weapon resistance"},
    {"magicSpellWeakens", {22, -10, 0, 2}, kContextSpell, 0, kPlain, "Weakens magic resistance by 10%, for 2 turns"},
    {"magicOnAbility", {22, 105}, kContextAbility, 0, kShort, "+5% Magic res."},
    {"diseasesOnMonster", {33, 110}, kContextMonster, 0, kPlain, "+10% diseases resistance"},
    {"diseasesOnArmour", {33, 110}, kContextArmour, 0, kPlain, "+10% Disease resistance"},
    {"diseasesNotOnWeapon", {33, 110}, kContextWeapon, 0, kPlain, ""},
    {"resistSpellOnMonster", {34, 120, 0, 0, 0, 0, "base_fireball"}, kContextMonster, 0, kPlain, "resist Fireball +20%"},
    {"resistSpellOnRing", {34, 120, 0, 0, 0, 0, "base_fireball"}, kContextAccessory, 0, kPlain,
     "+20% Fireball resistance"},
    {"fortifySpellOnDisease", {35, 90, 0, 0, 0, 0, "base_fireball"}, kContextDisease, 0, kPlain,
     "Fortify Fireball -10%"},
    {"magicOnStaff", {36, 115}, kContextMagicStaff, 0, kPlain, "Fortify Magic +15%"},
    {"meleeOnMonster", {38, 125}, kContextMonster, 0, kPlain, "Fortify Melee +25%"},
    {"infectOnMonster", {32, 130, 0, 0, 0, 0, "Plague"}, kContextMonster, 0, kPlain,
     "Infects Plague disease at 30% chance"},
    {"infectOnArrow", {32, 130, 0, 0, 0, 0, "Plague"}, kContextThrown, 0, kPlain, "Infects Plague disease"},
    {"levelDropOnMonster", {53, 15}, kContextMonster, 0, kPlain, "Level drop at 15% chance"},
    // Damage: plain points within +-100 on weapons, per cent beyond.
    {"damagePoints", {23, 5, 0, 0, 0, 0, "Goblin"}, kContextWeapon, 0, kPlain, "+5 damage to Goblin"},
    {"damageAtHundred", {23, 100, 0, 0, 0, 0, "Goblin"}, kContextWeapon, 0, kPlain, "+100 damage to Goblin"},
    {"damageAtMinusHundred", {23, -100, 0, 0, 0, 0, "Goblin"}, kContextWeapon, 0, kPlain, "-100 damage to Goblin"},
    {"damagePercent", {23, 150, 0, 0, 0, 0, "Goblin"}, kContextWeapon, 0, kPlain, "+50% damage to Goblin"},
    {"damagePercentJustAbove", {23, 101, 0, 0, 0, 0, "Goblin"}, kContextThrown, 0, kPlain, "+1% damage to Goblin"},
    {"damagePercentBelow", {23, -150, 0, 0, 0, 0, "Goblin"}, kContextWeapon, 0, kPlain, "-50% damage to Goblin"},
    {"damageUnknownKind", {23, 5, 0, 0, 0, 0, "Troll"}, kContextWeapon, 0, kPlain, "+5 damage to "},
    {"damageSpell", {23, 10, 0, 0, 2, 0, "Goblin"}, kContextSpell, 0, kPlain, "Damages Goblin by 10, in 2 radius"},
    {"damageClassOnArrow", {24, -7, 0, 0, 0, 3}, kContextThrown, 0, kPlain, "-7 damage to undeads"},
    {"damageClassSpell", {24, 8, 100, 0, 0, 1}, kContextSpell, 2, kPlain, "Damages humanoids by 10"},
    {"damageAllOnWeapon", {25, 3}, kContextWeapon, 0, kPlain, "+3 damage"},
    {"damageAllPercent", {25, 130}, kContextWeapon, 0, kPlain, "+30% damage"},
    {"damageAllSpell", {25, 8}, kContextSpell, 0, kPlain, "Applies 8 damage"},
    {"damageNotOnArmour", {25, 8}, kContextArmour, 0, kPlain, ""},
    // Strikes.
    {"poisonOnArrow", {26, 3}, kContextThrown, 0, kPlain, "Poisons opponents"},
    {"poisonSpell", {26, 4, 0, 0, 1}, kContextSpell, 0, kPlain, "Poisons by 4 hp, in 1 radius"},
    {"curseOnMonster", {27}, kContextMonster, 0, kPlain, "Curses opponents"},
    {"paralyzeOnStaff", {28}, kContextMagicStaff, 0, kPlain, "Paralyzes opponents"},
    {"drainOnStaff", {29}, kContextMagicStaff, 0, kPlain, "Drains hp"},
    {"drainNotOnArrow", {29}, kContextThrown, 0, kPlain, ""},
    // Cast spell: knowledge, abilities, spellbooks.
    {"spellOnMonster", {31, 0, 0, 0, 0, 0, "base_fireball"}, kContextMonster, 0, kPlain, "Fireball knowledge"},
    {"spellOnAbility", {31, 0, 0, 0, 0, 0, "base_fireball"}, kContextAbility, 0, kPlain, "Fireball spell"},
    {"spellOnAbilityShort", {31, 0, 0, 0, 0, 0, "base_fireball"}, kContextAbility, 0, kShort, "Fireball"},
    {"spellbook", {31, 0, 0, 0, 0, 0, "base_recall"}, kContextSpellbook, 0, kPlain, "Teaches Recall"},
    {"unknownSpell", {31, 0, 0, 0, 0, 0, "base_nothing"}, kContextSpellbook, 0, kPlain, ""},
    // Scrolls: scaled spells name the skill level the scroll casts at.
    {"scrollUnscaled", {31, 0, 40, 0, 0, 0, "base_recall"}, kContextScroll, 0, kPlain, "Casts Recall"},
    {"scrollUnscaledCompact", {31, 0, 40, 0, 0, 0, "base_recall"}, kContextScroll, 0, kCompact, "Recall"},
    {"scrollScaled", {31, 0, 40, 0, 0, 0, "base_fireball"}, kContextScroll, 0, kPlain,
     "Casts Fireball at skill level 40"},
    {"scrollScaledShort", {31, 0, 40, 0, 0, 0, "base_fireball"}, kContextScroll, 0, kShort,
     "Casts Fireball (skill: 40)"},
    {"scrollScaledCompact", {31, 0, 40, 0, 0, 0, "base_fireball"}, kContextScroll, 0, kCompact, "Fireball (sk: 40)"},
    // Wands: full, fuller than full, partial, one charge left, a full wand of one charge.
    {"wandFull", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, kFullWand, kPlain, "Casts Recall (10 charges)"},
    {"wandFullShort", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, kFullWand, kShort, "Recall (10 charges)"},
    {"wandAtItsFullCount", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, 10, kPlain, "Casts Recall (10 charges)"},
    {"wandAboveFull", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, 12, kPlain, "Casts Recall (12 charges)"},
    {"wandPartial", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, 5, kPlain,
     "Casts Recall (5 out of 10 charges)"},
    {"wandPartialShort", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, 5, kShort, "Recall (5/10 charges)"},
    {"wandLastCharge", {31, 10, 0, 0, 0, 0, "base_recall"}, kContextWand, 1, kPlain,
     "Casts Recall (1 out of 10 charge)"},
    {"wandOfOneCharge", {31, 1, 0, 0, 0, 0, "base_recall"}, kContextWand, kFullWand, kPlain,
     "Casts Recall (1 charge)"},
    {"wandScaledFull", {31, 10, 30, 0, 0, 0, "base_fireball"}, kContextWand, kFullWand, kPlain,
     "Casts Fireball at skill level 30 (10 charges)"},
    {"wandScaledFullShort", {31, 10, 30, 0, 0, 0, "base_fireball"}, kContextWand, kFullWand, kShort,
     "Fireball (skill: 30) (10 charges)"},
    {"wandScaledPartial", {31, 10, 30, 0, 0, 0, "base_fireball"}, kContextWand, 3, kPlain,
     "Casts Fireball at skill level 30 (3 out of 10 charges)"},
    {"wandScaledPartialShort", {31, 10, 30, 0, 0, 0, "base_fireball"}, kContextWand, 3, kShort,
     "Fireball (skill: 30) (3/10 charges)"},
    // Types and holders without a text.
    {"typeNone", {0, 5}, kContextArmour, 0, kPlain, ""},
    {"typePastTheLast", {59, 5}, kContextSpell, 0, kPlain, ""},
    {"createWall", {37, 5}, kContextSpell, 0, kPlain, ""},
    {"healOnArmour", {3, 10}, kContextArmour, 0, kPlain, ""},
    {"noContext", {1, 5, 0, 0, 0, 1}, kContextNone, 0, kPlain, ""},
};
// clang-format on

TEST(EffectDescribeTest, goldenTextsOfEveryFormatFamily) {
    const EffectWorld world;
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(world.Describe(makeEntry(c.entry), c.context, c.level, c.flags == kShort, c.flags == kCompact),
                  c.text);
    }
}

TEST(EffectDescribeTest, namesFromMissingTablesAreEmpty) {
    EffectWorld world;
    world.lookups = SEffectLookups{};
    EXPECT_EQ(world.Describe(makeEntry({1, 5, 0, 0, 0, 1}), kContextAccessory), "+5 ");
    EXPECT_EQ(world.Describe(makeEntry({2, 5, 0, 0, 0, 1}), kContextAccessory), "+5 ");
    EXPECT_EQ(world.Describe(makeEntry({24, 5, 0, 0, 0, 2}), kContextWeapon), "+5 damage to ");
    EXPECT_EQ(world.Describe(makeEntry({31, 1, 0, 0, 0, 0, "base_recall"}), kContextSpellbook), "");
}

// An ingredient of four effects, whose effects an alchemist learns to tell one by one.
std::unique_ptr<SEffectList> ingredient() {
    return ListOf(ItemEffect(3, 10), ItemEffect(26, 3), ItemEffect(2, 3, 1), ItemEffect(9, 5));
}

TEST(EffectListDescribeTest, ingredientsShowWhatTheAlchemyTells) {
    struct Case {
        int32_t skill, fortify;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "Restore health\rUnknown effect\rUnknown effect"},
        {29, 0, "Restore health\rUnknown effect\rUnknown effect"},
        {25, 5, "Restore health\rPoison\rUnknown effect"},
        {30, 0, "Restore health\rPoison\rUnknown effect"},
        {59, 0, "Restore health\rPoison\rUnknown effect"},
        {60, 0, "Restore health\rPoison\rFortify Str"},
        {100, 0, "Restore health\rPoison\rFortify Str"},
    };
    EffectWorld world;
    const auto list = ingredient();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.skill + c.fortify);
        world.SetAlchemy(c.skill, c.fortify);
        SString out;
        list->Describe(world.lookups, kContextIngredient, 0, out, false);
        EXPECT_STREQ(out.Text(), c.text);
    }
}

TEST(EffectListDescribeTest, entriesAreAppendedWithTheLayoutsSeparator) {
    const EffectWorld world;
    const auto list = ListOf(ItemEffect(1, 5, 1), ItemEffect(15, 150), ItemEffect(3, 10));
    SString out("Armour: ");
    list->Describe(world.lookups, kContextArmour, 0, out, true);
    // The heal has no text on armour, yet keeps its place.
    EXPECT_STREQ(out.Text(), "Armour: +5 Block, +50% Poison resistance, ");
    out.Assign("");
    list->Describe(world.lookups, kContextArmour, 0, out, false);
    EXPECT_STREQ(out.Text(), "+5 Block\r+50% Poison resistance\r");
    out.Assign("");
    SEffectList().Describe(world.lookups, kContextArmour, 0, out, false);
    EXPECT_STREQ(out.Text(), "");
}

TEST(EffectListDescribeTest, wandEntriesAreDescribedAtTheChargesLeft) {
    const EffectWorld world;
    const auto list = ListOf(ItemEffect(31, 10, 0, "base_recall", kSourceSpellCharge));
    SString out;
    list->Describe(world.lookups, kContextWand, 4, out, true);
    EXPECT_STREQ(out.Text(), "Casts Recall (4 out of 10 charges)");
}

std::string glyphs(const char* text) {
    SString out(text);
    ToDigitGlyphs(out);
    return out.Text();
}

TEST(EffectRecordDescribeTest, diseasesAndAbilitiesListTheirEffectsInSmallDigits) {
    const EffectWorld world;
    SDisease disease;
    disease.m_effects.Append(ItemEffect(2, -5, 1).release());
    disease.m_effects.Append(ItemEffect(15, 80).release());
    SString out("stale");
    disease.Describe(world.lookups, out);
    EXPECT_EQ(std::string(out.Text()), glyphs("-5 Str\r-20% Poison resistance"));
    EXPECT_NE(std::string(out.Text()), "-5 Str\r-20% Poison resistance");

    SDisease harmless;
    harmless.Describe(world.lookups, out);
    EXPECT_STREQ(out.Text(), "");

    SAbility ability;
    ability.m_effects.Append(ItemEffect(1, 10, 3).release());
    ability.m_effects.Append(ItemEffect(31, 0, 0, "base_fireball", kSourceSpellCharge).release());
    ability.Describe(world.lookups, out);
    EXPECT_EQ(std::string(out.Text()), glyphs("+10 Heavy Weapon\rFireball spell"));
}

TEST(EffectRecordDescribeTest, theRaceChoiceShowsARangeWordedForTheScreen) {
    const EffectWorld world;
    SAbility ability;
    ability.m_effects.Append(ItemEffect(22, 110).release());
    ability.m_effects.Append(ItemEffect(1, 10, 3).release());
    ability.m_effects.Append(ItemEffect(31, 0, 0, "base_fireball", kSourceSpellCharge).release());
    struct Case {
        uint32_t screenMode;
        int first, end;
        const char* text;
    };
    const Case cases[] = {
        {9, 0, 3, "+10% Magic resistance\r+10 Heavy Weapon\rFireball spell"},
        {9, 1, 2, "+10 Heavy Weapon"},
        {9, 2, 9, "Fireball spell"},
        {9, 3, 9, ""},
        {9, -4, 1, "+10% Magic resistance"},
        {2, 0, 3, "+10% Magic res.\r+10 Heavy Weap\rFireball"},
        {16, 1, 2, "+10 Heavy Weap"},
        {5, 1, 2, "+10 Heavy W"},
        {8, 0, 2, "+10% Magic res.\r+10 Heavy W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.screenMode) + " " + std::to_string(c.first));
        SString out("stale");
        ability.DescribeForRace(world.lookups, c.screenMode, out, c.first, c.end);
        EXPECT_EQ(std::string(out.Text()), glyphs(c.text));
    }
}

}  // namespace

}  // namespace effect_describe_test
