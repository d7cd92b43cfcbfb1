// Prison: the fall into a town's jail, and the sentence served there in days, in lowered
// attributes and skills.
#include <string>
#include <vector>

#include "data/maps/map.h"
#include "data/package/module.h"
#include "data/rules/attribute_table.h"
#include "data/rules/character_ids.h"
#include "data/rules/skill_table.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "screens/play/travel_fade.h"

namespace {

// Draws up to `count` different ids of the list, each taken out as it is drawn.
std::vector<uint32_t> drawDistinct(std::vector<uint32_t> ids, uint32_t count, SRandom* random) {
    std::vector<uint32_t> drawn;
    while (drawn.size() < count && !ids.empty()) {
        const size_t index = random != nullptr ? size_t(random->Next(int32_t(ids.size()))) : 0;
        drawn.push_back(ids[index]);
        ids.erase(ids.begin() + std::ptrdiff_t(index));
    }
    return drawn;
}

}  // namespace

void SStateGame::SetPrison() {
    m_inPrison = 1;
    m_prisonStart = m_minutes;
}

void SStateGame::ClearPrison() {
    m_inPrison = 0;
    m_prisonStart = 0;
}

void SStateGame::SendToPrison(const char* town) {
    SModule* package = m_package;
    if (package == nullptr || m_currentMap == nullptr) return;
    const bool named = town != nullptr && town[0] != '\0';
    const std::string place = named ? town : m_currentMap->Name();
    std::string prison = place + "_jail";
    std::string entry = place + "_jailentry";
    if (package->FindObject(entry.c_str()).object == nullptr) {
        // On the surface the jail may lie in a neighbouring section's town.
        const SMap* found = nullptr;
        if (OnSurface())
            for (const SMap* section : m_sectionMaps)
                if (section != nullptr &&
                    package->FindObject((std::string(section->Name()) + "_jailentry").c_str()).object != nullptr) {
                    found = section;
                    break;
                }
        if (found == nullptr) {
            AppendMessage("There's no prison nearby - you're free - at least for a while.", false);
            return;
        }
        prison = std::string(found->Name()) + "_jail";
        entry = std::string(found->Name()) + "_jailentry";
        SString text;
        text.Format("You're being transported to the prison of %s.", found->Title().Text());
        AppendMessage(text.Text(), false);
    }
    if (named) {
        const SMap* townMap = package->FindMap(town);
        SString text;
        if (townMap != nullptr && !townMap->Title().IsEmpty())
            text.Format("You're being transported to the prison of %s.", townMap->Title().Text());
        else
            text.Assign("You're being transported to a prison.");
        AppendMessage(text.Text(), false);
    }
    m_prisonName = prison;
    SetPrison();
    TravelToPosition(entry.c_str(), STravelFade::kFall);
}

void SStateGame::ServeSentence() {
    SPlayer& player = m_game->m_player;
    ClearPrison();
    TravelToPosition((m_prisonName + "exit").c_str(), 0);
    Draw();
    const uint32_t days = std::max(1u, player.Crime() / 10);
    PassTime(days, 0, 0);
    const uint32_t lowered = days < 10 ? 1 : days < 20 ? 2 : 3;

    // Only what can still drop is drawn, so that a character with little left still serves to the end.
    std::vector<uint32_t> attributes, skills;
    for (uint32_t a = kStrength; a <= kLastAttribute; ++a)
        if (player.BaseAttribute(a) > 1) attributes.push_back(a);
    for (uint32_t s = kSkillBlock; s <= kLastSkill; ++s)
        if (player.SkillValue(s) > 0 && s != player.ExcludedSkill()) skills.push_back(s);
    const std::vector<uint32_t> lowerAttributes = drawDistinct(attributes, lowered, m_game->m_random.get());
    const std::vector<uint32_t> lowerSkills = drawDistinct(skills, lowered, m_game->m_random.get());

    SString text("You have served your sentence. ");
    if (!lowerAttributes.empty() || !lowerSkills.empty()) {
        text.Append("Your ");
        for (size_t i = 0; i < lowerAttributes.size(); ++i) {
            const uint32_t a = lowerAttributes[i];
            player.SetBaseAttribute(a, uint16_t(player.BaseAttribute(a) - 1));
            text.AppendFormat(i + 1 < lowerAttributes.size() ? "%s, " : "%s ", m_game->m_attributes.FullName(int(a)));
        }
        for (size_t i = 0; i < lowerSkills.size(); ++i) {
            const uint32_t s = lowerSkills[i];
            player.SetBaseSkill(s, uint16_t(player.SkillValue(s) - 1));
            text.AppendFormat(i + 1 < lowerSkills.size() ? "%s skill, " : "and %s skill ",
                              m_game->m_skills.Name(int(s)));
        }
        text.Append("have been decreased.");
    }
    QueueMessage(text.Text(), 0, nullptr);
    player.ClearCrime();
}
