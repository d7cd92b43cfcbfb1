// What a blow or a missile does once it arrives: the player's blow on a creature or an object with
// its damage, sounds and events; a monster's missile striking another creature; and which cells
// stop missiles on their way.
#include <algorithm>

#include "data/items/fps_item.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_events.h"
#include "data/player/equipment_slot.h"
#include "engine/audio/volume.h"
#include "engine/base/random.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/hand_items.h"
#include "screens/play/hand_picture.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

constexpr int kHitsMostCells = 7;

enum SMissileStop : uint8_t {
    kStopsAll,
    kStopsSpells,
    kOwnTest,  // the type's own test, and every spell
    kWhileClosed,
};

// What a centre of the type code does to a missile.
SMissileStop stopOf(uint8_t code) {
    switch (code) {
        case 7:
        case 8:
        case 20:
        case 22:
        case 26:
        case 38: return kOwnTest;
        case 19:
        case 25:
        case 32:
        case 33: return kStopsAll;
        case 35: return kWhileClosed;
        default: return kStopsSpells;
    }
}

bool shows(const SPlacedObject* object) { return object == nullptr || (object->flags & SPlacedObject::kVisible) != 0; }

}  // namespace

SCreature* SStateGame::selectedCreature(int x, int y, int& slot) {
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr) return nullptr;
    if (m_targetSlot == 1 && cell->creatures[1] == 0) m_targetSlot = 0;
    slot = int(m_targetSlot);
    return creatureInSlot(x, y, slot);
}

void SStateGame::recordHitItems(int32_t damage) {
    const SPlayer& player = m_game->m_player;
    SItem* weapon = player.EquippedItem(kSlotMainHand);
    SItem* second = nullptr;
    if (hand_items::FiresAmmunition(weapon))
        second = player.EquippedItem(kSlotAmmunition);
    else if (hand_items::IsShield(player.EquippedItem(kSlotSecondHand)))
        second = player.EquippedItem(kSlotSecondHand);
    m_hitValues = {};
    m_hitValues.damage = damage;
    m_hitValues.weapons[0] = weapon;
    m_hitValues.weapons[1] = second;
    if (SScriptContext* context = m_game->m_scriptContext.get()) {
        context->SetHitWeapons(weapon, second);
        context->SetDamage(damage);
    }
}

void SStateGame::playStrokeSounds() {
    if (const char* sound = SHandPicture(m_currentStroke.picture).Sound()) PlaySound(sound, kLoudestVolume);
    if (m_currentStroke.offHandMode == SCombatAnim::kOffHandOwnClock)
        if (const char* sound = SHandPicture(m_currentStroke.picture2).Sound()) PlaySound(sound, kLoudestVolume);
}

void SStateGame::ResolveHit(SMap& map, int x, int y, int side, int penalty) {
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr) return;
    SPlayer& player = m_game->m_player;
    if (cell->creatures[0] != 0) {
        int slot = 0;
        SCreature* creature = selectedCreature(x, y, slot);
        // A creature the map no longer knows: the blow misses, and nobody hears of it.
        if (creature == nullptr || map.FindCreature(creature->id) != creature) return;
        const uint8_t id = creature->id;
        int32_t damage = player.RollHitDamage(creature);
        damage -= damage * penalty / 100;
        recordHitItems(damage);
        if (damage != 0)
            playStrokeSounds();
        else
            PlaySound("bsnd_hitmiss", SoundVolumeAt(x, y));
        const uint32_t where = slot == 1 ? kWhereSecondCreature : kWhereFirstCreature;
        SendObjectEvent(kEventAttacked, where, x, y, side);
        // The kill is told once, with the creature still standing at 1 hit point for its script.
        if (map.FindCreature(id) == creature && creature->hp < 1) {
            creature->hp = 1;
            SendObjectEvent(kEventKilled, where, x, y, side);
        }
        return;
    }
    int32_t least = 0, most = 0;
    player.GetDamageRange(least, most, false);
    int32_t damage = least + int32_t(m_game->m_random->Next(uint32_t(std::max(most - least + 1, 1))));
    damage -= damage * penalty / 100;
    recordHitItems(damage);
    bool taken = false;
    SendObjectEvent(kEventAttacked, kWhereCentre | kWhereSide, x, y, side, &taken);
    if (taken)
        playStrokeSounds();
    else
        PlaySound("bsnd_hitmiss", SoundVolumeAt(x, y));
    SendObjectEvent(kEventAttacked, kWhereCentre | kWhereSide, x, y, side);
}

