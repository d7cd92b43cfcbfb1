// The abilities and diseases the player holds: records of the world's tables whose effects act
// for as long as they are held, rebuilt whenever one comes or goes.
#include "data/player/player.h"

namespace {

SString Sentence(const char* format, const SEffectRecord& record) {
    SString text;
    text.Format(format, record.Title());
    return text;
}

}  // namespace

void SPlayer::AddAbility(const char* name, bool announce) {
    SAbility* ability = m_rules.abilities ? m_rules.abilities->Find(name) : nullptr;
    if (ability == nullptr || HasAbility(name)) return;
    m_abilities.Add(ability, ListOrder::Appended);
    ReapplyAbilities();
    if (announce) show(Sentence("You have gained the %s ability.", *ability).Text());
}

void SPlayer::RemoveAbility(const char* name) {
    SAbility* ability = m_abilities.FindByName(name);
    if (ability == nullptr) return;
    m_abilities.Remove(ability);
    ReapplyAbilities();
    show(Sentence("You have lost the %s ability.", *ability).Text());
}

bool SPlayer::HasAbility(const char* name) const { return m_abilities.FindByName(name) != nullptr; }

void SPlayer::ReapplyAbilities() {
    m_effects.RemoveByOrigin(kFromAbility);
    for (int i = 0; i < m_abilities.Count(); ++i) applyAbility(*m_abilities[i]);
}

void SPlayer::applyAbility(const SAbility& ability) {
    for (int i = 0; i < ability.m_effects.Count(); ++i) {
        const SEffect& effect = *ability.m_effects[i];
        // Learned without a word: no barred school, nothing twice.
        if (effect.m_type == kEffectCastSpell)
            LearnSpell(effect.m_target.Text(), false);
        else
            addLastingEffect(kFromAbility, &ability, effect);
    }
}

void SPlayer::InfectDisease(const char* name, bool announce) {
    SDisease* disease = m_rules.diseases ? m_rules.diseases->Find(name) : nullptr;
    if (disease == nullptr || m_diseases.FindByName(name) != nullptr) return;
    m_diseases.Add(disease, ListOrder::Appended);
    ReapplyDiseases();
    if (announce) show(Sentence("You have been infected by %s.", *disease).Text());
}

void SPlayer::CureDisease(const char* name, bool announce) {
    SDisease* disease = m_diseases.FindByName(name);
    if (disease == nullptr) return;
    m_diseases.Remove(disease);
    ReapplyDiseases();
    if (announce) show(Sentence("You have been cured of %s.", *disease).Text());
}

bool SPlayer::HasDisease(const char* name) const {
    if (name == nullptr || *name == '\0') return m_diseases.Count() > 0;
    return m_diseases.FindByName(name) != nullptr;
}

void SPlayer::ReapplyDiseases() {
    m_effects.RemoveByOrigin(kFromDisease);
    for (int i = 0; i < m_diseases.Count(); ++i) applyDisease(*m_diseases[i]);
}

void SPlayer::applyDisease(const SDisease& disease) {
    for (int i = 0; i < disease.m_effects.Count(); ++i) addLastingEffect(kFromDisease, &disease, *disease.m_effects[i]);
}

void SPlayer::GetFirstDiseaseTitle(SString& out) const {
    out.Assign(m_diseases.Count() > 0 ? m_diseases[0]->Title() : "");
}
