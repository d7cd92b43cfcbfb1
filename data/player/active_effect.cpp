#include "data/player/active_effect.h"

#include <algorithm>
#include <array>

#include "data/effects/effect_type.h"

namespace {

struct SKindType {
    SEffectType kind;
    SPlayerEffect type;
};

constexpr SKindType kKindTypes[] = {
    {kEffectFortifySkill, kPlayerFortifySkill},
    {kEffectFortifyAttribute, kPlayerFortifyAttribute},
    {kEffectFortifyHp, kPlayerFortifyHp},
    {kEffectFortifyUnholy, kPlayerFortifyUnholy},
    {kEffectFortifyMana, kPlayerFortifyMana},
    {kEffectFortifyAc, kPlayerFortifyAc},
    {kEffectResistPoison, kPlayerResistPoison},
    {kEffectResistParalysis, kPlayerResistParalysis},
    {kEffectResistDisease, kPlayerResistDisease},
    {kEffectFeather, kPlayerFeather},
    {kEffectResistMagic, kPlayerResistMagic},
    {kEffectResistDiseases, kPlayerResistDiseases},
    {kEffectResistSpell, kPlayerResistSpell},
    {kEffectFortifySpell, kPlayerFortifySpell},
    {kEffectFortifyMagic, kPlayerFortifyMagic},
    {kEffectFortifyMelee, kPlayerFortifyMelee},
    {kEffectMagicImmunity, kPlayerMagicImmunity},
    {kEffectDetectSecrets, kPlayerDetectSecrets},
    {kEffectAlcoholic, kPlayerAlcoholic},
    {kEffectFortifyOutfit, kPlayerFortifyOutfit},
    {kEffectParalyze, kPlayerParalysis},
    {kEffectCurse, kPlayerCurse},
    {kEffectPoison, kPlayerPoison},
};

constexpr std::array<const char*, kPlayerEffectTypes> kNames = {
    "",
    "Fortify skill",
    "Fortify attribute",
    "Fortify hp",
    "Fortify unholy",
    "Fortify mana",
    "Fortify ac",
    "Resist poison",
    "Resist paralysis",
    "Resist disease",
    "Feather",
    "Resist magic",
    "Resist diseases",
    "Resist spell",
    "Fortify spell",
    "Fortify magic",
    "Fortify melee",
    "Magic immunity",
    "Detect secrets",
    "Alcoholic",
    "Fortify outfit",
    "Paralysis",
    "Curse",
    "Poison",
};

}  // namespace

SPlayerEffect PlayerEffectOfKind(uint32_t kind) {
    for (const SKindType& entry : kKindTypes)
        if (entry.kind == kind) return entry.type;
    return kNoPlayerEffect;
}

const char* PlayerEffectName(uint32_t type) { return type < kNames.size() ? kNames[type] : ""; }

int32_t FoldPercent(int32_t value) {
    if (value < -100) return value + 100;
    if (value > 100) return value - 100;
    return value;
}

uint8_t SActiveEffect::StoredDuration(uint32_t minutes) {
    // A wrapped byte would turn a long effect into a permanent one, or a short one.
    return minutes == 0 ? 0 : uint8_t(std::min(minutes, kMaxMinutes) + 1);
}

bool SActiveEffect::SameCause(const void* otherSource, uint32_t otherSubId, const char* otherName) const {
    return source == otherSource && subId == otherSubId && name == (otherName ? otherName : "");
}
