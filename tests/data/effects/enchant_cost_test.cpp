// What effects cost to enchant, what lists of them cost, and what wands are worth by their charges.
#include <gtest/gtest.h>

#include <limits>

#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/items/effect_wand_pricing.h"
#include "data/items/item.h"
#include "support/effect_world.h"

namespace enchant_cost_test {

namespace {

constexpr int32_t kUnchanged = -1;

struct CostCase {
    const char* name;
    uint8_t type;
    SEffectContext context;
    int16_t m;
    int16_t skillLevel;  // the magnitude-per-level field
    uint8_t radius;
    const char* target;
    int32_t storage, price;
};

// clang-format off
const CostCase kCostCases[] = {
    {"fortifySkill", 1, kContextArmour, 5, 0, 0, "", 75, 500},
    {"fortifyAttribute", 2, kContextAccessory, 2, 0, 0, "", 50, 400},
    {"restoreHpOnPotion", 3, kContextPotion, 20, 0, 0, "", 50, 66},
    {"restoreFullHp", 4, kContextSpell, 10, 0, 0, "", 33, 200},
    {"fortifyHp", 5, kContextArmour, 4, 0, 0, "", 40, 300},
    {"fortifyAc", 11, kContextArmour, 3, 0, 0, "", 60, 300},
    {"curePoisonOnPotion", 12, kContextPotion, 0, 0, 0, "", 50, 33},
    {"resistPoison", 15, kContextArmour, 150, 0, 0, "", 500, 5000},
    {"resistPoisonNegative", 15, kContextArmour, 50, 0, 0, "", 500, 5000},
    {"resistParalysis", 16, kContextArmour, 50, 0, 0, "", 750, 5000},
    {"resistDiseaseByStrength", 17, kContextArmour, 150, 0, 0, "Plague", 225, 3000},
    {"resistDiseaseNegativeStaysSigned", 17, kContextArmour, 50, 0, 0, "Plague", -225, -3000},
    {"resistUnknownDisease", 17, kContextArmour, 150, 0, 0, "Pox", kUnchanged, kUnchanged},
    {"resistNormalWeapons", 18, kContextMonster, 150, 0, 0, "", 0, 0},
    {"feather", 20, kContextArmour, 2, 0, 0, "", 20, 100},
    {"resistMagic", 22, kContextArmour, 120, 0, 0, "", 300, 4000},
    {"damageBasePoints", 23, kContextWeapon, 10, 0, 0, "Goblin", 135, 720},
    {"damageBasePointsInRadius", 23, kContextWeapon, 10, 0, 2, "Goblin", 360, 4320},
    {"damageBasePercent", 23, kContextWeapon, 150, 0, 0, "Goblin", 300, 1650},
    {"damageBasePercentInRadius", 23, kContextWeapon, 150, 0, 1, "Goblin", 700, 6650},
    {"damageBaseAtHundredIsPoints", 23, kContextWeapon, 100, 0, 0, "Goblin", 3150, 41400},
    {"damageBaseUnknownKind", 23, kContextWeapon, 10, 0, 0, "Troll", kUnchanged, kUnchanged},
    {"damageTypeOnArrowHalved", 24, kContextThrown, 6, 0, 0, "", 110, 235},
    {"damageTypePercent", 24, kContextWeapon, -160, 0, 0, "", 410, 1640},
    {"damageAllPoints", 25, kContextWeapon, 4, 0, 0, "", 98, 360},
    {"damageAllPercent", 25, kContextWeapon, 120, 0, 0, "", 150, 500},
    {"poison", 26, kContextWeapon, 3, 0, 0, "", 100, 1000},
    {"poisonInRadius", 26, kContextWeapon, 3, 0, 2, "", 1000, 10000},
    {"poisonOnArrowHalved", 26, kContextThrown, 3, 0, 0, "", 100, 500},
    {"paralyzeInRadius", 28, kContextMonster, 0, 0, 1, "", 2000, 20000},
    {"drainHp", 29, kContextWeapon, 0, 0, 0, "", 200, 2000},
    {"spellOnWandUnscaledLevel", 31, kContextWand, 10, 0, 0, "base_fireball", 40, 66},
    {"spellOnWandAtSkill40", 31, kContextWand, 10, 40, 0, "base_fireball", 80, 133},
    {"spellOnScrollAtSkill40", 31, kContextScroll, 1, 40, 0, "base_fireball", 8, 13},
    {"unscaledSpellIgnoresSkill", 31, kContextWand, 10, 40, 0, "base_recall", 60, 100},
    {"spellbookFourfold", 31, kContextSpellbook, 1, 0, 0, "base_fireball", 4, 40},
    {"spellbookIgnoresSkill", 31, kContextSpellbook, 1, 40, 0, "base_fireball", 4, 40},
    {"monsterSpellIgnoresSkill", 31, kContextMonster, 1, 40, 0, "base_fireball", 4, 10},
    {"unknownSpell", 31, kContextWand, 10, 0, 0, "base_nothing", kUnchanged, kUnchanged},
    {"infectDisease", 32, kContextWeapon, 130, 0, 0, "Plague", 100, 1000},
    {"infectUnknownDisease", 32, kContextWeapon, 130, 0, 0, "Pox", kUnchanged, kUnchanged},
    {"resistDiseases", 33, kContextArmour, 110, 0, 0, "", 150, 2000},
    {"resistSpell", 34, kContextAccessory, 140, 0, 0, "base_fireball", 250, 400},
    {"fortifySpell", 35, kContextAccessory, 130, 0, 0, "base_fireball", 250, 350},
    {"fortifyMagic", 36, kContextAccessory, 110, 0, 0, "", 250, 2000},
    {"fortifyMelee", 38, kContextAccessory, 90, 0, 0, "", 250, 2000},
    {"magicImmunity", 39, kContextSpell, 0, 0, 0, "", 400, 1000},
    {"crush", 40, kContextSpell, 0, 0, 0, "", 300, 800},
    {"calm", 41, kContextSpell, 0, 0, 0, "", 200, 600},
    {"mark", 46, kContextSpell, 0, 0, 0, "", 100, 500},
    {"unlock", 45, kContextSpell, 0, 0, 0, "", 100, 400},
    {"rechargeWand", 49, kContextSpell, 0, 0, 0, "", 300, 2000},
    {"enchant", 51, kContextSpell, 0, 0, 0, "", 400, 3000},
    {"createFood", 52, kContextSpell, 0, 0, 0, "", 100, 200},
    {"levelDrops", 53, kContextMonster, 0, 0, 0, "", 1000, 1000},
    {"restoreFullManaOnPotion", 55, kContextPotion, 3, 0, 0, "", 3, 12},
    {"permanentAttributeOnPotion", 56, kContextPotion, 2, 0, 0, "", 8, 13},
    {"alcoholic", 57, kContextPotion, 130, 0, 0, "", 30, 20},
    {"fortifyOutfitNegative", 58, kContextArmour, -3, 0, 0, "", 45, 300},
    {"createWallHasNoCost", 37, kContextSpell, 5, 0, 0, "", kUnchanged, kUnchanged},
    {"typeNone", 0, kContextArmour, 5, 0, 0, "", kUnchanged, kUnchanged},
    {"typePastTheLast", 59, kContextArmour, 5, 0, 0, "", kUnchanged, kUnchanged},
};
// clang-format on

SEffect entry(uint8_t type, int16_t m, int16_t skillLevel, uint8_t radius, const char* target) {
    SEffect effect;
    effect.m_type = type;
    effect.m_baseMagnitude = m;
    effect.m_magnitudePerLevel = skillLevel;
    effect.m_radius = radius;
    effect.m_target.Assign(target);
    return effect;
}

TEST(EnchantCostTest, storageAndPriceOfEveryType) {
    const EffectWorld world;
    for (const CostCase& c : kCostCases) {
        SCOPED_TRACE(c.name);
        int32_t storage = kUnchanged;
        int32_t price = kUnchanged;
        entry(c.type, c.m, c.skillLevel, c.radius, c.target).GetEnchantCost(world.lookups, c.context, storage, price);
        EXPECT_EQ(storage, c.storage);
        EXPECT_EQ(price, c.price);
    }
}

TEST(EnchantCostTest, aStrikeOnAnArrowCostsHalfWhatItCostsOnASword) {
    const EffectWorld world;
    const SEffect poison = entry(26, 0, 0, 1, "");
    int32_t storage = 0, swordPrice = 0, arrowPrice = 0;
    poison.GetEnchantCost(world.lookups, kContextWeapon, storage, swordPrice);
    poison.GetEnchantCost(world.lookups, kContextThrown, storage, arrowPrice);
    EXPECT_EQ(arrowPrice * 2, swordPrice);
}

TEST(EnchantCostTest, hugeMagnitudesSaturateInsteadOfWrapping) {
    const EffectWorld world;
    int32_t storage = 0, price = 0;
    entry(23, 32767, 0, 255, "Goblin").GetEnchantCost(world.lookups, kContextWeapon, storage, price);
    EXPECT_EQ(storage, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(price, std::numeric_limits<int32_t>::max());
}

TEST(EnchantCostTest, listsAddTheirEntriesAndIngredientsCostNothing) {
    const EffectWorld world;
    const auto list = ListOf(ItemEffect(1, 5, 1), ItemEffect(15, 150), ItemEffect(17, 150, 0, "Pox"));
    int32_t storage = kUnchanged, price = kUnchanged;
    list->GetEnchantCost(world.lookups, kContextArmour, storage, price);
    // The unknown disease adds nothing.
    EXPECT_EQ(storage, 75 + 500);
    EXPECT_EQ(price, 500 + 5000);
    list->GetEnchantCost(world.lookups, kContextIngredient, storage, price);
    EXPECT_EQ(storage, 0);
    EXPECT_EQ(price, 0);
    SEffectList().GetEnchantCost(world.lookups, kContextArmour, storage, price);
    EXPECT_EQ(storage, 0);
    EXPECT_EQ(price, 0);
}

// Light costs 90 to cast: 45 x 10 charges, two thirds of it on a wand, is 300 for a full wand.
std::unique_ptr<SEffectList> wandOf(const char* spell, int16_t fullCharges) {
    return ListOf(ItemEffect(31, fullCharges, 0, spell, kSourceSpellCharge));
}

TEST(WandValueTest, aWandIsWorthItsPriceSharedOverItsCharges) {
    const EffectWorld world;
    struct Case {
        const char* spell;
        int16_t full;
        uint32_t charges, value;
    };
    const Case cases[] = {
        {"base_light", 10, 10, 300}, {"base_light", 10, 5, 150},         {"base_light", 10, 1, 30},
        {"base_light", 10, 0, 0},    {"base_light", 10, 65535, 1966050}, {"base_light", 3, 2, 60},
        {"base_light", 0, 7, 0},     {"base_nothing", 10, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.spell) + " " + std::to_string(c.full) + " " + std::to_string(c.charges));
        EXPECT_EQ(wandOf(c.spell, c.full)->GetWandValue(world.lookups, c.charges), c.value);
    }
    EXPECT_EQ(SEffectList().GetWandValue(world.lookups, 5), 0u);
}

TEST(WandValueTest, anItemsPriceCountsTheChargesLeft) {
    const EffectWorld world;
    const SEffectWandPricing pricing(world.lookups);
    auto wand = MakeItemType("wand_light", kItemMagic, kMagicWand, "Light");
    wand->m_baseValue = 100;
    wand->m_effects = wandOf("base_light", 10);
    SItem item(*wand);
    item.m_amount = 5;
    EXPECT_EQ(wand->GetValue(&item, pricing), 100u + 150u);
    item.m_amount = 10;
    EXPECT_EQ(wand->GetValue(&item, pricing), 100u + 300u);
}

}  // namespace

}  // namespace enchant_cost_test
