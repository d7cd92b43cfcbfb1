#pragma once
// SEffect: one magical or special property: what a potion restores, what a sword does on a hit,
// what a ring fortifies, which spell a wand casts. Items, spells, diseases, abilities, monsters and
// the player's active effects all hold lists of them.
#include <cstdint>
#include <string>

#include "data/effects/effect_type.h"
#include "engine/base/string.h"

class SArchive;
class SString;
struct SEffectLookups;

// How an effect reaches what it acts on.
enum SEffectSource : uint8_t {
    kSourceNone,
    kSourceStrike,       // on the opponent when a weapon or monster hits
    kSourceSpellCharge,  // the holder casts or teaches the named spell
    kSourceConstant,     // while worn, or always for abilities and diseases
    kSourceOnUse,        // once, when the holder is used
};
constexpr uint8_t kLastEffectSource = kSourceOnUse;

// The kind of holder an effect list belongs to, which decides the effects an item may be given and
// how descriptions and prices read them.
enum SEffectContext : uint8_t {
    kContextNone,
    kContextMonster,
    kContextArmour,
    kContextWeapon,
    kContextAccessory,
    kContextSpell,
    kContextPotion,
    kContextIngredient,
    kContextAbility,
    kContextDisease,
    kContextWand,
    kContextScroll,
    kContextSpellbook,
    kContextBook,
    kContextMagicStaff,
    kContextThrown,  // throwing weapons and ammunition
    kContextBow,
};
constexpr int kEffectContextCount = kContextBow + 1;

// The level a wand's effects are described at when it holds all its charges.
constexpr int32_t kFullWand = 65535;

class SEffect {
public:
    // A new entry for a holder of this context: its default source kind, Restore hp for potions
    // and Fortify skill otherwise, everything else 0.
    explicit SEffect(SEffectContext context = kContextNone);

    // Base + per level x level / 100, rounded toward zero.
    int32_t GetMagnitude(int32_t level) const;
    int32_t GetDuration(int32_t level) const;

    SEffectType Type() const { return SEffectType(m_type); }

    // Same source, type, sub-target, radius, numbers and target name (compared case-sensitively).
    bool Equals(const SEffect& other) const;
    // Whether the entry is of this type, for the same skill or attribute (types 1 and 2) or the
    // same disease (type 17).
    bool Matches(uint8_t type, uint8_t subTarget, const char* name) const;
    // Effects that harm what they act on: the damage, poison, curse, paralysis and drain types,
    // Infect disease, Crush and Level drops.
    bool IsHostile() const;

    // The text the player reads for the entry on a holder of the context, in place of `out`'s;
    // empty for type 0, a type past 58 or a type that has no text there. The level is the
    // caster's skill for spells and the charges left for wands (kFullWand for a full one).
    // `shortLabel` picks the short wording of narrow screens, `compact` the shortest one.
    void Describe(const SEffectLookups& lookups, SEffectContext context, int32_t level, SString& out, bool shortLabel,
                  bool compact) const;
    // The enchant capacity the entry fills and the gold it adds on a holder of the context. Both
    // are left as they were for a type that has no cost or a named spell, disease or monster kind
    // the tables lack.
    void GetEnchantCost(const SEffectLookups& lookups, SEffectContext context, int32_t& storage, int32_t& price) const;

    // The package form (data version): tag 5, target name, four aligned i16, sub-target, source
    // kind, type, and from data version 25 the radius.
    void Serialize(SArchive& archive, int version);
    // The saved-game form: no tag, and the radius always.
    void SerializeSaved(SArchive& archive);
    // What makes an entry read from outside bytes unusable, or empty: a type or source kind that
    // does not exist.
    std::string Fault() const;

    // Names a spell (Cast spell, Resist spell, Fortify spell), a disease (Cure, Resist and Infect
    // disease) or a monster kind (Damage base); empty when the type needs none.
    SString m_target;
    int16_t m_baseMagnitude = 0;
    int16_t m_magnitudePerLevel = 0;  // hundredths per level of the caster or item
    int16_t m_baseDuration = 0;       // turns
    int16_t m_durationPerLevel = 0;   // hundredths of a turn per level
    uint8_t m_radius = 0;             // cells around the target an area effect strikes
    // The skill (type 1), the attribute (types 2 and 56) or the creature class (type 24).
    uint8_t m_subTarget = 0;
    uint8_t m_source = kSourceNone;
    uint8_t m_type = kEffectNone;

private:
    void serializeFields(SArchive& archive, bool withRadius);
};
