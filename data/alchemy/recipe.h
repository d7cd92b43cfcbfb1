#pragma once
// SRecipe: how to brew a potion: the effects up to three ingredients must carry, the potion item
// type it makes, and how the potion's strength grows with the brewer's Alchemy.
#include <array>
#include <cstdint>
#include <memory>

#include "data/package/module_load_order.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;
class SItem;
class SItemDatabase;
class SRandom;

// What one ingredient must carry.
struct SRecipeSlot {
    uint8_t effectType = 0;  // 0: the slot is not used
    uint8_t subTarget = 0;   // the skill or attribute, for Fortify skill and Fortify attribute
    SString target;          // the disease, for Resist disease
};

class SRecipe {
public:
    static constexpr uint8_t kChunkTag = 14;
    static constexpr SModuleTable kTable = SModuleTable::Recipes;

    // Texts are read as copies of their own.
    SRecipe() { m_name.SetOwned(); }
    SRecipe(const SRecipe&) = delete;
    SRecipe& operator=(const SRecipe&) = delete;

    const SName& NameKey() const { return m_name; }

    // A new item of the potion type. A potion type with effects gives it its own copy, whose first
    // effect takes the strength for the Alchemy value: magnitude base + per skill x Alchemy / 100
    // and the duration likewise, by the effect's type. Null when the database lacks the potion
    // type.
    std::unique_ptr<SItem> CreatePotion(const SItemDatabase& items, int32_t alchemy, SRandom& random) const;

    // Tag 15, the name, each slot's effect type, sub-target and target, the potion's name, four
    // aligned i16 and the level.
    void Serialize(SArchive& archive, int version);

    SName m_name;
    std::array<SRecipeSlot, 3> m_slots;
    SString m_potion;  // the item type it makes
    int16_t m_magnitudeBase = 0;
    int16_t m_magnitudePerSkill = 0;
    int16_t m_durationBase = 0;
    int16_t m_durationPerSkill = 0;
    uint8_t m_level = 0;  // the Alchemy a brewer needs to be sure of the potion
};
