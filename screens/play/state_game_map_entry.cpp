// Entering a map: the grid filled around the player, the pictures, sky and view records made for
// it, and on the surface the player kept in the middle section with the world position recorded;
// and travel's part that puts the player on a named position.
#include <algorithm>

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/package/module.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"

namespace {

// On the surface the player stands in the middle section, grid cells 7 to 27.
constexpr int kFirstMiddleCell = 7;
constexpr int kLastMiddleCell = 27;

}  // namespace

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

bool SStateGame::TravelToPosition(const char* position, uint32_t) {
    m_positionTravels.emplace_back(position ? position : "");
    SModule* package = m_game->m_packages.Current();
    const SFoundObject found = package != nullptr && position != nullptr ? package->FindObject(position)
                                                                         : SFoundObject{};
    if (found.object == nullptr) return false;
    package->SetCurrentMap(found.map);
    EnterMap();
    SGridPlace place;
    if (!LocateObject(*found.map, *found.object, place)) return true;
    m_playerX = place.x;
    m_playerY = place.y;
    m_fractionX = m_fractionY = kCellCentre;
    // The cell's facing byte is the side faced: 0 north, 1 east, 2 south, 3 west.
    const uint32_t side = GetCell(place.x, place.y)->centreExtra % 4;
    m_heading = m_targetHeading = int32_t((4 - side) % 4 * 90);
    if (OnSurface()) m_package->SetPosition(*m_currentMap, m_playerX, m_playerY, int32_t(m_heading));
    return true;
}

// A world without its start position still shows the play screen, empty, and says what is missing.
void SStateGame::TravelToStartPosition() {
    if (TravelToPosition(m_game->m_startPosition.c_str(), 0)) return;
    m_currentMap = nullptr;
    ClearGrid();
    SString text;
    text.Format("The start position \"%s\" is missing from the world.", m_game->m_startPosition.c_str());
    QueueMessage(text.Text(), 0, nullptr);
}
