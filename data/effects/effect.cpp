#include "data/effects/effect.h"

#include "data/effects/effect_types.h"
#include "engine/base/archive.h"
#include "engine/base/c_string.h"

namespace {

constexpr uint8_t kEntryTag = 5;
// Package records before this data version end each entry at its type byte.
constexpr int kRadiusFrom = 25;

// The source kind a new entry of each context starts with.
constexpr uint8_t kDefaultSource[kEffectContextCount] = {
    kSourceNone,        kSourceConstant, kSourceConstant, kSourceConstant, kSourceConstant,    kSourceOnUse,
    kSourceOnUse,       kSourceOnUse,    kSourceConstant, kSourceConstant, kSourceSpellCharge, kSourceSpellCharge,
    kSourceSpellCharge, kSourceConstant, kSourceConstant, kSourceStrike,   kSourceConstant,
};

// The two enchantment spells of early packages became one.
void renameMergedSpells(SString& target) {
    if (target.Equals("base_spellenchantweapon") || target.Equals("base_spellenchantarmor"))
        target.Assign("base_spellenchant");
}

int32_t atLevel(int16_t base, int16_t perLevel, int32_t level) {
    return int32_t(base + int64_t(perLevel) * level / 100);
}

}  // namespace

SEffect::SEffect(SEffectContext context)
    : m_source(context < kEffectContextCount ? kDefaultSource[context] : uint8_t(kSourceNone)),
      m_type(uint8_t(context == kContextPotion ? kEffectRestoreHp : kEffectFortifySkill)) {}

int32_t SEffect::GetMagnitude(int32_t level) const { return atLevel(m_baseMagnitude, m_magnitudePerLevel, level); }

int32_t SEffect::GetDuration(int32_t level) const { return atLevel(m_baseDuration, m_durationPerLevel, level); }

bool SEffect::Equals(const SEffect& other) const {
    return m_source == other.m_source && m_type == other.m_type && m_subTarget == other.m_subTarget &&
           m_radius == other.m_radius && m_baseMagnitude == other.m_baseMagnitude &&
           m_magnitudePerLevel == other.m_magnitudePerLevel && m_baseDuration == other.m_baseDuration &&
           m_durationPerLevel == other.m_durationPerLevel && StrCmp(m_target.Text(), other.m_target.Text()) == 0;
}

bool SEffect::Matches(uint8_t type, uint8_t subTarget, const char* name) const {
    if (type != m_type) return false;
    if (type == kEffectFortifySkill || type == kEffectFortifyAttribute) return subTarget == m_subTarget;
    if (type == kEffectResistDisease) return StrCmp(name ? name : "", m_target.Text()) == 0;
    return true;
}

bool SEffect::IsHostile() const { return IsHostileEffect(m_type); }

void SEffect::serializeFields(SArchive& archive, bool withRadius) {
    archive.SerializeSString(m_target);
    archive.SerializeI16(m_baseMagnitude);
    archive.SerializeI16(m_magnitudePerLevel);
    archive.SerializeI16(m_baseDuration);
    archive.SerializeI16(m_durationPerLevel);
    archive.SerializeU8(m_subTarget);
    archive.SerializeU8(m_source);
    archive.SerializeU8(m_type);
    if (withRadius) archive.SerializeU8(m_radius);
}

void SEffect::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kEntryTag);
    serializeFields(archive, version >= kRadiusFrom);
    if (!archive.IsWriting()) renameMergedSpells(m_target);
}

void SEffect::SerializeSaved(SArchive& archive) { serializeFields(archive, true); }

std::string SEffect::Fault() const {
    if (m_type >= kEffectTypeCount)
        return "effect type " + std::to_string(m_type) + " is not one of 0.." + std::to_string(kEffectTypeCount - 1);
    if (m_source > kLastEffectSource)
        return "source kind " + std::to_string(m_source) + " is not one of 0.." + std::to_string(kLastEffectSource);
    return {};
}
