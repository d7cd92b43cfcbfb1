// The player's hit points and mana with their maxima, resistances, carrying capacity and prices.
#include <algorithm>
#include <cstdlib>

#include "data/player/player.h"
#include "data/rules/character_ids.h"

namespace {

int32_t Percent(int32_t value, int32_t maximum) {
    if (maximum <= 0) return 0;
    return int32_t(std::min<int64_t>(int64_t(value) * 100 / maximum, 100));
}

}  // namespace

int32_t SPlayer::GetMaxHp() const {
    bool changed = false;
    return GetMaxHpForDisplay(changed);
}

int32_t SPlayer::GetMaxHpForDisplay(bool& changed) const {
    const uint32_t fortify = IsUndead() ? kPlayerFortifyUnholy : kPlayerFortifyHp;
    const int32_t bonus = m_effects.Total(fortify, 0, nullptr, &changed);
    changed |= Drunkenness() != 0;
    return GetAttribute(kEndurance) * 4 + bonus;
}

int32_t SPlayer::GetHpPercent() const { return Percent(m_hp, GetMaxHp()); }

int32_t SPlayer::GetMaxMana() const {
    bool changed = false;
    return GetMaxManaForDisplay(changed);
}

int32_t SPlayer::GetMaxManaForDisplay(bool& changed) const {
    const int32_t bonus = m_effects.Total(kPlayerFortifyMana, 0, nullptr, &changed);
    changed |= Drunkenness() != 0;
    return GetAttribute(kIntelligence) * 5 + bonus;
}

int32_t SPlayer::GetManaPercent() const { return Percent(m_mana, GetMaxMana()); }

int32_t SPlayer::changeVital(int16_t& value, int32_t maximum, int32_t delta) {
    if (delta < 0) {
        // Never below 0, so that a large blow reaches death exactly.
        if (value < -int64_t(delta)) {
            const int32_t change = -value;
            value = 0;
            return change;
        }
        value = int16_t(value + delta);
        return delta;
    }
    if (value >= maximum) return delta;
    const int32_t raised = int32_t(std::min<int64_t>(int64_t(value) + delta, maximum));
    const int32_t change = raised - value;
    value = int16_t(raised);
    return change;
}

void SPlayer::announceVital(const char* what, int32_t change) const {
    SString text;
    text.Format("Your %s has been %s by %ld.", what, change < 0 ? "decreased" : "increased", long(std::abs(change)));
    show(text.Text());
}

void SPlayer::refreshHpBar() const {
    if (m_screen) m_screen->SetHpBar(GetHpPercent());
}

void SPlayer::refreshManaBar() const {
    if (m_screen) m_screen->SetManaBar(GetManaPercent());
}

void SPlayer::ChangeHp(int32_t delta, bool announce) {
    const int32_t change = changeVital(m_hp, GetMaxHp(), delta);
    if (announce) announceVital("hp", change);
    refreshHpBar();
}

void SPlayer::SetHp(int32_t value, bool announce) {
    m_hp = int16_t(std::clamp<int32_t>(value, 0, INT16_MAX));
    if (announce) {
        SString text;
        text.Format("Your hp is %ld.", long(m_hp));
        show(text.Text());
    }
    refreshHpBar();
}

void SPlayer::SetFullHp(bool announce) {
    const int32_t maximum = GetMaxHp();
    if (m_hp < maximum) m_hp = int16_t(std::min<int32_t>(maximum, INT16_MAX));
    if (announce) show("Your full health has been restored.");
    refreshHpBar();
}

void SPlayer::ChangeMana(int32_t delta, bool announce) {
    const int32_t change = changeVital(m_mana, GetMaxMana(), delta);
    if (announce) announceVital("mana", change);
    refreshManaBar();
}

void SPlayer::SetMana(int32_t value, bool announce) {
    m_mana = int16_t(std::clamp<int32_t>(value, 0, INT16_MAX));
    if (announce) {
        SString text;
        text.Format("Your mana is %ld.", long(m_mana));
        show(text.Text());
    }
    refreshManaBar();
}

