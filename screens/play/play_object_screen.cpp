#include "screens/play/play_object_screen.h"

#include "data/items/item_type.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/placed_object.h"
#include "data/player/item_phrase.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"

namespace {

// Where the four spikes of a sprung trap and the seven places of a group stand in a cell (16.16).
constexpr uint16_t kPlayObjectScreenSpikes[4][2] = {{0x5000, 0x5000},
                                                    {0xB000, 0x5000},
                                                    {0x5000, 0xB000},
                                                    {0xB000, 0xB000}};
constexpr uint16_t kGroupPlaces[7][2] = {{0x8000, 0x8000}, {0x4000, 0x4000}, {0xC000, 0x4000}, {0x4000, 0xC000},
                                         {0xC000, 0xC000}, {0x8000, 0x3000}, {0x8000, 0xD000}};

}  // namespace

uint32_t SPlayObjectScreen::GameTime() const { return m_play.GetClock(); }

bool SPlayObjectScreen::IsOutdoor() const { return m_play.OnSurface(); }

const SMapCell* SPlayObjectScreen::PlayerCell() const { return m_play.GetCell(m_play.m_playerX, m_play.m_playerY); }

const SModule* SPlayObjectScreen::CurrentWorld() const { return m_play.CurrentWorld(); }

int32_t SPlayObjectScreen::Random(int32_t n) {
    SRandom* random = m_play.m_game->m_random.get();
    return random != nullptr ? random->Next(n) : 0;
}

void SPlayObjectScreen::PlaySound(const char* name, int volume) { m_play.m_game->PlaySound(name, volume); }

void SPlayObjectScreen::ShowMessage(const char* text) { m_play.AppendMessage(text, false); }

void SPlayObjectScreen::SubstituteText(SString& text) {
    if (SScriptContext* context = m_play.m_game->m_scriptContext.get()) context->SubstituteText(text);
}

bool SPlayObjectScreen::TalkToObjectNpc(SMap* map, SPlacedObject* object, SMapObjectType& type) {
    // The objects play their own sounds for a closed door.
    bool silent = true;
    m_play.TalkToObjectNpc(map, object, type, silent);
    return !silent;
}

void SPlayObjectScreen::TravelToPosition(const char* target, int kind) {
    m_play.TravelToPosition(target, uint32_t(kind));
}

void SPlayObjectScreen::QueueQuestion(const char* question, const char* target, int kind, int flag) {
    m_play.QueueQuestion(target, question, uint32_t(kind), flag != 0);
}

void SPlayObjectScreen::QueueTravelByName(const char* target, int kind) {
    m_play.QueueTravelByName(target, uint32_t(kind));
}

bool SPlayObjectScreen::HasWallsEastAndWest() const { return m_play.CheckWallsEastWest(); }

int SPlayObjectScreen::PlayerColumn() const { return m_play.m_playerX; }

int SPlayObjectScreen::PlayerRow() const { return m_play.m_playerY; }

// The main door's pictures stand for the handles: its frame picture for the side views.
uint16_t SPlayObjectScreen::HandlePicture(int facing) const {
    return m_play.DoorPictureId(facing >= 0 && facing < 3 ? facing : 2);
}

void SPlayObjectScreen::SpikePosition(int k, uint16_t& x, uint16_t& y) const {
    const auto& place = kPlayObjectScreenSpikes[k >= 0 && k < 4 ? k : 0];
    x = place[0];
    y = place[1];
}

void SPlayObjectScreen::SubPosition(int k, uint16_t& x, uint16_t& y) const {
    const auto& place = kGroupPlaces[k >= 0 && k < 7 ? k : 0];
    x = place[0];
    y = place[1];
}

void SPlayObjectScreen::QueueDoorChoice(const char* text, SMap* map, SPlacedObject* object, SMapObjectType& type,
                                        bool trapped, bool lockpick) {
    SDoorChoice door;
    door.map = map;
    door.object = object;
    door.objectType = &type;
    door.askingType = &type;
    door.kind = type.m_typeCode;
    // A locked door opens only by its key, a pick or a spell.
    const bool open = object != nullptr && object->LockLevel() == 0;
    m_play.QueueDoorChoice(text, door, trapped, lockpick, open);
}

void SPlayObjectScreen::OpenContainer(SMap* map, SPlacedObject* object) {
    if (map != nullptr && object != nullptr) m_play.OpenContainer(*map, *object);
}

const SSpellType* SPlayObjectScreen::SpellBeingCast() const {
    const SScriptContext* context = m_play.m_game->m_scriptContext.get();
    if (context == nullptr || context->SpellName().IsEmpty()) return nullptr;
    return m_play.m_game->m_spells.FindSpell(context->SpellName().Text());
}

int32_t SPlayObjectScreen::CasterLevel() const {
    const SScriptContext* context = m_play.m_game->m_scriptContext.get();
    return context != nullptr ? context->SpellValue() : 0;
}

int32_t SPlayObjectScreen::PlayerSkill(uint32_t skill) const { return m_play.m_game->m_player.GetSkillValue(skill); }

bool SPlayObjectScreen::PlayerOwnsItem(const char* itemType) const {
    return m_play.m_game->m_player.CountOwnedItemsByName(itemType) > 0;
}

bool SPlayObjectScreen::PlayerHasLockpick() const { return m_play.m_game->m_player.HasLockpick(); }

void SPlayObjectScreen::PlayerLoseItem(const char* itemType) { m_play.m_game->m_player.RemoveItems(itemType, 1); }

int32_t SPlayObjectScreen::PlayerArmourClass() const { return m_play.m_game->m_player.GetArmorClass(); }

void SPlayObjectScreen::HurtPlayer(int32_t damage) { m_play.m_game->m_player.ApplyTrapDamage(damage, -1); }

void SPlayObjectScreen::AddPlayerCrime(int32_t amount) { m_play.m_game->m_player.AddCrime(amount); }

void SPlayObjectScreen::GiveItems(SItemType& type, int32_t count) { m_play.m_game->m_player.AddItems(type, count); }

void SPlayObjectScreen::AppendItemPhrase(const SItemType& type, uint32_t count, SString& text) {
    FormatItemPhrase(type, count, text);
}
