#pragma once
// SEffectType: every kind of effect, under the number packages and saved games store for it. The
// numbers are fixed by the stored data: a new kind takes the next free number, none is renumbered.
// Switches over it list every kind and have no default, so the compiler names a kind left out.
#include <cstdint>

enum SEffectType : uint8_t {
    kEffectNone = 0,
    kEffectFortifySkill = 1,
    kEffectFortifyAttribute = 2,
    kEffectRestoreHp = 3,
    kEffectRestoreFullHp = 4,
    kEffectFortifyHp = 5,
    kEffectRestoreUnholy = 6,
    kEffectRestoreFullUnholy = 7,
    kEffectFortifyUnholy = 8,
    kEffectRestoreMana = 9,
    kEffectFortifyMana = 10,
    kEffectFortifyAc = 11,
    kEffectCurePoison = 12,
    kEffectCureParalysis = 13,
    kEffectCureDisease = 14,
    kEffectResistPoison = 15,
    kEffectResistParalysis = 16,
    kEffectResistDisease = 17,  // one named disease
    kEffectResistNormalWeapons = 18,
    kEffectDispel = 19,
    kEffectFeather = 20,
    kEffectRemoveCurse = 21,
    kEffectResistMagic = 22,
    kEffectDamageBase = 23,  // against one monster kind, named
    kEffectDamageType = 24,  // against one creature class
    kEffectDamageAll = 25,
    kEffectPoison = 26,
    kEffectCurse = 27,
    kEffectParalyze = 28,
    kEffectDrainHp = 29,
    kEffectDrainSp = 30,
    kEffectCastSpell = 31,
    kEffectInfectDisease = 32,
    kEffectResistDiseases = 33,  // all diseases
    kEffectResistSpell = 34,
    kEffectFortifySpell = 35,
    kEffectFortifyMagic = 36,
    kEffectCreateWall = 37,
    kEffectFortifyMelee = 38,
    kEffectMagicImmunity = 39,
    kEffectCrush = 40,
    kEffectCalm = 41,
    kEffectDetectSecrets = 42,
    kEffectDetectMind = 43,
    kEffectDisarm = 44,
    kEffectUnlock = 45,
    kEffectMark = 46,
    kEffectRecall = 47,
    kEffectTownPortal = 48,
    kEffectRechargeWand = 49,
    kEffectEnchant = 50,
    kEffectEnchantToo = 51,  // a second number for Enchant, read and acted on alike
    kEffectCreateFood = 52,
    kEffectLevelDrops = 53,
    kEffectRevealMap = 54,
    kEffectRestoreFullMana = 55,
    kEffectPermanentAttribute = 56,
    kEffectAlcoholic = 57,
    kEffectFortifyOutfit = 58,
};
constexpr int kEffectTypeCount = kEffectFortifyOutfit + 1;
