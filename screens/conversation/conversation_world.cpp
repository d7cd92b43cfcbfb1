#include "screens/conversation/conversation_world.h"

#include <cstring>

#include "data/maps/creature.h"
#include "data/maps/placed_object.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_base_type.h"
#include "data/player/player.h"
#include "data/player/quest_entry.h"
#include "engine/base/random.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"

namespace {

const SPlayer& playerOf(const SGameData& game) { return game.m_player; }

}  // namespace

int32_t SConversationWorld::Fame() const { return playerOf(m_game).Fame(); }
uint32_t SConversationWorld::Crime() const { return playerOf(m_game).Crime(); }
uint32_t SConversationWorld::Gold() const { return playerOf(m_game).Gold(); }
int32_t SConversationWorld::Race() const { return playerOf(m_game).Race(); }
bool SConversationWorld::IsMale() const { return playerOf(m_game).IsMale(); }
int32_t SConversationWorld::Level() const { return int32_t(playerOf(m_game).Level()); }
int32_t SConversationWorld::HpPercent() const { return playerOf(m_game).GetHpPercent(); }
int32_t SConversationWorld::Attribute(int32_t attribute) const {
    return playerOf(m_game).GetAttribute(uint32_t(attribute));
}
int32_t SConversationWorld::BaseAttribute(int32_t attribute) const {
    return int32_t(playerOf(m_game).BaseAttribute(uint32_t(attribute)));
}
int32_t SConversationWorld::Skill(int32_t skill) const { return playerOf(m_game).GetSkillValue(uint32_t(skill)); }
int32_t SConversationWorld::ArmourClass() const { return playerOf(m_game).GetArmorClass(); }
int32_t SConversationWorld::OutfitRating() const {
    bool changed = false;
    return playerOf(m_game).GetOutfitRating(changed);
}
int32_t SConversationWorld::PoisonTotal() const { return playerOf(m_game).PoisonTotal(); }
bool SConversationWorld::IsParalyzed() const { return playerOf(m_game).IsParalyzed(); }
bool SConversationWorld::IsCursed() const { return playerOf(m_game).IsCursed(); }
bool SConversationWorld::HasLostXp() const { return playerOf(m_game).HasSavedXp(); }
int32_t SConversationWorld::CountOwnedItems(const char* itemType) const {
    return itemType ? playerOf(m_game).CountOwnedItemsByName(itemType) : 0;
}
bool SConversationWorld::HasDisease(const char* name) const { return playerOf(m_game).HasDisease(name); }
bool SConversationWorld::KnowsSpell(const char* name) const { return name && playerOf(m_game).KnowsSpellByName(name); }
bool SConversationWorld::HasAbility(const char* name) const { return name && playerOf(m_game).HasAbility(name); }
std::optional<uint32_t> SConversationWorld::QuestState(const char* name) const {
    const SQuestEntry* quest = name ? playerOf(m_game).FindQuest(name) : nullptr;
    return quest ? std::optional<uint32_t>(quest->state) : std::nullopt;
}

uint32_t SConversationWorld::GameMinutes() const {
    const SStateGame* play = SStateGame::Of(m_game);
    return play ? play->GameMinutes() : 0;
}
int32_t SConversationWorld::WeatherRoll() const {
    const SStateGame* play = SStateGame::Of(m_game);
    return play ? play->GetWeatherRoll() : 0;
}
int32_t SConversationWorld::RainIntensity() const {
    const SStateGame* play = SStateGame::Of(m_game);
    return play ? play->GetRainIntensity() : 0;
}
std::optional<uint32_t> SConversationWorld::PriceEntry(int32_t) const { return std::nullopt; }

std::optional<int32_t> SConversationWorld::GlobalValue(const char* name) const {
    const SGlobalVar* global = name ? m_game.m_globals.Find(name) : nullptr;
    return global ? std::optional<int32_t>(global->m_value.Number()) : std::nullopt;
}
int32_t SConversationWorld::Random(int32_t n) { return m_game.m_random ? m_game.m_random->Next(n) : 0; }

int32_t SConversationWorld::ConversationWord() const {
    return m_game.m_scriptContext ? m_game.m_scriptContext->Answer() : 0;
}
bool SConversationWorld::AnswerTextIsEmpty() const {
    return !m_game.m_scriptContext || m_game.m_scriptContext->ListResult().IsEmpty();
}
std::optional<uint8_t> SConversationWorld::ContextObjectState() const {
    const SPlacedObject* source = m_game.m_scriptContext ? m_game.m_scriptContext->Source() : nullptr;
    return source ? std::optional<uint8_t>(source->stateByte) : std::nullopt;
}
bool SConversationWorld::ContextCreatureIs(SCreatureTest test) const {
    return m_game.m_scriptContext && m_game.m_scriptContext->CreatureIs(test);
}
bool SConversationWorld::ContextCreatureBaseTypeIs(const char* name) const {
    const SCreature* creature = m_game.m_scriptContext ? m_game.m_scriptContext->Creature() : nullptr;
    const SMonsterBaseType* base = creature && creature->monster ? creature->monster->m_baseType : nullptr;
    return base && name && base->NameKey().Text() && std::strcmp(base->NameKey().Text(), name) == 0;
}
bool SConversationWorld::ContextCreatureMonsterIs(const char* name) const {
    return m_game.m_scriptContext && m_game.m_scriptContext->CreatureIsMonster(name);
}
bool SConversationWorld::NamedObjectIs(const char* name, SCreatureTest test) const {
    return m_game.m_scriptContext && m_game.m_scriptContext->NamedObjectIs(name, test);
}
bool SConversationWorld::NamedObjectIsDead(const char* name) const {
    return m_game.m_scriptContext && m_game.m_scriptContext->NamedObjectIsDead(name);
}
int32_t SConversationWorld::NamedObjectState(const char* name) const {
    return m_game.m_scriptContext ? m_game.m_scriptContext->GetNamedObjectState(name) : 0;
}
bool SConversationWorld::IsCurrentWorld(const char* name) const {
    return m_game.m_scriptContext && m_game.m_scriptContext->IsCurrentWorld(name);
}
bool SConversationWorld::IsCurrentMap(const char* name) const {
    return m_game.m_scriptContext && m_game.m_scriptContext->IsCurrentMap(name);
}
int32_t SConversationWorld::HoursSinceGlobal(const char* name) const {
    return m_game.m_scriptContext ? m_game.m_scriptContext->GetHourDiffOfGlobal(name) : 0;
}
int32_t SConversationWorld::DaysSinceGlobal(const char* name) const {
    return m_game.m_scriptContext ? m_game.m_scriptContext->GetDayDiffOfGlobal(name) : 0;
}
