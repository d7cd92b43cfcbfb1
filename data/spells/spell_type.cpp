#include "data/spells/spell_type.h"

#include <algorithm>
#include <limits>

#include "data/effects/effect_list.h"
#include "data/spells/spell_schools.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kRecordTag = 4;
constexpr int kTexts7And8From = 27;
constexpr int kDroppedTextUntil = 50;
constexpr int kText9From = 52;
// Skill ids from 1 to this one exist.
constexpr uint32_t kLastSkill = 20;
constexpr uint8_t kUndeadClass = 3;

// The effect types whose outcome does not grow with the magnitude.
bool isFixedOutcome(uint8_t type) {
    static constexpr uint8_t kFixed[] = {4, 7, 12, 13, 14, 19, 21, 27, 37, 41, 46, 47, 48, 49, 52, 55};
    return std::find(std::begin(kFixed), std::end(kFixed), type) != std::end(kFixed);
}

int32_t saturated(int64_t value) {
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// What one effect of magnitude m takes from the creature, before its resistance.
int64_t effectDamage(const SEffect& effect, int32_t m, const SSpellTarget* creature) {
    switch (effect.m_type) {
        case 25:  // Damage all
        case 26:  // Poison
        case 29:  // Drain hp
        case 40:  // Crush
            return m;
        default: break;
    }
    if (creature == nullptr) return 0;
    const int64_t hp = creature->HitPoints();
    const bool undead = creature->CreatureClass() == kUndeadClass;
    switch (effect.m_type) {
        case 3:  // Restore hp
            return undead ? m : 0;
        case 4:  // Restore full hp
            return undead ? hp - 1 : 0;
        case 5:  // Fortify hp
            return undead ? std::min<int64_t>(m, hp - 1) : 0;
        case 6:  // Restore unholy
            return undead ? 0 : m;
        case 7:  // Restore full unholy
            return undead ? 0 : hp - 1;
        case 8:  // Fortify unholy
            return undead ? 0 : std::min<int64_t>(m, hp - 1);
        case 23:  // Damage base
            return effect.m_target.Equals(creature->BaseTypeName()) ? m : 0;
        case 24:  // Damage type
            return effect.m_subTarget == creature->CreatureClass() ? m : 0;
        default: return 0;
    }
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
        if (!isFixedOutcome(m_effects[i]->m_type)) return true;
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
    return saturated(total - total * resistance / 100);
}

void SSpellType::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kRecordTag);
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
    if (version <= kDroppedTextUntil) {
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
