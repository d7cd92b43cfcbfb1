// The upkeep of the cells around the player: animated records built again, light spread from
// bright cells to their neighbours, and doors moving on.
#include <algorithm>

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"
#include "screens/play/world_grid.h"

using namespace grid_rules;

namespace {

constexpr int kAhead = 6;
constexpr int kBehind = 3;
constexpr int kDoorReach = 6;
// A bright cell gives its neighbours a fifth of its light.
constexpr int kSpreadShare = 5;

}  // namespace

// The window reaches less far behind the player than ahead and to the sides.
void SStateGame::nearbyWindow(int& left, int& top, int& right, int& bottom) const {
    const uint32_t h = m_heading % 360;
    const int west = h >= 225 && h <= 315 ? kBehind : kAhead;
    const int north = h >= 135 && h <= 225 ? kBehind : kAhead;
    const int east = h >= 45 && h <= 135 ? kBehind : kAhead;
    const int south = h <= 45 || h >= 315 ? kBehind : kAhead;
    left = std::max(0, m_playerX - west);
    right = std::min(kGridSize - 1, m_playerX + east);
    top = std::max(0, m_playerY - north);
    bottom = std::min(kGridSize - 1, m_playerY + south);
}

// Each update starts from the light the cells were built with, so that the spread never adds up
// over the updates.
void SStateGame::UpdateNearbyCells(bool rebuildAnimated, bool spreadLight) {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr || m_currentMap == nullptr) return;
    int left = 0, top = 0, right = 0, bottom = 0;
    nearbyWindow(left, top, right, bottom);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            grid->View(x, y).m_light = grid->BuiltLight(x, y);
            if (rebuildAnimated) rebuildAnimatedCell(x, y);
        }
    }
    if (spreadLight) spreadLightIn(left, top, right, bottom);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (const SMap* map = GetZoneMap(x, y)) DimOnDimMap(*map, grid->View(x, y).m_light);
        }
    }
}

void SStateGame::rebuildAnimatedCell(int x, int y) {
    SWorldGrid& grid = *OwnGrid();
    SMap* map = GetZoneMap(x, y);
    if (map == nullptr) return;
    SCellViewRecord& view = grid.View(x, y);
    SMapCell& cell = grid.Cell(x, y);
    SPlacedObject* object = map->FindObject(cell.centreId);
    if (cell.centreType != nullptr && cell.centreType->IsAnimated() && IsShown(object))
        cell.centreType->BuildAnimatedCellRecord(object, cell, grid.Geometry(view.m_objectType), view.m_light);
    SMapCellShadow& shadow = grid.Shadow(x, y);
    SCellExtraRecord& extra = grid.ExtraView(x, y);
    SPlacedObject* shadowObject = map->FindObject(shadow.centreId);
    if (shadow.centreType != nullptr && shadow.centreType->IsAnimated() && IsShown(shadowObject))
        shadow.centreType->BuildAnimatedShadowCellRecord(shadowObject, shadow, grid.Geometry(extra.m_objectType),
                                                         extra.m_light);
    // The walls around show their animated sides towards the cell.
    for (int side = 0; side < 4; ++side) {
        const int nx = x + play_tables::kSideDx[side], ny = y + play_tables::kSideDy[side];
        SMapCell* wall = GetCell(nx, ny);
        SMap* wallMap = GetZoneMap(nx, ny);
        if (wall == nullptr || wallMap == nullptr) continue;
        SMapCellSide& wallSide = wall->sides[(side + 2) % 4];
        SPlacedObject* sideObject = wallMap->FindObject(wallSide.objectId);
        for (SMapObjectType* type : {wallSide.decorationType, wallSide.wallType}) {
            if (type == nullptr || !type->IsAnimated() || !IsShown(sideObject)) continue;
            type->BuildAnimatedSideRecord(type == wallSide.wallType ? sideObject : nullptr, *wall, (side + 2) % 4,
                                          grid.Side(view.m_sideOverlay), view.m_light);
        }
    }
}

// A cell brighter than plain offers a fifth of its light to each cell of its 3 x 3 block that no
// wall stands in; each takes the largest offer.
void SStateGame::spreadLightIn(int left, int top, int right, int bottom) {
    SWorldGrid& grid = *OwnGrid();
    const int width = right - left + 1, height = bottom - top + 1;
    std::vector<uint16_t> offers(size_t(width * height), 0);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const uint16_t light = grid.View(x, y).m_light;
            if (light <= kPlainLight) continue;
            for (int n = 0; n < play_tables::kNeighbours; ++n) {
                const int dx = play_tables::kNeighbourDx[n], dy = play_tables::kNeighbourDy[n];
                const int nx = x + dx, ny = y + dy;
                if (nx < left || ny < top || nx > right || ny > bottom || !lightPasses(x, y, dx, dy)) continue;
                uint16_t& offer = offers[size_t((ny - top) * width + nx - left)];
                offer = std::max<uint16_t>(offer, uint16_t(light / kSpreadShare));
            }
        }
    }
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            uint16_t& light = grid.View(x, y).m_light;
            light = uint16_t(std::min(0xFFFF, light + offers[size_t((y - top) * width + x - left)]));
        }
}

// Light does not go into a wall, nor round a corner that walls close on both sides.
bool SStateGame::lightPasses(int x, int y, int dx, int dy) const {
    if (IsSolidWall(x + dx, y + dy)) return false;
    return dx == 0 || dy == 0 || !IsSolidWall(x + dx, y) || !IsSolidWall(x, y + dy);
}

void SStateGame::TickDoors() {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr || m_currentMap == nullptr) return;
    const int left = std::max(0, m_playerX - kDoorReach), right = std::min(kGridSize - 1, m_playerX + kDoorReach);
    const int top = std::max(0, m_playerY - kDoorReach), bottom = std::min(kGridSize - 1, m_playerY + kDoorReach);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            SMapCell& cell = grid->Cell(x, y);
            if (cell.centreType == nullptr) continue;
            const uint8_t code = cell.centreType->m_typeCode;
            if (code != kDoorCode && code != kSlidingDoorCode) continue;
            SPlacedObject* door = FindObjectAt(x, y, cell.centreId);
            cell.centreType->Tick(door, x, y, cell, grid->Geometry(SWorldGrid::RecordNumber(x, y, false)));
        }
    }
}
