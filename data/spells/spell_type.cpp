#include "data/spells/spell_type.h"

#include <algorithm>
#include <limits>

#include "data/effects/effect_list.h"
#include "data/effects/effect_rules.h"
#include "data/effects/effect_types.h"
#include "data/rules/character_ids.h"
#include "data/rules/undead.h"
#include "data/spells/spell_schools.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kSpellTypeRecordTag = 4;
constexpr int kTexts7And8From = 27;
constexpr int kSpellTypeDroppedTextUntil = 50;
constexpr int kText9From = 52;
// Skill ids from 1 to this one exist.

int32_t saturated(int64_t value) {
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// What an hp effect of magnitude m takes from the creature, which turns it against itself.
int64_t vitalDamage(const SEffect& effect, int64_t m, const SSpellTarget& creature) {
    const int64_t hp = creature.HitPoints();
    switch (VitalOutcome(effect.Type(), creature.CreatureClass() == kUndeadClass)) {
        case SVitalOutcome::Harm: return m;
        case SVitalOutcome::HarmToOne: return hp - 1;
        case SVitalOutcome::HarmKeepingOne: return std::min(m, hp - 1);
        case SVitalOutcome::None:
        case SVitalOutcome::Heal:
        case SVitalOutcome::HealFully:
        case SVitalOutcome::Fortify: break;
    }
    return 0;
}

// What one effect of magnitude m takes from the creature, before its resistance; the effects
// that need to know the creature take nothing without one.
int64_t effectDamage(const SEffect& effect, int32_t m, const SSpellTarget* creature) {
    switch (effect.Type()) {
        case kEffectDamageAll:
        case kEffectPoison:
        case kEffectDrainHp:
        case kEffectCrush: return m;
        case kEffectRestoreHp:
        case kEffectRestoreFullHp:
        case kEffectFortifyHp:
        case kEffectRestoreUnholy:
        case kEffectRestoreFullUnholy:
        case kEffectFortifyUnholy: return creature ? vitalDamage(effect, m, *creature) : 0;
        case kEffectDamageBase: return creature && effect.m_target.Equals(creature->BaseTypeName()) ? m : 0;
        case kEffectDamageType: return creature && effect.m_subTarget == creature->CreatureClass() ? m : 0;
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
        case kEffectCurse:
        case kEffectParalyze:
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
    return 0;
}

}  // namespace

int32_t SSpellType::GetCost(const SSpellSchools& schools, const SSpellCaster& caster) const {
    const uint32_t skill = schools.Skill(m_school);
    if (skill < 1 || skill > kLastSkill) return m_baseCost;
    const bool undead = caster.Race() == kUndeadRace;
    if ((undead && skill == schools.Skill(kSchoolHeal)) || (!undead && skill == schools.Skill(kSchoolUndead)))
        return m_baseCost;
    const int64_t level = int64_t(caster.SkillValue(skill)) + caster.FortifySkillTotal(skill);
    // A skill drained below zero lowers the cost; it never turns into mana gained.
    return saturated(std::max<int64_t>(0, m_baseCost + m_costPercent * level / 100));
}

bool SSpellType::HasScaledEffect() const {
    for (int i = 0; i < m_effects.Count(); ++i)
        if (!HasFixedOutcome(m_effects[i]->m_type)) return true;
    return false;
}

bool SSpellType::HasAreaEffect() const {
    for (int i = 0; i < m_effects.Count(); ++i)
        if (m_effects[i]->m_radius > 0) return true;
    return false;
}

bool SSpellType::IsOffensive() const {
    for (int i = 0; i < m_effects.Count(); ++i)
        if (m_effects[i]->IsHostile()) return true;
    return false;
}

int32_t SSpellType::DamageAgainst(int32_t level, const SSpellTarget* creature) const {
    int64_t total = 0;
    for (int i = 0; i < m_effects.Count(); ++i)
        total += effectDamage(*m_effects[i], m_effects[i]->GetMagnitude(level), creature);
    if (creature == nullptr) return saturated(total);
    const int64_t resistance = std::clamp<int32_t>(creature->MagicResistance(), -100, 100);
    return saturated(Resisted(total, resistance));
}

void SSpellType::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kSpellTypeRecordTag);
    m_name.Serialize(archive);
    archive.SerializeSString(m_displayName);
    archive.SerializeSString(m_description);
    archive.SerializeSString(m_strikeEffect);
    // The cast effect's name follows the strike effect's palette in the record.
    archive.SerializeSString(m_strikePalette);
    archive.SerializeSString(m_castEffect);
    archive.SerializeSString(m_castPalette);
    if (version >= kTexts7And8From) {
        archive.SerializeSString(m_text7);
        archive.SerializeSString(m_castSound);
    }
    if (version <= kSpellTypeDroppedTextUntil) {
        const char* dropped = nullptr;
        archive.SerializeCStr(dropped);
    }
    archive.SerializeU16(m_value);
    archive.SerializeU16(m_baseCost);
    archive.SerializeU16(m_costPercent);
    if (!archive.IsWriting()) m_effects.DeleteAll();
    m_effects.SerializeList(archive, version, ListOrder::Appended);
    archive.SerializeU8(m_school);
    archive.SerializeU8(m_targetKind);
    archive.SerializeU8(m_valueA);
    archive.SerializeU8(m_valueB);
    if (version >= kText9From) archive.SerializeSString(m_text9);
}

std::string SSpellType::Fault() const {
    if (m_school >= kSpellSchoolCount)
        return "school " + std::to_string(m_school) + " is not one of 0.." + std::to_string(kSpellSchoolCount - 1);
    return EffectsFault(m_effects);
}
