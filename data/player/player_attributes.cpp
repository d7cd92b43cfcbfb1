// The player's attributes and skills: their values with effects and drunkenness, use counters,
// raising and changes.
#include <algorithm>
#include <cstring>
#include <string>

#include "data/player/player.h"
#include "data/rules/attribute_table.h"
#include "data/rules/character_ids.h"
#include "data/rules/skill_table.h"

namespace {

constexpr uint16_t kMaxUseCount = 255;
constexpr int32_t kMaxAttributeChange = 10;

}  // namespace

int32_t SPlayer::Drunkenness() const {
    int32_t drunkenness = 0;
    for (const SActiveEffect& effect : m_effects.List(kPlayerAlcoholic)) drunkenness += effect.magnitude - 100;
    return drunkenness;
}

bool SPlayer::IsHeavilyDrunk() const {
    const int32_t endurance = m_attributes[kEndurance] + m_effects.Total(kPlayerFortifyAttribute, kEndurance);
    return Drunkenness() > 2 * std::max(endurance, 1);
}

uint32_t SPlayer::BaseAttribute(uint32_t attribute) const {
    return attribute >= 1 && attribute <= kLastAttribute ? m_attributes[attribute] : 0;
}

uint32_t SPlayer::AttributeAllowance(uint32_t attribute) const {
    return attribute < kAttributeCount ? m_attributeAllowance[attribute] : 0;
}

int32_t SPlayer::GetAttribute(uint32_t attribute, bool& changed, uint32_t& base, bool withDrunkenness) const {
    changed = false;
    base = BaseAttribute(attribute);
    if (attribute < 1 || attribute > kLastAttribute) return 0;
    const int32_t bonus = m_effects.Total(kPlayerFortifyAttribute, attribute, nullptr, &changed);
    int32_t change = 0;
    if (withDrunkenness) {
        changed = true;
        const int32_t drunkenness = Drunkenness();
        if (drunkenness != 0) {
            const bool strengthens = attribute == kStrength || attribute == kEndurance;
            const bool heavily = IsHeavilyDrunk();
            if (strengthens)
                change = (heavily ? drunkenness / 8 : drunkenness / 10) + 1;
            else
                change = -(heavily ? drunkenness / 5 : drunkenness / 10) - 1;
        }
    }
    return std::max<int32_t>(int32_t(base) + bonus + change, 1);
}

int32_t SPlayer::GetAttribute(uint32_t attribute) const {
    bool changed = false;
    uint32_t base = 0;
    return GetAttribute(attribute, changed, base, true);
}

int SPlayer::GetAttributeByName(const char* text) const {
    return m_rules.attributes && text ? m_rules.attributes->Find(text) : 0;
}

void SPlayer::RaiseAttribute(uint32_t attribute) {
    if (attribute < 1 || attribute > kLastAttribute) return;
    --m_attributePoints;
    ++m_attributes[attribute];
    --m_attributeAllowance[attribute];
}

void SPlayer::TakeBackAttributeRaises(uint32_t attribute, uint32_t count) {
    if (attribute < 1 || attribute > kLastAttribute) return;
    m_attributes[attribute] = uint16_t(m_attributes[attribute] - count);
    m_attributeAllowance[attribute] = uint16_t(m_attributeAllowance[attribute] + count);
}

void SPlayer::ReturnAttributePoints(uint32_t points) { m_attributePoints = uint16_t(m_attributePoints + points); }

void SPlayer::AddAttributeValue(uint32_t attribute, int32_t delta, bool announce) {
    if (attribute < 1 || attribute > kLastAttribute) return;
    const int32_t value = m_attributes[attribute];
    delta = std::clamp(delta, -kMaxAttributeChange, kMaxAttributeChange);
    // A loss never takes the attribute below 1.
    delta = std::max(delta, 1 - value);
    if (delta > 0) delta = std::min(delta, int32_t(UINT16_MAX) - value);
    m_attributes[attribute] = uint16_t(value + delta);
    if (delta == 0 || !announce) return;
    const char* name = m_rules.attributes ? m_rules.attributes->FullName(int(attribute)) : nullptr;
    announceChange(name ? name : "", delta);
}

void SPlayer::AddAttributeValue(const char* name, int32_t delta, bool announce) {
    AddAttributeValue(uint32_t(GetAttributeByName(name)), delta, announce);
}

int32_t SPlayer::SkillValue(uint32_t skill) const { return isUsableSkill(skill) ? m_skills[skill] : 0; }

int32_t SPlayer::FortifySkillTotal(uint32_t skill) const {
    return isUsableSkill(skill) ? m_effects.Total(kPlayerFortifySkill, skill) : 0;
}

