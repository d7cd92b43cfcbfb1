#include "data/effects/effect_rules.h"

#include <algorithm>

#include "engine/base/random.h"

namespace {

constexpr int64_t kCrushQuarterPercent = 25;

int64_t hpPercent(int64_t hp, int64_t most) { return most <= 0 ? 0 : std::clamp<int64_t>(hp * 100 / most, 0, 100); }

}  // namespace

SVitalOutcome VitalOutcome(SEffectType type, bool undead) {
    switch (type) {
        case kEffectRestoreHp: return undead ? SVitalOutcome::Harm : SVitalOutcome::Heal;
        case kEffectRestoreUnholy: return undead ? SVitalOutcome::Heal : SVitalOutcome::Harm;
        case kEffectRestoreFullHp: return undead ? SVitalOutcome::HarmToOne : SVitalOutcome::HealFully;
        case kEffectRestoreFullUnholy: return undead ? SVitalOutcome::HealFully : SVitalOutcome::HarmToOne;
        case kEffectFortifyHp: return undead ? SVitalOutcome::HarmKeepingOne : SVitalOutcome::Fortify;
        case kEffectFortifyUnholy: return undead ? SVitalOutcome::Fortify : SVitalOutcome::HarmKeepingOne;
        case kEffectNone:
        case kEffectFortifySkill:
        case kEffectFortifyAttribute:
        case kEffectRestoreMana:
        case kEffectFortifyMana:
        case kEffectFortifyAc:
        case kEffectCurePoison:
        case kEffectCureParalysis:
        case kEffectCureDisease:
        case kEffectResistPoison:
        case kEffectResistParalysis:
        case kEffectResistDisease:
        case kEffectResistNormalWeapons:
        case kEffectDispel:
        case kEffectFeather:
        case kEffectRemoveCurse:
        case kEffectResistMagic:
        case kEffectDamageBase:
        case kEffectDamageType:
        case kEffectDamageAll:
        case kEffectPoison:
        case kEffectCurse:
        case kEffectParalyze:
        case kEffectDrainHp:
        case kEffectDrainSp:
        case kEffectCastSpell:
        case kEffectInfectDisease:
        case kEffectResistDiseases:
        case kEffectResistSpell:
        case kEffectFortifySpell:
        case kEffectFortifyMagic:
        case kEffectCreateWall:
        case kEffectFortifyMelee:
        case kEffectMagicImmunity:
        case kEffectCrush:
        case kEffectCalm:
        case kEffectDetectSecrets:
        case kEffectDetectMind:
        case kEffectDisarm:
        case kEffectUnlock:
        case kEffectMark:
        case kEffectRecall:
        case kEffectTownPortal:
        case kEffectRechargeWand:
        case kEffectEnchant:
        case kEffectEnchantToo:
        case kEffectCreateFood:
        case kEffectLevelDrops:
        case kEffectRevealMap:
        case kEffectRestoreFullMana:
        case kEffectPermanentAttribute:
        case kEffectAlcoholic:
        case kEffectFortifyOutfit: break;
    }
    return SVitalOutcome::None;
}

bool CrushFinishes(int32_t hp, int32_t most, SCrushMeasure measure, SRandom* random) {
    const int64_t percent = hpPercent(hp, most);
    const bool weak = measure == SCrushMeasure::Exact ? int64_t(hp) * 100 <= int64_t(most) * kCrushQuarterPercent
                                                      : percent <= kCrushQuarterPercent;
    return weak && random && random->Next(100) > 3 * percent;
}
