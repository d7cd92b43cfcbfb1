#pragma once
// SSpellType: one spell of the world data: its names, the effects it shows and plays, its mana
// cost, its school and range, and the effects it has on what it strikes.
#include <cstdint>
#include <string>

#include "data/effects/effect.h"
#include "data/package/module_load_order.h"
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;
class SSpellSchools;

// What a spell's cost depends on in the one who casts it.
class SSpellCaster {
public:
    virtual ~SSpellCaster() = default;
    virtual int Race() const = 0;
    // The caster's own level in the skill, and what its active Fortify skill effects add to it.
    virtual int32_t SkillValue(uint32_t skill) const = 0;
    virtual int32_t FortifySkillTotal(uint32_t skill) const = 0;
};

// What a spell's damage depends on in the creature it strikes.
class SSpellTarget {
public:
    virtual ~SSpellTarget() = default;
    virtual int32_t HitPoints() const = 0;
    // The creature class: 1 humanoid, 2 creature, 3 undead.
    virtual uint8_t CreatureClass() const = 0;
    // The name of the monster kind it belongs to.
    virtual const char* BaseTypeName() const = 0;
    // -100..100 percent of a spell's damage that it shrugs off.
    virtual int32_t MagicResistance() const = 0;
};

// Where a spell reaches.
enum SSpellTargetKind : uint8_t {
    kTargetSelf = 1,
    kTargetTouch = 2,   // the target stands next to the caster
    kTargetRanged = 3,  // the target stands in the caster's row or column
};

class SSpellType {
public:
    static constexpr SModuleTable kTable = SModuleTable::Spells;

    SSpellType() { m_name.SetOwned(); }
    SSpellType(const SSpellType&) = delete;
    SSpellType& operator=(const SSpellType&) = delete;

    const SName& NameKey() const { return m_name; }

    // The mana the caster pays: the base cost, raised by the cost percent of the caster's skill in
    // the school (its own level and its Fortify skill effects). Spells of a school without a skill,
    // and Heal or Undead spells cast by a race that cannot learn them, cost the base cost. Never
    // below 0.
    int32_t GetCost(const SSpellSchools& schools, const SSpellCaster& caster) const;
    // Whether an effect's outcome grows with its magnitude, which full restores, cures, Dispel,
    // Remove curse, Curse, Create wall, Calm, Mark, Recall, Town portal, Recharge wand, Create food
    // and Restore full mana do not.
    bool HasScaledEffect() const;
    // Whether an effect strikes the cells around its target.
    bool HasAreaEffect() const;
    // Whether an effect harms what it strikes.
    bool IsOffensive() const;
    // The hit points the spell, cast at this level, takes from the creature after its magic
    // resistance; restoring effects hurt the creatures they do not suit (the living or the undead).
    // Without a creature, only the effects that need no target count, unresisted.
    int32_t DamageAgainst(int32_t level, const SSpellTarget* creature) const;

    // Tag 4; the name, the display name and texts 2 to 6; texts 7 and 8 from data version 27;
    // before 51 a text that is read and dropped; the value, base cost and cost percent; the effects
    // as an aligned u16 count and each effect's package form; school, target kind and two bytes;
    // from data version 52 text 9.
    void Serialize(SArchive& archive, int version);
    // A school that does not exist, or a damaged effect.
    std::string Fault() const;

    SName m_name;
    SString m_displayName;  // shown as in "You learn the %s spell."
    SString m_description;
    SString m_strikeEffect;  // the spell effect shown where the spell strikes
    SString m_castEffect;    // the spell effect shown when the player casts it
    SString m_strikePalette;
    SString m_castPalette;
    SString m_castSound;  // played by a cast that shows no effect
    // Read and written back for the screens that show spells, which give them their meaning.
    SString m_text7;
    SString m_text9;
    uint16_t m_value = 0;
    uint16_t m_baseCost = 0;
    uint16_t m_costPercent = 0;  // of the caster's skill in the school
    SPtrArray<SEffect> m_effects{4};
    uint8_t m_school = 3;
    uint8_t m_targetKind = kTargetRanged;  // other values than the three kinds set no range
    // Written back as read; the screens and the casting code give them their meaning.
    uint8_t m_valueA = 0;
    uint8_t m_valueB = 0;
};
