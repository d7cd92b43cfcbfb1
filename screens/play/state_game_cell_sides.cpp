// The sides of a cell's view records: what the walls around a cell show towards it (decorations,
// side objects, a shelf's goods), and the cells a script changed, built again.
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"
#include "screens/play/world_grid.h"

using namespace grid_rules;

namespace {

// A shelf's goods replace the low bits of its side's item-stack word.
constexpr uint16_t kShelfKeptBits = 0xF000;

bool isWall(const SMapObjectType* type) { return HasCode(type, kWallCode); }

}  // namespace

// The wall beside the cell on `side` shows its own side t, the one facing back, through the
// builders of its decoration and its side object; they write the cell's entry for `side`.
void SStateGame::buildSideFrom(int x, int y, int side, bool secondLayer) {
    SWorldGrid* grid = OwnGrid();
    const int nx = x + play_tables::kSideDx[side], ny = y + play_tables::kSideDy[side];
    if (grid == nullptr || !IsOnGrid(nx, ny)) return;
    SMap* map = GetZoneMap(nx, ny);
    const int t = (side + 2) % 4;
    SSideOverlayRecord& record = grid->Side(SWorldGrid::RecordNumber(x, y, secondLayer));
    auto objectOf = [map](uint8_t id) { return map != nullptr ? map->FindObject(id) : nullptr; };
    if (secondLayer) {
        SMapCellShadow& wall = grid->Shadow(nx, ny);
        if (!isWall(wall.centreType) || !IsShown(objectOf(wall.centreId))) return;
        uint16_t& light = grid->ExtraView(x, y).m_light;
        SMapCellSide& cellSide = wall.sides[t];
        if (cellSide.decorationType) cellSide.decorationType->BuildShadowSideRecord(nullptr, wall, t, record, light);
        if (cellSide.wallType)
            cellSide.wallType->BuildShadowSideRecord(objectOf(cellSide.objectId), wall, t, record, light);
        return;
    }
    SMapCell& wall = grid->Cell(nx, ny);
    if (!isWall(wall.centreType) || !IsShown(objectOf(wall.centreId))) return;
    uint16_t& light = grid->View(x, y).m_light;
    SMapCellSide& cellSide = wall.sides[t];
    if (cellSide.decorationType) cellSide.decorationType->BuildSideRecord(nullptr, wall, t, record, light);
    SPlacedObject* object = objectOf(cellSide.objectId);
    if (cellSide.wallType == nullptr || !IsShown(object)) return;
    cellSide.wallType->BuildSideRecord(object, wall, t, record, light);
    SItemList* goods = object != nullptr && cellSide.wallType->m_typeCode == kShelfCode
                           ? map->FindContainer(object->containerId)
                           : nullptr;
    if (goods == nullptr) return;
    uint16_t& stack = record.m_itemStack[side];
    stack = uint16_t((stack & kShelfKeptBits) | goods->m_serial);
    fillPileDisplay(*goods);
}

void SStateGame::BuildCellSide(int x, int y, int side) {
    SWorldGrid* grid = OwnGrid();
    const int nx = x + play_tables::kSideDx[side], ny = y + play_tables::kSideDy[side];
    if (grid == nullptr || !IsOnGrid(x, y) || !IsOnGrid(nx, ny)) return;
    clearSideColumn(grid->Side(SWorldGrid::RecordNumber(x, y, false)), side);
    buildSideFrom(x, y, side, false);
}

void SStateGame::BuildSecondLayerSide(int x, int y, int side) {
    SWorldGrid* grid = OwnGrid();
    const int nx = x + play_tables::kSideDx[side], ny = y + play_tables::kSideDy[side];
    if (grid == nullptr || !IsOnGrid(x, y) || !IsOnGrid(nx, ny)) return;
    clearSideColumn(grid->Side(SWorldGrid::RecordNumber(x, y, true)), side);
    buildSideFrom(x, y, side, true);
}

void SStateGame::clearSideColumn(SSideOverlayRecord& record, int side) {
    for (uint16_t* row :
         {record.m_position, record.m_picture, record.m_obliquePicture, record.m_palette, record.m_secondPosition,
          record.m_secondPicture, record.m_secondPalette, record.m_itemStack, record.m_drawCode})
        row[side] = 0;
}

// A change to a side of a cell shows on the neighbour that side faces, on its side facing back.
void SStateGame::ApplyCellChange(const SCellEvent& change) {
    const SGridPlace& place = change.place;
    const bool secondLayer = place.layer != 1;
    if (place.side < 0 || place.side > 3) {
        if (secondLayer)
            BuildSecondLayerView(place.x, place.y);
        else
            BuildCellView(place.x, place.y);
        return;
    }
    const int nx = place.x + play_tables::kSideDx[place.side], ny = place.y + play_tables::kSideDy[place.side];
    const int facingBack = (place.side + 2) % 4;
    if (secondLayer)
        BuildSecondLayerSide(nx, ny, facingBack);
    else
        BuildCellSide(nx, ny, facingBack);
}

void SStateGame::ApplyCellChanges(std::vector<SCellEvent>& changes) {
    m_cellChanges.insert(m_cellChanges.end(), changes.begin(), changes.end());
    changes.clear();
    ApplyPendingCellChanges();
}

void SStateGame::ApplyPendingCellChanges() {
    // Taken first: a builder may change cells of its own.
    std::vector<SCellEvent> changes = std::move(m_cellChanges);
    m_cellChanges.clear();
    for (const SCellEvent& change : changes) ApplyCellChange(change);
}
