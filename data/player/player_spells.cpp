// The spells the player knows, per school, and the school the player's race cannot learn.
#include <algorithm>

#include "data/player/player.h"
#include "data/spells/spell_table.h"

bool SPlayer::IsSchoolAllowed(const SSpellType& spell) const {
    const uint8_t barred = IsUndead() ? kSchoolHeal : kSchoolUndead;
    return spell.m_school != barred && spell.m_school < kSpellSchoolCount;
}

bool SPlayer::KnowsSpell(const SSpellType& spell) const {
    if (spell.m_school >= kSpellSchoolCount) return false;
    const std::vector<const SSpellType*>& school = m_knownSpells[spell.m_school];
    return std::find(school.begin(), school.end(), &spell) != school.end();
}

bool SPlayer::IsSpellAllowedForRace(const char* name) const {
    const SSpellType* spell = m_rules.spells ? m_rules.spells->FindSpell(name) : nullptr;
    return spell && IsSchoolAllowed(*spell);
}

void SPlayer::LearnSpell(const char* name, bool announce) {
    const SSpellType* spell = m_rules.spells ? m_rules.spells->FindSpell(name) : nullptr;
    if (spell == nullptr) return;
    SString text;
    if (!IsSchoolAllowed(*spell)) {
        if (!announce) return;
        text.Format("You can't learn the %s spell.", spell->m_displayName.Text());
        show(text.Text());
        return;
    }
    if (KnowsSpell(*spell)) return;
    m_knownSpells[spell->m_school].push_back(spell);
    if (!announce) return;
    text.Format("You have received the %s knowledge.", spell->m_displayName.Text());
    show(text.Text());
}

void SPlayer::ForgetSpell(const char* name) {
    const SSpellType* spell = m_rules.spells ? m_rules.spells->FindSpell(name) : nullptr;
    if (spell == nullptr || !KnowsSpell(*spell)) return;
    std::vector<const SSpellType*>& school = m_knownSpells[spell->m_school];
    school.erase(std::find(school.begin(), school.end(), spell));
    SString text;
    text.Format("You have lost the %s knowledge.", spell->m_displayName.Text());
    show(text.Text());
}

bool SPlayer::KnowsSpellByName(const char* name) const {
    const SSpellType* spell = m_rules.spells ? m_rules.spells->FindSpell(name) : nullptr;
    return spell && KnowsSpell(*spell);
}

bool SPlayer::KnowsAnySpell() const {
    for (uint8_t school = kSchoolHeal; school <= kSchoolEnvironment; ++school)
        if (!m_knownSpells[school].empty()) return true;
    return false;
}

const std::vector<const SSpellType*>& SPlayer::KnownSpells(int school) const {
    static const std::vector<const SSpellType*> none;
    return school >= 0 && school < kSpellSchoolCount ? m_knownSpells[size_t(school)] : none;
}

void SPlayer::CastSpellByName(const char* name, int32_t value) {
    const SSpellType* spell = m_rules.spells ? m_rules.spells->FindSpell(name) : nullptr;
    if (spell && KnowsSpell(*spell) && m_screen) m_screen->QueueSpellMissile(*spell, value);
}
