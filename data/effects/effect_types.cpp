#include "data/effects/effect_types.h"

#include <initializer_list>
#include <iterator>

namespace {

// A context whose items may carry the type, with the source kind the type must have there.
struct SPermittedContext {
    uint8_t context;
    uint8_t source;
};

// What the rules read off a type besides its name.
enum SEffectTrait : uint8_t {
    kHostile = 1,       // harms what it acts on
    kFixedOutcome = 2,  // does the same whatever its magnitude
    kDispelled = 4,     // a timed entry of it ends with a Dispel
};

struct SEffectTypeRow {
    SEffectType type;
    const char* name;
    int traits;
    std::initializer_list<SPermittedContext> permitted;
};

// One row per effect type, in the order of their numbers; the permission lists are read off it
// column by column.
// clang-format off
constexpr SEffectTypeRow kTypes[] = {
    {kEffectNone, "", 0, {}},
    {kEffectFortifySkill, "Fortify skill", 0, {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {8, 3}, {9, 3}, {13, 3}, {14, 3}, {16, 3}}},
    {kEffectFortifyAttribute, "Fortify attribute", kDispelled, {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {kEffectRestoreHp, "Restore hp", 0, {{5, 4}, {6, 4}, {7, 4}}},
    {kEffectRestoreFullHp, "Restore full hp", kFixedOutcome, {{5, 4}, {6, 4}}},
    {kEffectFortifyHp, "Fortify hp", kDispelled, {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {kEffectRestoreUnholy, "Restore unholy", 0, {{5, 4}, {6, 4}, {7, 4}}},
    {kEffectRestoreFullUnholy, "Restore full unholy", kFixedOutcome, {{5, 4}, {6, 4}}},
    {kEffectFortifyUnholy, "Fortify unholy", kDispelled, {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {kEffectRestoreMana, "Restore mana", 0, {{6, 4}, {7, 4}}},
    {kEffectFortifyMana, "Fortify mana", kDispelled, {{2, 3}, {3, 3}, {4, 3}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {kEffectFortifyAc, "Fortify ac", kDispelled, {{2, 3}, {3, 3}, {4, 3}, {5, 4}, {8, 3}, {9, 3}, {14, 3}, {16, 3}}},
    {kEffectCurePoison, "Cure poison", kFixedOutcome, {{5, 4}, {6, 4}}},
    {kEffectCureParalysis, "Cure paralysis", kFixedOutcome, {{5, 4}, {6, 4}}},
    {kEffectCureDisease, "Cure disease", kFixedOutcome, {{5, 4}, {6, 4}}},
    {kEffectResistPoison, "Resist poison", kDispelled, {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {kEffectResistParalysis, "Resist paralysis", kDispelled, {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {kEffectResistDisease, "Resist disease", kDispelled, {{2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}}},
    {kEffectResistNormalWeapons, "Resist normal weapons", 0, {{1, 3}}},
    {kEffectDispel, "Dispel", kFixedOutcome, {{5, 4}, {6, 4}, {7, 4}}},
    {kEffectFeather, "Feather", kDispelled, {{2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}}},
    {kEffectRemoveCurse, "Remove curse", kFixedOutcome, {{5, 4}}},
    {kEffectResistMagic, "Resist magic", kDispelled, {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {kEffectDamageBase, "Damage base", kHostile, {{3, 1}, {5, 4}, {15, 1}}},
    {kEffectDamageType, "Damage type", kHostile, {{3, 1}, {5, 4}, {15, 1}}},
    {kEffectDamageAll, "Damage all", kHostile, {{3, 1}, {5, 4}, {15, 1}}},
    {kEffectPoison, "Poison", kHostile, {{1, 1}, {3, 1}, {5, 4}, {6, 4}, {7, 4}, {14, 1}, {15, 1}}},
    {kEffectCurse, "Curse", kHostile | kFixedOutcome | kDispelled, {{1, 1}, {3, 1}, {5, 4}, {14, 1}, {15, 1}}},
    {kEffectParalyze, "Paralyze", kHostile | kDispelled, {{1, 1}, {5, 4}, {15, 1}}},
    {kEffectDrainHp, "Drain hp", kHostile, {{1, 1}, {3, 1}, {5, 4}, {14, 1}}},
    {kEffectDrainSp, "Drain sp", kHostile, {{1, 1}, {3, 1}, {5, 4}, {14, 1}}},
    {kEffectCastSpell, "Cast spell", 0, {{1, 2}, {8, 2}, {10, 2}, {11, 2}, {12, 2}}},
    {kEffectInfectDisease, "Infect disease", kHostile, {{1, 1}, {3, 1}, {5, 4}, {14, 1}, {15, 1}}},
    {kEffectResistDiseases, "Resist diseases", kDispelled, {{1, 3}, {2, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}}},
    {kEffectResistSpell, "Resist spell", kDispelled, {{8, 3}, {9, 3}}},
    {kEffectFortifySpell, "Fortify spell", kDispelled, {{8, 3}, {9, 3}}},
    {kEffectFortifyMagic, "Fortify magic", kDispelled, {{1, 3}, {4, 3}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {kEffectCreateWall, "Create wall", kFixedOutcome, {}},
    {kEffectFortifyMelee, "Fortify melee", kDispelled, {{1, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 3}, {9, 3}, {14, 3}}},
    {kEffectMagicImmunity, "Magic immunity", kDispelled, {{5, 4}}},
    {kEffectCrush, "Crush", kHostile, {{5, 4}}},
    {kEffectCalm, "Calm", kFixedOutcome, {{5, 4}}},
    {kEffectDetectSecrets, "Detect secrets", 0, {}},
    {kEffectDetectMind, "Detect mind", 0, {{5, 4}}},
    {kEffectDisarm, "Disarm", 0, {{5, 4}}},
    {kEffectUnlock, "Unlock", 0, {{5, 4}}},
    {kEffectMark, "Mark", kFixedOutcome, {{5, 4}}},
    {kEffectRecall, "Recall", kFixedOutcome, {{5, 4}}},
    {kEffectTownPortal, "Town portal", kFixedOutcome, {{5, 4}}},
    {kEffectRechargeWand, "Recharge wand", kFixedOutcome, {{5, 4}}},
    {kEffectEnchant, "Enchant", 0, {{5, 4}}},
    {kEffectEnchantToo, "Enchant", 0, {}},
    {kEffectCreateFood, "Create food", kFixedOutcome, {{5, 4}}},
    {kEffectLevelDrops, "Level drops", kHostile, {{1, 1}, {5, 4}}},
    {kEffectRevealMap, "Reveal map", 0, {}},
    {kEffectRestoreFullMana, "Restore full mana", kFixedOutcome, {{6, 4}}},
    {kEffectPermanentAttribute, "Permanent attribute", 0, {{6, 4}}},
    {kEffectAlcoholic, "Alcoholic", 0, {{6, 4}, {7, 4}}},
    {kEffectFortifyOutfit, "Fortify outfit", kDispelled, {{2, 3}, {3, 3}, {4, 3}, {14, 3}, {16, 3}}},
};
// clang-format on
static_assert(std::size(kTypes) == kEffectTypeCount, "every effect type has a row");

constexpr bool rowsInTypeOrder() {
    for (int type = 0; type < kEffectTypeCount; ++type)
        if (kTypes[type].type != type) return false;
    return true;
}
static_assert(rowsInTypeOrder(), "the row of each type sits at its number");

bool hasTrait(int type, int trait) { return type >= 0 && type < kEffectTypeCount && (kTypes[type].traits & trait); }

}  // namespace

bool IsHostileEffect(int type) { return hasTrait(type, kHostile); }

bool HasFixedOutcome(int type) { return hasTrait(type, kFixedOutcome); }

bool IsDispelledEffect(int type) { return hasTrait(type, kDispelled); }

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
