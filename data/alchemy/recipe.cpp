#include "data/alchemy/recipe.h"

#include <algorithm>
#include <limits>

#include "data/items/item.h"
#include "data/items/item_database.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kRecordTag = 15;
// Percentages are stored 100 above what they mean.
constexpr int32_t kStoredPercent = 100;

enum class SBrewed { MagnitudeAndDuration, Magnitude, Nothing, Percentage, Unchanged };

// What the Alchemy value sets in a potion's effect of this type.
SBrewed brewed(SEffectType type) {
    switch (type) {
        case kEffectFortifyAttribute:
        case kEffectFortifyHp:
        case kEffectFortifyUnholy:
        case kEffectFortifyMana:
        case kEffectFeather: return SBrewed::MagnitudeAndDuration;
        case kEffectRestoreHp:
        case kEffectRestoreUnholy:
        case kEffectRestoreMana:
        case kEffectPoison:
        case kEffectPermanentAttribute:
        case kEffectAlcoholic: return SBrewed::Magnitude;
        case kEffectRestoreFullHp:
        case kEffectRestoreFullUnholy:
        case kEffectCurePoison:
        case kEffectCureParalysis:
        case kEffectCureDisease:
        case kEffectDispel:
        case kEffectRestoreFullMana: return SBrewed::Nothing;
        case kEffectResistPoison:
        case kEffectResistParalysis:
        case kEffectResistDisease:
        case kEffectResistMagic:
        case kEffectResistDiseases:
        case kEffectFortifyMagic:
        case kEffectFortifyMelee: return SBrewed::Percentage;
        case kEffectNone:
        case kEffectFortifySkill:
        case kEffectFortifyAc:
        case kEffectResistNormalWeapons:
        case kEffectRemoveCurse:
        case kEffectDamageBase:
        case kEffectDamageType:
        case kEffectDamageAll:
        case kEffectCurse:
        case kEffectParalyze:
        case kEffectDrainHp:
        case kEffectDrainSp:
        case kEffectCastSpell:
        case kEffectInfectDisease:
        case kEffectResistSpell:
        case kEffectFortifySpell:
        case kEffectCreateWall:
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
        case kEffectFortifyOutfit: break;
    }
    return SBrewed::Unchanged;
}

// base + per skill x Alchemy / 100, plus the offset, kept within the i16 the effect stores.
int16_t atSkill(int16_t base, int16_t perSkill, int32_t alchemy, int32_t offset = 0) {
    const int64_t value = base + int64_t(perSkill) * alchemy / 100 + offset;
    return int16_t(
        std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

}  // namespace

std::unique_ptr<SItem> SRecipe::CreatePotion(const SItemDatabase& items, int32_t alchemy, SRandom& random) const {
    const SItemType* type = items.FindItemType(m_potion.Text());
    if (type == nullptr) return nullptr;
    auto potion = SItem::Create(*type, 0, random);
    if (type->m_effects == nullptr) return potion;
    potion->m_effects = type->m_effects->Clone();
    // A potion type whose list is empty has no effect to strengthen.
    SEffect* effect = potion->m_effects->Get(0);
    if (effect == nullptr) return potion;
    const int16_t magnitude = atSkill(m_magnitudeBase, m_magnitudePerSkill, alchemy);
    const int16_t duration = atSkill(m_durationBase, m_durationPerSkill, alchemy);
    switch (brewed(effect->Type())) {
        case SBrewed::MagnitudeAndDuration:
            effect->m_baseMagnitude = magnitude;
            effect->m_baseDuration = duration;
            break;
        case SBrewed::Magnitude:
            effect->m_baseMagnitude = magnitude;
            effect->m_baseDuration = 0;
            break;
        case SBrewed::Nothing:
            effect->m_baseMagnitude = 0;
            effect->m_baseDuration = 0;
            break;
        case SBrewed::Percentage:
            effect->m_baseMagnitude = atSkill(m_magnitudeBase, m_magnitudePerSkill, alchemy, kStoredPercent);
            effect->m_baseDuration = duration;
            break;
        case SBrewed::Unchanged: break;
    }
    return potion;
}

void SRecipe::Serialize(SArchive& archive, int) {
    archive.SerializeTag(kRecordTag);
    m_name.Serialize(archive);
    for (SRecipeSlot& slot : m_slots) {
        archive.SerializeU8(slot.effectType);
        archive.SerializeU8(slot.subTarget);
        archive.SerializeSString(slot.target);
    }
    archive.SerializeSString(m_potion);
    archive.SerializeI16(m_magnitudeBase);
    archive.SerializeI16(m_magnitudePerSkill);
    archive.SerializeI16(m_durationBase);
    archive.SerializeI16(m_durationPerSkill);
    archive.SerializeU8(m_level);
}
