// Entering a map: the grid filled around the player, the pictures, sky and view records made for
// it, and on the surface the player kept in the middle section with the world position recorded;
// and travel's part that puts the player on a named position.
#include <algorithm>

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/package/module.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/state_game.h"

void SStateGame::EnterMap() {
    FillGrid();
    ClearTypeMarks();
    RefreshTypePictures();
    UpdateSkyAndFog(true);
    RenumberGrid();
    RebuildAllCellViews();
    const bool surface = OnSurface();
    if (surface) {
        m_playerX = std::clamp(m_playerX, kFirstMiddleCell, kLastMiddleCell);
        m_playerY = std::clamp(m_playerY, kFirstMiddleCell, kLastMiddleCell);
    }
    ScanNearbyCells();
    UpdateNearbyCells(true, true);
    if (surface) m_package->SetPosition(*m_currentMap, m_playerX, m_playerY, int32_t(m_heading));
}

bool SStateGame::PlaceAtPosition(const char* position, bool& mapChanged) {
    m_positionTravels.emplace_back(position);
    SModule* package = m_game->m_packages.Current();
    const SFoundObject found = package != nullptr ? package->FindObject(position) : SFoundObject{};
    if (found.object == nullptr) return false;
    mapChanged = found.map != m_currentMap;
    package->SetCurrentMap(found.map);
    EnterMap();
    SGridPlace place;
    if (!LocateObject(*found.map, *found.object, place)) return true;
    m_playerX = place.x;
    m_playerY = place.y;
    m_fractionX = m_fractionY = kCellCentre;
    if (OnSurface()) m_package->SetPosition(*m_currentMap, m_playerX, m_playerY, int32_t(m_heading));
    FaceByCell();
    return true;
}

// Teleports and position objects say which way the arriving player looks: the low three bits of the
// cell's facing byte, 1 north, 2 east, 3 south, 4 west; 0 keeps the heading.
void SStateGame::FaceByCell() {
    const SMapCell* cell = GetCell(m_playerX, m_playerY);
    if (cell == nullptr || !(grid_rules::HasCode(cell->centreType, grid_rules::kTeleportCode) ||
                             grid_rules::HasCode(cell->centreType, grid_rules::kPositionCode)))
        return;
    const uint32_t facing = cell->centreExtra & 7u;
    if (facing == 0) return;
    m_heading = m_targetHeading = int32_t((5 - facing) * 90 % 360);
}

// A world without its start position still shows the play screen, empty, and says what is missing.
void SStateGame::TravelToStartPosition() {
    const char* start = m_game->m_startPosition.c_str();
    const SModule* package = m_game->m_packages.Current();
    if (package != nullptr && package->FindObject(start).object != nullptr) {
        TravelToPosition(start, 0);
        return;
    }
    m_currentMap = nullptr;
    RemovePersons(true);
    ClearGrid();
    SString text;
    text.Format("The start position \"%s\" is missing from the world.", m_game->m_startPosition.c_str());
    QueueMessage(text.Text(), 0, nullptr);
}
