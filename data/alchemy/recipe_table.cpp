#include "data/alchemy/recipe_table.h"

#include <algorithm>
#include <utility>

#include "data/items/item_database.h"

namespace {

// The Alchemy a brewer needs to know an ingredient's second and third effect.
constexpr int32_t kSecondEffectAlchemy = 30;
constexpr int32_t kThirdEffectAlchemy = 60;

// An effect of an ingredient: (ingredient, entry).
using SEffectPlace = std::pair<size_t, int>;

// Fills the match's ingredients and hidden flag; false when a used slot finds no effect.
bool satisfies(const SRecipe& recipe, const std::vector<const SItemType*>& ingredients, int32_t alchemy,
               SRecipeMatch& match) {
    std::vector<SEffectPlace> used;
    auto claim = [&](const SRecipeSlot& slot, size_t slotIndex) {
        for (size_t i = 0; i < ingredients.size(); ++i) {
            const SEffectList& effects = *ingredients[i]->m_effects;
            for (int e = 0; e < effects.Count(); ++e) {
                const SEffectPlace place{i, e};
                if (std::find(used.begin(), used.end(), place) != used.end()) continue;
                if (!effects.Get(e)->Matches(slot.effectType, slot.subTarget, slot.target.Text())) continue;
                used.push_back(place);
                match.ingredients[slotIndex] = ingredients[i];
                match.hidden = (e == 1 && alchemy < kSecondEffectAlchemy) || (e == 2 && alchemy < kThirdEffectAlchemy);
                return true;
            }
        }
        return false;
    };
    for (size_t s = 0; s < recipe.m_slots.size(); ++s)
        if (recipe.m_slots[s].effectType != 0 && !claim(recipe.m_slots[s], s)) return false;
    return true;
}

}  // namespace

std::vector<SRecipeMatch> SRecipeTable::FindMatching(int32_t alchemy, const SItemType* a, const SItemType* b,
                                                     const SItemType* c, const SItemDatabase& items) const {
    std::vector<const SItemType*> ingredients;
    for (const SItemType* type : {a, b, c})
        if (type && type->m_effects && type->m_effects->Count() > 0) ingredients.push_back(type);
    std::vector<SRecipeMatch> matches;
    for (int r = 0; r < Count(); ++r) {
        const SRecipe& recipe = *At(r);
        SRecipeMatch match;
        if (!satisfies(recipe, ingredients, alchemy, match)) continue;
        const SItemType* potion = items.FindItemType(recipe.m_potion.Text());
        if (potion == nullptr) continue;
        match.recipe = &recipe;
        match.text.Assign(match.hidden ? "? Unknown" : potion->m_displayName.Text());
        matches.push_back(match);
    }
    return matches;
}
