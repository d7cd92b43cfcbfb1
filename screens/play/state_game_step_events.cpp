// What the things in a cell hear of the player: stepping off and on, a use, an arrival. A creature
// of the cell hears first when asked; otherwise the centre object, or where the centre is a wall
// the object mounted on the side the player faces. A placed object's own script answers in place
// of its type's reaction.
#include <utility>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/state_game.h"

using namespace grid_rules;

uint32_t SStateGame::SendObjectEvent(uint32_t event, uint32_t where, int x, int y, int side, bool* found) {
    if (found != nullptr) *found = false;
    SMapCell* cell = GetCell(x, y);
    SMap* map = GetZoneMap(x, y);
    if (cell == nullptr || map == nullptr) return 0;

    SCreature* creature = nullptr;
    if ((where & kWhereSecondCreature) != 0 && cell->creatures[1] != 0)
        creature = FindCreatureAt(x, y, cell->creatures[1]);
    else if ((where & kWhereFirstCreature) != 0 && cell->creatures[0] != 0)
        creature = FindCreatureAt(x, y, cell->creatures[0]);
    SPlacedObject* owner = creature != nullptr && creature->ownerId != 0 ? map->FindObject(creature->ownerId) : nullptr;
    if (creature != nullptr && creature->monster != nullptr && IsShown(owner)) {
        if (found != nullptr) {
            *found = true;
            return 0;
        }
        return tellCreature(event, *map, *creature, owner);
    }

    if (cell->centreType == nullptr) return 0;
    SPlacedObject* centre = FindObjectAt(x, y, cell->centreId);
    if (!IsShown(centre)) return 0;
    SMapObjectType* type = cell->centreType;
    SPlacedObject* object = centre;
    SGridPlace place{x, y};
    const SMapCellSide* mounted = side >= 0 && side < 4 ? &cell->sides[side] : nullptr;
    if (HasCode(type, kWallCode) && mounted != nullptr && mounted->wallType != nullptr &&
        IsShown(FindObjectAt(x, y, mounted->objectId))) {
        if ((where & kWhereSide) == 0) return 0;
        type = mounted->wallType;
        object = FindObjectAt(x, y, mounted->objectId);
        place.side = side;
    } else if ((where & kWhereCentre) == 0) {
        return 0;
    }
    if (found != nullptr) {
        *found = true;
        return 0;
    }
    return tellObject(event, *map, *cell, *type, object, place);
}

uint32_t SStateGame::tellCreature(uint32_t event, SMap& map, SCreature& creature, SPlacedObject* owner) {
    SScriptContext* context = m_game->m_scriptContext.get();
    if (context == nullptr) return 0;
    context->SetupForCreature(event, owner, &map, &creature, SScriptOutputMode::PlayScreen);
    m_pendingScreen = 0;
    uint32_t next = 0;
    if (owner == nullptr || owner->textB.IsEmpty()) {
        bool changed = false;
        if (std::optional<SMonsterContext> rules = monsterContext(map))
            next = uint32_t(creature.monster->OnEvent(event, *rules, creature, changed));
        if (changed) context->QueueCellEvent(&map, context->Place());
    }
    finishObjectEvent(*context);
    // A conversation or a container that the reaction opened takes over.
    return next != 0 ? next : std::exchange(m_pendingScreen, 0);
}

uint32_t SStateGame::tellObject(uint32_t event, SMap& map, SMapCell& cell, SMapObjectType& type, SPlacedObject* object,
                                const SGridPlace& place) {
    SScriptContext* context = m_game->m_scriptContext.get();
    if (context == nullptr) return 0;
    context->SetupForObjectNpc(event, object, &map, &cell, &type, place, SScriptOutputMode::PlayScreen);
    m_pendingScreen = 0;
    uint32_t next = 0;
    if (object == nullptr || object->textB.IsEmpty()) {
        bool changed = false;
        next = uint32_t(type.OnEvent(event, &map, object, &cell, place.x, place.y, changed));
        if (changed) context->QueueCellEvent(&map, place);
    }
    finishObjectEvent(*context);
    // A conversation or a container that the reaction opened takes over.
    return next != 0 ? next : std::exchange(m_pendingScreen, 0);
}

// The object's script runs, when it has one, and the cells that changed are built again; the
// view shows the outcome at once while the play screen is the one shown.
void SStateGame::finishObjectEvent(SScriptContext& context) {
    context.RunObjectScript();
    m_redrawRequest = 1;
    if (m_game->m_currentScreen != this) return;
    ApplyPendingCellChanges();
    Draw();
}

void SStateGame::SendStepOffEvent() {
    if (m_previousX < 0 || m_previousY < 0) return;
    SendObjectEvent(kEventStepOff, kWhereCentre, m_previousX, m_previousY, -1);
}

void SStateGame::SendStepOnEvent() { SendObjectEvent(kEventStepOn, kWhereCentre, m_playerX, m_playerY, -1); }

void SStateGame::SendArrivedEvent() { SendObjectEvent(kEventArrive, kWhereCentre, m_playerX, m_playerY, -1); }
