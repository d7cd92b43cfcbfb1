#include "data/effects/effect_types.h"

#include <initializer_list>

namespace {

// A context whose items may carry the type, with the source kind the type must have there.
struct SPermittedContext {
    uint8_t context;
    uint8_t source;
};

struct SEffectTypeRow {
    const char* name;
    std::initializer_list<SPermittedContext> permitted;
};

// One row per effect type 0..58; the permission lists are read off it column by column.
// clang-format off
const SEffectTypeRow kTypes[kEffectTypeCount] = {
    {"", {}},
    {"Fortify skill", {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {8, 3}, {9, 3}, {13, 3}, {14, 3}, {16, 3}}},
    {"Fortify attribute", {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {"Restore hp", {{5, 4}, {6, 4}, {7, 4}}},
    {"Restore full hp", {{5, 4}, {6, 4}}},
    {"Fortify hp", {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {"Restore unholy", {{5, 4}, {6, 4}, {7, 4}}},
    {"Restore full unholy", {{5, 4}, {6, 4}}},
    {"Fortify unholy", {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {"Restore mana", {{6, 4}, {7, 4}}},
    {"Fortify mana", {{2, 3}, {3, 3}, {4, 3}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {"Fortify ac", {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {"Cure poison", {{5, 4}, {6, 4}}},
    {"Cure paralysis", {{5, 4}, {6, 4}}},
    {"Cure disease", {{5, 4}, {6, 4}}},
    {"Resist poison", {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {"Resist paralysis", {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {"Resist disease", {{2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}}},
    {"Resist normal weapons", {{1, 3}}},
    {"Dispel", {{5, 4}, {6, 4}, {7, 4}}},
    {"Feather", {{2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}}},
    {"Remove curse", {{5, 4}}},
    {"Resist magic", {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {"Damage base", {{3, 1}, {5, 4}, {15, 1}}},
    {"Damage type", {{3, 1}, {5, 4}, {15, 1}}},
    {"Damage all", {{3, 1}, {5, 4}, {15, 1}}},
    {"Poison", {{1, 1}, {3, 1}, {5, 4}, {6, 4}, {7, 4}, {14, 1}, {15, 1}}},
    {"Curse", {{1, 1}, {3, 1}, {5, 4}, {14, 1}, {15, 1}}},
    {"Paralyze", {{1, 1}, {5, 4}, {15, 1}}},
    {"Drain hp", {{1, 1}, {3, 1}, {5, 4}, {14, 1}}},
    {"Drain sp", {{1, 1}, {3, 1}, {5, 4}, {14, 1}}},
    {"Cast spell", {{1, 2}, {8, 2}, {10, 2}, {11, 2}, {12, 2}}},
    {"Infect disease", {{1, 1}, {3, 1}, {5, 4}, {14, 1}, {15, 1}}},
    {"Resist diseases", {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}}},
    {"Resist spell", {{8, 3}, {9, 3}}},
    {"Fortify spell", {{8, 3}, {9, 3}}},
    {"Fortify magic", {{1, 3}, {4, 3}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {"Create wall", {}},
    {"Fortify melee", {{1, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {"Magic immunity", {{5, 4}}},
    {"Crush", {{5, 4}}},
    {"Calm", {{5, 4}}},
    {"Detect secrets", {}},
    {"Detect mind", {{5, 4}}},
    {"Disarm", {{5, 4}}},
    {"Unlock", {{5, 4}}},
    {"Mark", {{5, 4}}},
    {"Recall", {{5, 4}}},
    {"Town portal", {{5, 4}}},
    {"Recharge wand", {{5, 4}}},
    {"Enchant", {{5, 4}}},
    {"Enchant", {}},
    {"Create food", {{5, 4}}},
    {"Level drops", {{1, 1}, {5, 4}}},
    {"Reveal map", {}},
    {"Restore full mana", {{6, 4}}},
    {"Permanent attribute", {{6, 4}}},
    {"Alcoholic", {{6, 4}, {7, 4}}},
    {"Fortify outfit", {{2, 3}, {3, 3}, {4, 3}, {14, 3}, {16, 3}}},
};
// clang-format on

}  // namespace

void SEffectTypes::Init() {
    for (auto& list : m_permissions) list.clear();
    for (int type = 0; type < kEffectTypeCount; ++type) {
        m_names[type] = kTypes[type].name;
        for (SPermittedContext permitted : kTypes[type].permitted)
            m_permissions[permitted.context].push_back({uint8_t(type), permitted.source});
    }
}

const char* SEffectTypes::Name(int type) const {
    return type >= 0 && type < kEffectTypeCount && m_names[type] ? m_names[type] : "";
}

std::span<const SEffectPermission> SEffectTypes::Permissions(int context) const {
    if (context < 0 || context >= kEffectContextCount) return {};
    return m_permissions[context];
}
