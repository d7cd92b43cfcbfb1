#pragma once
// SActiveEffects: the player's active effects in one list per player effect type, with the sums
// the character rules read, merging of repeated effects, and their expiry.
#include <array>
#include <cstdint>
#include <vector>

#include "data/player/active_effect.h"

class SActiveEffects {
public:
    // The sum a type contributes: magnitudes for the Fortify and Poison types (per skill or
    // attribute for types 1 and 2), folded percentages for the resistances (per name for Resist
    // disease and the spell types), 1 or 0 for the presence types. Found is set when an entry counts.
    int32_t Total(uint32_t type, uint32_t subId = 0, const char* name = nullptr, bool* found = nullptr) const;
    bool Has(uint32_t type) const { return type < kPlayerEffectTypes && !m_lists[type].empty(); }
    SActiveEffect* Find(uint32_t type, const void* source, uint32_t subId, const char* name);
    const std::vector<SActiveEffect>& List(uint32_t type) const {
        return m_lists[type < kPlayerEffectTypes ? type : 0];
    }

    // An effect of a kind that has a player effect type. The same cause already listed is
    // strengthened instead: a larger magnitude replaces magnitude and duration, an equal one with
    // a longer duration extends it.
    void Add(uint8_t origin, const void* source, int32_t magnitude, uint32_t minutes, uint32_t kind, uint32_t subId,
             const char* name);
    // An entry of its own, never merged.
    void Append(SActiveEffect effect);

    // Counts down the timed entries; those that run out go. True when a Paralysis ran out.
    bool PassTime(int32_t minutes);
    // The timed entries of the kind's type go. True when there were any.
    bool RemoveTimed(uint32_t kind);
    void RemoveByOrigin(uint8_t origin);
    void Clear();
    // Every timed effect except Fortify skill, Detect secrets, Alcoholic and Poison goes.
    void Dispel();

private:
    std::array<std::vector<SActiveEffect>, kPlayerEffectTypes> m_lists;
};
