#pragma once
// SEffectTypes: the names of the effect types, and per holder context the effect types an item of
// that context may be enchanted with, each with the one source kind it may have there.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "data/effects/effect.h"

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
