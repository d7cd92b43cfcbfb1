// Talking: to a creature, to the person behind a building or shop object, and the hand-over to the
// conversation or interior screen.
#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/monsters/monster.h"
#include "data/rules/day_hours.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"

namespace {

constexpr uint32_t kNoButtons = 0;
// By day the shops keep the hours from 6 to 21.

bool answersAtAll(const SNpcType& person) { return person.HasDialogue() || person.HasGreeting(); }

}  // namespace

bool SStateGame::KeepsBuilding(const SNpcType& person) const {
    return person.KeepsBuilding() && m_game->m_interiors.Find(person.BuildingName()) != nullptr;
}

void SStateGame::TalkToCreature(SMap& map, SCreature& creature) {
    const SMonster* monster = creature.monster;
    SNpcType* person = monster != nullptr && !monster->m_talkText.IsEmpty()
                           ? m_game->m_npcTypes.Find(monster->m_talkText.Text())
                           : nullptr;
    if (person == nullptr || (!answersAtAll(*person) && !KeepsBuilding(*person))) {
        QueueMessage("No answer", kNoButtons, nullptr);
        return;
    }
    if (SScriptContext* context = m_game->m_scriptContext.get())
        context->SetupForCreature(kEventUse, map.FindObject(creature.ownerId), &map, &creature,
                                  SScriptOutputMode::Conversation);
    m_pendingScreen = TalkToPerson(&map, *person, nullptr);
}

void SStateGame::TalkToObjectNpc(SMap* map, SPlacedObject* object, SMapObjectType& type, bool& silent) {
    SNpcType* person = object != nullptr ? m_game->m_npcTypes.Find(object->textA.Text()) : nullptr;
    const auto refuse = [&](const char* text) { QueueMessage(text, kNoButtons, silent ? "" : nullptr); };
    if (person == nullptr || (!answersAtAll(*person) && !KeepsBuilding(*person))) return refuse("No answer");
    if (KeepsBuilding(*person)) {
        const uint32_t hour = GetHour();
        const bool day = hour >= kFirstDayHour && hour <= kLastDayHour;
        if (!day && (person->OpeningHours() & SNpcType::kOpenByNight) == 0)
            return refuse("It's closed in the night-time.");
        if (day && (person->OpeningHours() & SNpcType::kOpenByDay) == 0) return refuse("It's closed in the day-time.");
    }
    silent = false;
    // The object's own event made it the script context's target for the play screen; the talk's
    // scripts keep that target and write to the conversation, so that its choice lists, goodbye
    // and gonext reach the screen that asked.
    if (SScriptContext* context = m_game->m_scriptContext.get()) {
        const SGridPlace place = context->Place();
        context->SetupForObjectNpc(context->Event(), object, map, context->Cell(), &type, place,
                                   SScriptOutputMode::Conversation);
    }
    m_pendingScreen = TalkToPerson(map, *person, object);
}

uint32_t SStateGame::TalkToPerson(SMap* map, SNpcType& person, SPlacedObject* object) {
    m_param[0] = 0;
    m_param[1] = reinterpret_cast<uintptr_t>(&person);
    m_param[2] = reinterpret_cast<uintptr_t>(object);
    m_param[3] = reinterpret_cast<uintptr_t>(map);
    m_keep = 1;
    return KeepsBuilding(person) ? kInteriorScreen : kConversationScreen;
}