// After the player's blow the monsters have their turn.
void SStateGame::ResolveHitAhead(const SCombatAnim& stroke) {
    m_currentStroke = stroke;
    SFacingCell facing;
    if (GetFacingCell(-1, facing) != nullptr && facing.map != nullptr)
        ResolveHit(*facing.map, facing.x, facing.y, int(facing.oppositeSide), 0);
    m_monsterPassRequest = 1;
}

// The missile's stroke is the current one since it fired.
void SStateGame::ResolveHitAt(int x, int y, int penalty, const SCombatAnim& missile) {
    if (SMap* map = GetZoneMap(x, y)) ResolveHit(*map, x, y, (missile.side + 2) % 4, penalty);
    m_monsterPassRequest = 1;
}

void SStateGame::MissileHitsCreature(SMap& map, int x, int y, SCreature& attacker) {
    SCreature* target = creatureInSlot(x, y, 0);
    std::optional<SMonsterContext> rules = monsterContext(map);
    if (target == nullptr || target->monster == nullptr || !rules || attacker.monster == nullptr) return;
    m_hitValues = {};
    m_hitValues.damage = attacker.monster->RollDamage(*rules, attacker);
    rules->event = m_hitValues;
    if (SScriptContext* context = m_game->m_scriptContext.get()) context->SetDamage(m_hitValues.damage);
    if (!target->IsPerson()) {
        target->monster->OnAttacked(*rules, *target);
        RemoveActiveMonster(*target);
        if (target->hp < 1) {
            target->hp = 1;
            // A monster's kill earns the player nothing.
            if (target->monster->OnKilled(*rules, *target, false)) {
                m_cellChanges.push_back({&map, SGridPlace{x, y, -1, 1}});
                ApplyPendingCellChanges();
            }
        }
    }
    UpdateLookTarget();
}

bool SStateGame::CellBlocksMissile(int x, int y, int side, int& wallSide, bool spell) const {
    using namespace grid_rules;
    wallSide = -1;
    const SMapCell* cell = GetCell(x, y);
    const SMap* map = GetZoneMap(x, y);
    if (cell == nullptr || map == nullptr) return true;
    if (cell->creatures[0] != 0 || cell->creatures[1] != 0) return true;
    const SMapObjectType* type = cell->centreType;
    if (type == nullptr) return false;
    const SPlacedObject* object = map->FindObject(cell->centreId);
    if (!shows(object)) return false;
    if (type->m_typeCode == kWallCode) {
        const int back = (side + 2) % 4;
        const SMapCellSide& face = cell->sides[back];
        if ((face.wallType != nullptr || face.objectId != 0) && shows(map->FindObject(face.objectId))) wallSide = back;
        return true;
    }
    switch (stopOf(type->m_typeCode)) {
        case kStopsAll: return true;
        case kOwnTest: return spell || type->IsBlocking(object);
        case kWhileClosed: {
            constexpr uint8_t kOpen = 0x04;
            return object == nullptr || (object->flags & kOpen) == 0;
        }
        case kStopsSpells: return spell;
    }
    return spell;
}

bool SStateGame::FindMissileTarget(int x, int y, int side, int& outX, int& outY, bool toPlayer) const {
    outX = x;
    outY = y;
    const int s = side & 3;
    for (int step = 0; step < kHitsMostCells; ++step) {
        const int nx = outX + play_tables::kSideDx[s], ny = outY + play_tables::kSideDy[s];
        if (!IsOnGrid(nx, ny)) return false;
        outX = nx;
        outY = ny;
        if (toPlayer && nx == m_playerX && ny == m_playerY) return true;
        int wallSide = -1;
        if (CellBlocksMissile(nx, ny, s, wallSide, false)) return !toPlayer;
    }
    return false;
}

int SStateGame::FacingWallSide(int side, int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    const SMap* map = GetZoneMap(x, y);
    if (cell == nullptr || map == nullptr || !grid_rules::HasCode(cell->centreType, grid_rules::kWallCode)) return -1;
    const int back = (side + 2) % 4;
    const SMapCellSide& face = cell->sides[back];
    if (face.wallType == nullptr && face.objectId == 0) return -1;
    return shows(map->FindObject(face.objectId)) ? back : -1;
}
