#include "data/player/active_effect.h"

#include <algorithm>
#include <array>

namespace {

struct SKindType {
    uint8_t kind;
    SPlayerEffect type;
};

constexpr SKindType kKindTypes[] = {
    {1, kPlayerFortifySkill},   {2, kPlayerFortifyAttribute}, {5, kPlayerFortifyHp},     {8, kPlayerFortifyUnholy},
    {10, kPlayerFortifyMana},   {11, kPlayerFortifyAc},       {15, kPlayerResistPoison}, {16, kPlayerResistParalysis},
    {17, kPlayerResistDisease}, {20, kPlayerFeather},         {22, kPlayerResistMagic},  {33, kPlayerResistDiseases},
    {34, kPlayerResistSpell},   {35, kPlayerFortifySpell},    {36, kPlayerFortifyMagic}, {38, kPlayerFortifyMelee},
    {39, kPlayerMagicImmunity}, {42, kPlayerDetectSecrets},   {57, kPlayerAlcoholic},    {58, kPlayerFortifyOutfit},
    {28, kPlayerParalysis},     {27, kPlayerCurse},           {26, kPlayerPoison},
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
