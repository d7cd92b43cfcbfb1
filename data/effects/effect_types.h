#pragma once
// SEffectTypes: the names of the effect types, and per holder context the effect types an item of
// that context may be enchanted with, each with the one source kind it may have there.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "data/effects/effect.h"

// Effects that harm what they act on: the damage, poison, curse, paralysis and drain types, Infect
// disease, Crush and Level drops.
bool IsHostileEffect(int type);
// Effects whose outcome does not grow with the magnitude: full restores, cures, Dispel, Remove
// curse, Curse, Create wall, Calm, the place spells, Recharge wand, Create food.
bool HasFixedOutcome(int type);
// The timed effects a Dispel ends: every one that a player's list holds but Fortify skill, Detect
// secrets, Alcoholic and Poison.
bool IsDispelledEffect(int type);

struct SEffectPermission {
    uint8_t type;
    uint8_t source;
    bool operator==(const SEffectPermission&) const = default;
};

class SEffectTypes {
public:
    // A context's list never holds more types than this.
    static constexpr int kMaxPermissions = 49;

    // Builds the permission lists and the names; until then every list is empty and every name "".
    void Init();

    // "" outside 0..58.
    const char* Name(int type) const;
    // In ascending type order; empty outside the contexts.
    std::span<const SEffectPermission> Permissions(int context) const;

private:
    std::array<const char*, kEffectTypeCount> m_names{};
    std::array<std::vector<SEffectPermission>, kEffectContextCount> m_permissions;
};