void SPlayer::RestoreFullMana(bool announce) {
    const int32_t maximum = GetMaxMana();
    if (m_mana < maximum) m_mana = int16_t(std::min<int32_t>(maximum, INT16_MAX));
    if (announce) show("Your full mana has been restored.");
    refreshManaBar();
}

int32_t SPlayer::resistanceOf(int32_t base, uint32_t type, const char* name, bool& changed) const {
    const int32_t bonus = m_effects.Total(type, 0, name, &changed);
    changed |= Drunkenness() != 0;
    return std::min(base + bonus, 100);
}

int32_t SPlayer::GetDiseaseResistance(bool& changed, int32_t& base) const {
    base = GetAttribute(kEndurance) / 2;
    return resistanceOf(base, kPlayerResistDiseases, nullptr, changed);
}

int32_t SPlayer::GetDiseaseResistance() const {
    bool changed = false;
    int32_t base = 0;
    return GetDiseaseResistance(changed, base);
}

int32_t SPlayer::GetDiseaseResistanceFor(const char* disease, bool& changed, int32_t& base) const {
    base = GetAttribute(kEndurance) / 2;
    const int32_t named = base + m_effects.Total(kPlayerResistDisease, 0, disease, &changed);
    bool generalChanged = false;
    int32_t generalBase = 0;
    const int32_t general = GetDiseaseResistance(generalChanged, generalBase);
    changed |= generalChanged;
    return std::max(named, general);
}

int32_t SPlayer::GetDiseaseResistanceFor(const char* disease) const {
    bool changed = false;
    int32_t base = 0;
    return GetDiseaseResistanceFor(disease, changed, base);
}

int32_t SPlayer::GetParalysisResistance(bool& changed, int32_t& base) const {
    base = GetAttribute(kEndurance) / 5 + GetAttribute(kPersonality) / 5 + GetAttribute(kIntelligence) / 5;
    return resistanceOf(base, kPlayerResistParalysis, nullptr, changed);
}

int32_t SPlayer::GetParalysisResistance() const {
    bool changed = false;
    int32_t base = 0;
    return GetParalysisResistance(changed, base);
}

int32_t SPlayer::GetPoisonResistance(bool& changed, int32_t& base) const {
    base = GetAttribute(kEndurance) / 2;
    return resistanceOf(base, kPlayerResistPoison, nullptr, changed);
}

int32_t SPlayer::GetPoisonResistance() const {
    bool changed = false;
    int32_t base = 0;
    return GetPoisonResistance(changed, base);
}

int32_t SPlayer::GetMagicResistance(bool& changed, int32_t& base) const {
    base = GetAttribute(kIntelligence) / 2;
    return resistanceOf(base, kPlayerResistMagic, nullptr, changed);
}

int32_t SPlayer::GetMagicResistance() const {
    bool changed = false;
    int32_t base = 0;
    return GetMagicResistance(changed, base);
}

int32_t SPlayer::GetMaxCarryWeight() const {
    const int32_t strength = GetAttribute(kStrength);
    const int32_t dexterity = GetAttribute(kDexterity);
    const int32_t endurance = GetAttribute(kEndurance);
    return (strength * 5 + (dexterity + endurance * 2) * 2 + m_effects.Total(kPlayerFeather)) * 100;
}

uint32_t SPlayer::AdjustPrice(uint32_t price, bool lower) const {
    // The skill values already hold their Fortify skill effects; counting them twice would let one
    // ring pay twice.
    const int64_t p = (int64_t(GetSkillValue(kSkillPersuade)) / 2 + int64_t(GetSkillValue(kSkillMercantile)) * 2 +
                       GetAttribute(kPersonality)) /
                      7;
    const int64_t change = p * int64_t(price) / 100;
    const int64_t adjusted = lower ? int64_t(price) - change : int64_t(price) + change;
    return uint32_t(std::clamp<int64_t>(adjusted, 0, UINT32_MAX));
}