int32_t SPlayer::GetSkillValue(uint32_t skill) const { return SkillValue(skill) + FortifySkillTotal(skill); }

int32_t SPlayer::GetSkillTotal(uint32_t skill, int32_t& bonus, int32_t& base) const {
    base = SkillValue(skill);
    bonus = FortifySkillTotal(skill);
    return base + bonus;
}

int SPlayer::GetSkillByName(const char* text) const { return m_rules.skills && text ? m_rules.skills->Find(text) : 0; }

void SPlayer::CountSkillUse(uint32_t skill) {
    if (isUsableSkill(skill) && m_useCounters[skill] < kMaxUseCount) ++m_useCounters[skill];
}

bool SPlayer::CanRaiseSkill(uint32_t skill) const {
    if (!isUsableSkill(skill) || m_rules.skills == nullptr) return false;
    const SSkillDef* def = m_rules.skills->Entry(int(skill));
    return def != nullptr && m_skills[skill] < 2 * BaseAttribute(def->attribute);
}

bool SPlayer::IsMajorSkill(uint32_t skill) const {
    return skill != 0 && std::find(m_majorSkills.begin(), m_majorSkills.end(), skill) != m_majorSkills.end();
}

uint32_t SPlayer::RaiseSkill(uint32_t skill) {
    if (!isUsableSkill(skill)) return 0;
    const uint32_t cost = IsMajorSkill(skill) ? 1 : 2;
    ++m_skills[skill];
    --m_skillAllowance[skill];
    m_skillPoints = uint16_t(m_skillPoints - cost);
    return cost;
}

void SPlayer::TakeBackSkillRaises(uint32_t skill, uint32_t count) {
    if (!isUsableSkill(skill)) return;
    m_skills[skill] = uint16_t(m_skills[skill] - count);
    m_skillAllowance[skill] = uint16_t(m_skillAllowance[skill] + count);
}

void SPlayer::ReturnSkillPoints(uint32_t points) { m_skillPoints = uint16_t(m_skillPoints + points); }

void SPlayer::ImproveMostUsedSkills(uint32_t& first, uint32_t& second, uint32_t& third) {
    struct SPlace {
        uint32_t count = 0;
        uint32_t skill = 0;
    };
    std::array<SPlace, 3> places{};
    for (uint32_t skill = 1; skill <= kLastSkill; ++skill) {
        if (!CanRaiseSkill(skill) || m_useCounters[skill] == 0) continue;
        const SPlace entry{m_useCounters[skill], skill};
        // Strictly more uses to pass a place, so that ties keep the lower skill first.
        const auto at = std::find_if(places.begin(), places.end(),
                                     [&entry](const SPlace& place) { return place.count < entry.count; });
        if (at == places.end()) continue;
        std::move_backward(at, places.end() - 1, places.end());
        *at = entry;
    }
    for (const SPlace& place : places) {
        if (place.skill == 0) continue;
        ++m_skills[place.skill];
        m_useCounters[place.skill] = 0;
    }
    first = places[0].skill;
    second = places[1].skill;
    third = places[2].skill;
}

void SPlayer::AddSkillValue(uint32_t skill, int32_t delta, bool announce) {
    if (!isUsableSkill(skill)) return;
    // The stored value cannot go below 0: a wrapped u16 would read as a master's skill.
    m_skills[skill] = uint16_t(std::clamp<int32_t>(m_skills[skill] + delta, 0, UINT16_MAX));
    if (!announce) return;
    const char* name = m_rules.skills ? m_rules.skills->Name(int(skill)) : nullptr;
    announceChange(std::string(name ? name : "") + " skill", delta);
}

void SPlayer::announceChange(const std::string& what, int32_t delta) const {
    SString text;
    text.Format("Your %s has been %s by %d.", what.c_str(), delta < 0 ? "decreased" : "increased",
                int(std::abs(delta)));
    show(text.Text());
}

void SPlayer::AddSkillValue(const char* name, int32_t delta, bool announce) {
    AddSkillValue(uint32_t(GetSkillByName(name)), delta, announce);
}

const char* SPlayer::GetHighestSkill(const char* list) const {
    if (list == nullptr || m_rules.skills == nullptr) return "";
    int32_t best = 0;
    int bestSkill = 0;
    const std::string all = list;
    size_t start = 0;
    while (start <= all.size()) {
        const size_t end = std::min(all.find(',', start), all.size());
        const int skill = GetSkillByName(all.substr(start, end - start).c_str());
        const int32_t value = GetSkillValue(uint32_t(skill));
        if (value > best) {
            best = value;
            bestSkill = skill;
        }
        start = end + 1;
    }
    const SSkillDef* def = m_rules.skills->Entry(bestSkill);
    return def ? def->id.Text() : "";
}
