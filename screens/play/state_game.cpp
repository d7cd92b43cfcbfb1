#include "screens/play/state_game.h"

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/maps/map_grid.h"
#include "data/maps/placed_object.h"
#include "engine/base/string.h"
#include "game/game_data.h"
#include "screens/play/grid_sections.h"

namespace {

constexpr uint32_t kMinutesPerDay = 24 * 60;
// A cell that refers to an object in none of its places.
constexpr int kNoSide = -2;

// Where the cell refers to the object: -1 its centre, 0 to 3 a side, kNoSide nowhere.
template <typename Cell>
int placeOf(const Cell& cell, uint8_t id) {
    if (cell.centreId == id) return -1;
    for (int side = 0; side < 4; ++side)
        if (cell.sides[side].objectId == id) return side;
    return kNoSide;
}

bool onGrid(int x, int y) { return x >= 0 && y >= 0 && x < SStateGame::kGridSize && y < SStateGame::kGridSize; }

}  // namespace

void SStateGame::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_entered = 1;
    if (m_game) m_game->m_gameRunning = true;
}

SMapCell* SStateGame::GetCell(int x, int y) const {
    return m_grid != nullptr && onGrid(x, y) ? &m_grid->Cell(x, y) : nullptr;
}

SMap* SStateGame::GetZoneMap(int x, int y) const {
    if (!onGrid(x, y) || m_currentMap == nullptr) return nullptr;
    return m_currentMap->IsSurface() ? m_sectionMaps[size_t(SectionSlotAt(x, y))] : m_currentMap;
}

SPlacedObject* SStateGame::FindObjectAt(int x, int y, uint8_t id) const {
    SMap* map = GetZoneMap(x, y);
    return map != nullptr ? map->FindObject(id) : nullptr;
}

bool SStateGame::IsCellExplored(int x, int y) const {
    const SMap* map = GetZoneMap(x, y);
    if (map == nullptr) return false;
    if (!m_currentMap->IsSurface()) return map->IsExplored(x, y);
    const SSectionSlot& slot = SectionSlot(SectionSlotAt(x, y));
    return map->IsExplored(x + slot.x - slot.gx, y + slot.y - slot.gy);
}

const SAutomapCell* SStateGame::GetAutomapCell(int x, int y) const {
    return onGrid(x, y) ? &m_automap[size_t(y * kGridSize + x)] : nullptr;
}

SAutomapCell* SStateGame::GetAutomapCell(int x, int y) {
    return onGrid(x, y) ? &m_automap[size_t(y * kGridSize + x)] : nullptr;
}

void SStateGame::FormatTime(SString& out) const {
    const unsigned hour = (m_minutes / 60) % 24, minute = m_minutes % 60;
    const unsigned shown = hour % 12 == 0 ? 12 : hour % 12;
    out.Format("%u:%02u %s", shown, minute, hour < 12 ? "am" : "pm");
}

void SStateGame::FormatDayTime(SString& out) const {
    SString time;
    FormatTime(time);
    out.Format("Day %u, %s", unsigned(m_minutes / kMinutesPerDay + 1), time.Text());
}

bool SStateGame::LocateObject(const SMap& map, const SPlacedObject& object, SGridPlace& place) const {
    if (m_grid == nullptr || object.id == 0) return false;
    for (int layer = 1; layer <= 2; ++layer) {
        for (int y = 0; y < kGridSize; ++y) {
            for (int x = 0; x < kGridSize; ++x) {
                if (GetZoneMap(x, y) != &map) continue;
                const int side = layer == 1 ? placeOf(m_grid->Cell(x, y), object.id)
                                            : placeOf(m_grid->Shadow(x, y), object.id);
                if (side == kNoSide) continue;
                place = {x, y, side, layer};
                return true;
            }
        }
    }
    return false;
}

void SStateGame::ApplyCellChanges(std::vector<SCellEvent>& changes) {
    m_cellChanges.insert(m_cellChanges.end(), changes.begin(), changes.end());
    changes.clear();
}

SStateGame* SStateGame::Of(const SGameData& game) { return dynamic_cast<SStateGame*>(game.Screen(kPlayScreen)); }

void SStateGame::StopAmbientSounds(bool pauseMusic) {
    ++m_ambientStops;
    m_musicPaused = m_musicPaused || pauseMusic;
}

void SStateGame::QueueMessage(const char* text, uint32_t buttons, const char* sound) {
    m_queuedMessages.push_back({text ? text : "", buttons, sound ? sound : ""});
}

void SStateGame::QueueTravelToCoords(const char* package, const char* map, uint8_t x, uint8_t y, uint8_t direction,
                                     uint32_t transition) {
    m_queuedTravels.push_back({package ? package : "", map ? map : "", x, y, direction, transition});
}

void SStateGame::TravelToPosition(const char* position, uint32_t) {
    m_positionTravels.emplace_back(position ? position : "");
}
