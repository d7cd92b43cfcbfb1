// Creatures and item piles in the grid's cells: where they may go, putting them there and taking
// them out.
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "engine/base/random.h"
#include "game/game_data.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

bool hasFreePlace(const SMapCell& cell) { return cell.creatures[1] == 0; }

// The second place is taken only while the first is.
void putCreature(SMapCell& cell, uint8_t id) { cell.creatures[cell.creatures[0] == 0 ? 0 : 1] = id; }

}  // namespace

bool SStateGame::gridToLocal(int x, int y, SMap*& map, int& localX, int& localY) const {
    map = GetZoneMap(x, y);
    if (map == nullptr) return false;
    localX = x;
    localY = y;
    if (m_currentMap->IsSurface()) {
        const SSectionSlot& slot = SectionSlot(SectionSlotAt(x, y));
        localX += slot.x - slot.gx;
        localY += slot.y - slot.gy;
    }
    return true;
}

void SStateGame::RemoveCreatureFromCell(SMap& map, SCreature& creature) {
    int x = 0, y = 0;
    SMapCell* cell = MapToGrid(map, creature.x, creature.y, x, y) ? GetCell(x, y) : nullptr;
    if (cell != nullptr && GetZoneMap(x, y) == &map) {
        if (cell->creatures[0] == creature.id) {
            cell->creatures[0] = cell->creatures[1];
            cell->creatures[1] = 0;
        } else if (cell->creatures[1] == creature.id) {
            cell->creatures[1] = 0;
        }
        // The cell shows what it holds now: the one left, and the loot a dead creature dropped.
        BuildCellView(x, y);
    }
    DeleteActingRecord(creature);
}

SMapCell* SStateGame::GetCellForCreature(const SMap& map, int x, int y) const {
    // A cell no section shows holds no one.
    SMapCell* cell = GetZoneMap(x, y) != nullptr ? GetCell(x, y) : nullptr;
    if (cell == nullptr || !hasFreePlace(*cell)) return nullptr;
    if (cell->centreType != nullptr && cell->centreType->IsBlocking(map.FindObject(cell->centreId))) return nullptr;
    return cell;
}

bool SStateGame::PlaceCreatureNear(SMap& map, SCreature& creature, int x, int y) {
    int gridX = 0, gridY = 0;
    if (!MapToGrid(map, x, y, gridX, gridY)) return true;
    SMapCell* cell = GetCell(gridX, gridY);
    if (cell == nullptr) return false;
    if (!IsPlayerCell(cell) && hasFreePlace(*cell)) {
        putCreature(*cell, creature.id);
        creature.x = uint8_t(x);
        creature.y = uint8_t(y);
        return true;
    }
    // The neighbours from a random one round; never the player's cell, never another section's.
    const int first = m_game->m_random ? m_game->m_random->Next(play_tables::kNeighbours) : 0;
    for (int k = 0; k < play_tables::kNeighbours; ++k) {
        const int n = (first + k) % play_tables::kNeighbours;
        const int dx = play_tables::kNeighbourDx[n], dy = play_tables::kNeighbourDy[n];
        if (GetZoneMap(gridX + dx, gridY + dy) != &map) continue;
        SMapCell* neighbour = GetCellForCreature(map, gridX + dx, gridY + dy);
        if (neighbour == nullptr || IsPlayerCell(neighbour)) continue;
        putCreature(*neighbour, creature.id);
        creature.x = uint8_t(x + dx);
        creature.y = uint8_t(y + dy);
        return true;
    }
    return false;
}

bool SStateGame::PlaceItemPile(SMap& map, SItemList& list, int x, int y) {
    int gridX = 0, gridY = 0;
    if (!MapToGrid(map, x, y, gridX, gridY)) return true;
    SMapCell* cell = GetCell(gridX, gridY);
    if (cell == nullptr || cell->containerId != 0) {
        list.m_x = list.m_y = SItemList::kNowhere;
        return false;
    }
    cell->containerId = list.m_id;
    list.m_x = uint8_t(x);
    list.m_y = uint8_t(y);
    return true;
}

// The pile belongs to the section the cell shows, at that section's own place; a cell no section
// shows gets none.
SItemList* SStateGame::NewItemPileAt(int x, int y) {
    SMap* map = nullptr;
    int localX = 0, localY = 0;
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr || cell->containerId != 0 || !gridToLocal(x, y, map, localX, localY)) return nullptr;
    SItemList* pile = map->AddItemList();
    if (pile != nullptr) PlaceItemPile(*map, *pile, localX, localY);
    return pile;
}
