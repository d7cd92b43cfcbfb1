// The pictures the grid needs: the types its cells show, the monsters of the creatures standing in
// them, its maps' floors and ceilings and the world's own floor keep theirs loaded; every other
// type frees its pictures.
#include "data/map_objects/map_object_type.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/package/module.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "screens/play/type_pictures.h"

namespace {

void keepLoadedTypes(SMapObjectType* type) {
    if (type) type->SetKeepLoaded(true);
}

}  // namespace

void SStateGame::RefreshTypePictures() {
    if (m_grid != nullptr) {
        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                m_grid->Cell(x, y).MarkTypesInUse();
                m_grid->Shadow(x, y).MarkTypesInUse();
                for (int slot = 0; slot < 2; ++slot) {
                    const SCreature* creature = creatureInSlot(x, y, slot);
                    if (creature != nullptr && creature->monster != nullptr) MarkMonsterTypeInUse(*creature->monster);
                }
            }
        }
    }
    // A cell without a floor of its own shows its map's, so the maps' floors count as well as
    // their ceilings.
    auto markMap = [](const SMap* map) {
        if (map == nullptr) return;
        keepLoadedTypes(map->CeilingType());
        keepLoadedTypes(map->FloorType());
    };
    markMap(m_currentMap);
    for (const SMap* section : m_sectionMaps) markMap(section);
    if (m_package != nullptr) keepLoadedTypes(m_package->DefaultFloorType());
    LoadMarkedTypes(m_game->m_mapObjectTypes, m_game->m_monsters, m_game->m_cache);
}

void SStateGame::ClearTypeMarks() { ResetTypeMarks(m_game->m_mapObjectTypes, m_game->m_monsters); }
