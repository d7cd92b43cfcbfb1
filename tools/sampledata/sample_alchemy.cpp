#include "tools/sampledata/sample_alchemy.h"

#include <initializer_list>
#include <memory>

#include "data/alchemy/recipe_table.h"
#include "data/effects/effect.h"
#include "data/effects/effect_list.h"
#include "data/items/item_database.h"
#include "engine/packages/record_list.h"
#include "tools/sampledata/sample_package.h"

namespace {

constexpr uint8_t kRestoreUnholy = 6;
constexpr uint8_t kRestoreMana = 9;
// How much a herb or a bought potion restores.
constexpr int16_t kHerbMagnitude = 3;
constexpr int16_t kPotionMagnitude = 15;

struct SCarrier {
    const char* item;
    std::initializer_list<uint8_t> effects;  // the first counts most: later ones hide from a novice
};

const SCarrier kHerbs[] = {
    {"base_alc_powerberries", {kEffectRestoreHp}},
    {"base_alc_alkieberries", {kEffectRestoreHp, kRestoreMana}},
    {"base_alc_ladyslipper", {kRestoreMana}},
    {"base_alc_criminivulgaris", {kRestoreMana, kRestoreUnholy}},
    {"base_alc_moonshinemushies", {kRestoreUnholy, kEffectRestoreHp}},
    {"base_alc_purplefairyring", {kRestoreUnholy}},
};

const SCarrier kPotions[] = {
    {"base_phealsmall", {kEffectRestoreHp}},
    {"base_pmanasmall", {kRestoreMana}},
    {"base_punholysmall", {kRestoreUnholy}},
};

// A recipe: the effects of its slots, the potion and the Alchemy a brewer needs to be sure of it.
// The potion's strength grows by a tenth of the brewer's Alchemy.
struct SSampleRecipe {
    const char* name;
    std::initializer_list<uint8_t> slots;
    const char* potion;
    uint8_t level;
};

const SSampleRecipe kRecipes[] = {
    {"base_rec_healsmall", {kEffectRestoreHp}, "base_phealsmall", 0},
    {"base_rec_manasmall", {kRestoreMana}, "base_pmanasmall", 5},
    {"base_rec_unholysmall", {kRestoreUnholy, kEffectRestoreHp}, "base_punholysmall", 15},
};
constexpr int16_t kBrewedMagnitude = 10;
constexpr int16_t kBrewedPerSkill = 10;

void giveEffects(SItemDatabase& items, const SCarrier& carrier, int16_t magnitude) {
    SItemType* type = items.FindItemType(carrier.item);
    if (type == nullptr) return;
    auto list = std::make_unique<SEffectList>();
    for (uint8_t kind : carrier.effects) {
        auto effect = std::make_unique<SEffect>();
        effect->m_type = kind;
        effect->m_baseMagnitude = magnitude;
        effect->m_source = kSourceOnUse;
        list->Add(std::move(effect));
    }
    type->m_effects = std::move(list);
}

}  // namespace

void AddAlchemyEffects(SItemDatabase& items) {
    for (const SCarrier& herb : kHerbs) giveEffects(items, herb, kHerbMagnitude);
    for (const SCarrier& potion : kPotions) giveEffects(items, potion, kPotionMagnitude);
}

void AddAlchemyRecipes(SSamplePackage& world) {
    SRecipeTable recipes;
    for (const SSampleRecipe& sample : kRecipes) {
        auto recipe = std::make_unique<SRecipe>();
        recipe->m_name.Set(sample.name);
        size_t slot = 0;
        for (uint8_t kind : sample.slots) recipe->m_slots[slot++].effectType = kind;
        recipe->m_potion.Assign(sample.potion);
        recipe->m_magnitudeBase = kBrewedMagnitude;
        recipe->m_magnitudePerSkill = kBrewedPerSkill;
        recipe->m_level = sample.level;
        recipes.Add(std::move(recipe));
    }
    world.tables[SModuleTable::Recipes] =
        WriteOneRecord([&](SArchive& archive) { recipes.Write(archive, world.version); });
}
