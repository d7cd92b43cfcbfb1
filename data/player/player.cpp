// The player's record: construction, the new-game defaults and the accessors.
#include "data/player/player.h"

#include "data/package/module_list.h"
#include "data/player/experience_table.h"
#include "data/rules/race_table.h"

namespace {

// The world whose new games this code sets up; other worlds set up their own player.
constexpr const char* kBaseWorld = "base";

}  // namespace

SPlayer::SPlayer() { resetState(); }

void SPlayer::Attach(const SPlayerRules& rules, SMessageOutput* output, SPlayerScreen* screen) {
    m_rules = rules;
    m_output = output;
    m_screen = screen;
}

void SPlayer::Clear() {
    releaseHoldings();
    resetState();
    m_hp = 40;
    m_mana = 40;
    m_gold = 0;
    m_race = 1;
    std::fill(std::begin(m_attributes), std::end(m_attributes), 0);
    std::fill(std::begin(m_skills), std::end(m_skills), 0);
    m_majorSkills.fill(0);
    m_otherSkills.fill(0);
    m_name.Assign("");
    m_face.Assign("");
    m_startScript.Assign("");
    m_headerKind = 1;
}

void SPlayer::ResetForNewGame() {
    const SModule* current = m_rules.packages ? m_rules.packages->Current() : nullptr;
    if (current == nullptr || !current->Identifier().Equals(kBaseWorld)) return;
    releaseHoldings();
    resetState();
    m_name.Assign("Player");
    m_hp = 100;
    m_mana = 100;
    m_gold = 100;
    std::fill(std::begin(m_attributes), std::end(m_attributes), 15);
    for (uint8_t i = 0; i < m_majorSkills.size(); ++i) m_majorSkills[i] = uint8_t(i + 1);
    for (uint8_t i = 0; i < m_otherSkills.size(); ++i) m_otherSkills[i] = uint8_t(i + 7);
    std::fill(std::begin(m_skills), std::end(m_skills), 10);
    m_race = 2;
    m_face.Assign("bres_head34");
}

void SPlayer::resetState() {
    m_gender = 1;
    m_level = 1;
    m_xp = 0;
    m_peakXp = 0;
    m_savedXp = 0;
    m_nextLevelXp = ExperienceForLevel(2);
    m_permanentPotions = 0;
    m_attributePoints = 0;
    std::fill(std::begin(m_attributeAllowance), std::end(m_attributeAllowance), 0);
    m_skillPoints = 0;
    std::fill(std::begin(m_skillAllowance), std::end(m_skillAllowance), 0);
    std::fill(std::begin(m_useCounters), std::end(m_useCounters), 0);
    m_fame = 0;
    m_crime = 0;
}

void SPlayer::releaseHoldings() {
    m_abilities.Destroy();
    m_diseases.Destroy();
    m_quests.Destroy();
    m_equipment.fill(nullptr);
    m_pack.DeleteAll();
    m_booksRead.Destroy();
    m_marks.Destroy();
    m_effects.Clear();
    for (std::vector<const SSpellType*>& school : m_knownSpells) school.clear();
}

void SPlayer::SetBaseAttribute(uint32_t attribute, uint16_t value) {
    if (attribute < kAttributeCount) m_attributes[attribute] = value;
}

void SPlayer::SetBaseSkill(uint32_t skill, uint16_t value) {
    if (skill < kSkillCount) m_skills[skill] = value;
}

const char* SPlayer::RaceId() const {
    const SRaceDef* race = m_rules.races ? m_rules.races->Entry(int(m_race)) : nullptr;
    return race ? race->id.Text() : "";
}

const char* SPlayer::RaceName() const {
    const SRaceDef* race = m_rules.races ? m_rules.races->Entry(int(m_race)) : nullptr;
    return race ? race->name.Text() : "";
}

void SPlayer::show(const char* text) const {
    if (m_output) m_output->ShowMessage(text);
}

void SPlayer::queue(const char* text, const char* sound) const {
    if (m_screen) m_screen->QueueMessage(text, SPlayerScreen::kOkButton, sound);
}
