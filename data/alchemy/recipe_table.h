#pragma once
// SRecipeTable: the alchemy recipes of the world data, and which of them a choice of ingredients
// satisfies.
#include <array>
#include <cstdint>
#include <vector>

#include "data/alchemy/recipe.h"
#include "data/tables/record_table.h"
#include "engine/base/string.h"

class SItemDatabase;
class SItemType;

// One recipe the ingredients satisfy.
struct SRecipeMatch {
    // The potion's display name, or "? Unknown" while the brewer's Alchemy is too low to tell.
    SString text;
    const SRecipe* recipe = nullptr;
    bool hidden = false;
    // Per recipe slot, the ingredient that satisfied it; null for an unused slot.
    std::array<const SItemType*, 3> ingredients{};
};

class SRecipeTable : public SRecordTable<SRecipe> {
public:
    // Every recipe, in table order, whose used slots the ingredients' effects satisfy (null
    // ingredients and ingredients without effects take no part), each slot by an effect of its own,
    // and whose potion type exists. An effect that is an ingredient's second hides the result below
    // Alchemy 30, its third below 60; the slot matched last decides.
    std::vector<SRecipeMatch> FindMatching(int32_t alchemy, const SItemType* a, const SItemType* b, const SItemType* c,
                                           const SItemDatabase& items) const;
};
