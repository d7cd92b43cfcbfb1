#pragma once
// SEffectList: the effects of an item type, an item, a spell or a monster, with the gold value they
// add to an item's price.
#include <cstdint>
#include <memory>
#include <string>

#include "data/effects/effect.h"
#include "engine/base/ptr_array.h"

class SArchive;
class SSpellTable;
class SString;
struct SEffectLookups;

class SEffectList {
public:
    SEffectList() = default;
    SEffectList(const SEffectList&) = delete;
    SEffectList& operator=(const SEffectList&) = delete;

    void Add(std::unique_ptr<SEffect> effect) { m_entries.Add(effect.release(), ListOrder::Appended); }
    // Takes the entry at the index out of the list, to the caller; null outside the entries.
    std::unique_ptr<SEffect> Take(int index) { return std::unique_ptr<SEffect>(m_entries.RemoveAt(index)); }
    // Puts the entry back at the index, or at the end when the index lies past it.
    void Insert(int index, std::unique_ptr<SEffect> effect);
    // Null outside 0 .. count-1.
    SEffect* Get(int index) const { return m_entries.At(index); }
    int Count() const { return m_entries.Count(); }

    // The value and a copy of every entry of the other list, in place of this list's own.
    void Assign(const SEffectList& other);
    std::unique_ptr<SEffectList> Clone() const;
    // The same entries in the same order (identical items stack only then); false for no list.
    bool Equals(const SEffectList* other) const;
    bool Has(SEffectType type) const;
    bool HasPermanentAttribute() const { return Has(kEffectPermanentAttribute); }
    // Whether an entry charges its holder with a spell of the Undead school, which only the undead
    // race may use, or of the Heal school, which it may not.
    bool HasUndeadMagicSpell(const SSpellTable& spells) const;
    bool HasHealMagicSpell(const SSpellTable& spells) const;

    // Appends every entry's text (SEffect::Describe, both flags clear), separated by ", " when
    // `compact` is set and by "\r" otherwise. An ingredient shows at most three entries, and only
    // as many as the player's Alchemy has learned to tell: the second from 30, the third from 60;
    // the others read "Unknown effect".
    void Describe(const SEffectLookups& lookups, SEffectContext context, int32_t level, SString& out,
                  bool compact) const;
    // What all the entries cost together (SEffect::GetEnchantCost); an ingredient's cost nothing.
    void GetEnchantCost(const SEffectLookups& lookups, SEffectContext context, int32_t& storage, int32_t& price) const;
    // The gold a wand with this list is worth with that many charges left: its first entry's price
    // as a wand's, shared out over the full charges; 0 for an empty list.
    uint32_t GetWandValue(const SEffectLookups& lookups, uint32_t charges) const;

    // The package form (data version): tag 6, the aligned u32 value, before data version 84 an
    // unused u16, then the entries as an aligned u16 count and each entry's package form.
    // Reading replaces the entries.
    void Serialize(SArchive& archive, int version);
    // The saved-game form: the value and the entries in their saved form, without tags.
    void SerializeSaved(SArchive& archive);
    // The first entry's fault with its place ("effect 2: ..."), or empty.
    std::string Fault() const;

    uint32_t m_value = 0;  // gold added to the price of an item that carries the list

private:
    bool hasSpellOfSchool(const SSpellTable& spells, uint8_t school) const;

    SPtrArray<SEffect> m_entries{4};
};

// The first fault among a plain list of entries, with the entry's place, or empty.
std::string EffectsFault(const SPtrArray<SEffect>& effects);
