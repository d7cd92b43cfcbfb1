// The play screen's grid: its life, how it is filled from the maps, where things on it are, the
// automap's marks and the numbers of the creatures and piles on it.
#include <algorithm>

#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/map.h"
#include "data/package/module.h"
#include "game/game_data.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"
#include "screens/play/world_grid.h"

using namespace grid_rules;

namespace {

// The cone in front of the player that a look marks as seen, for a player facing north: five
// columns, the straight one first, each three rows deep. Other headings turn it.
constexpr int kConeColumns = 5;
constexpr int kConeRows = 3;
constexpr int kConeBudget = 5;
struct SConeStep {
    int ahead, right;
};
constexpr SConeStep kCone[kConeColumns][kConeRows] = {
    {{1, 0}, {2, 0}, {3, 0}},     // straight ahead
    {{1, -1}, {2, -1}, {3, -1}},  // one to the left
    {{1, 1}, {2, 1}, {3, 1}},     // one to the right
    {{0, 0}, {2, -2}, {3, -2}},   // two to the left, from the second row
    {{0, 0}, {2, 2}, {3, 2}},     // two to the right
};

}  // namespace

void SStateGame::AllocGrid() {
    m_worldGrid = std::make_unique<SWorldGrid>(*this);
    m_grid = m_worldGrid.get();
}

SWorldGrid* SStateGame::OwnGrid() const {
    return m_worldGrid != nullptr && m_grid == m_worldGrid.get() ? m_worldGrid.get() : nullptr;
}

void SStateGame::ClearGrid() {
    if (SWorldGrid* grid = OwnGrid()) grid->Clear();
}

void SStateGame::CollectAnimatedGround() {
    m_animatedGround.clear();
    const SMapObjectTypeTable& types = m_game->m_mapObjectTypes;
    for (int i = 0; i < types.Count(); ++i)
        if (SMapObjectType* type = types.GetTypeAt(i); type->m_typeCode == kAnimatedGroundCode)
            m_animatedGround.push_back({type, 0});
}

void SStateGame::FillGrid() {
    m_sectionMaps.fill(nullptr);
    m_package = m_game->m_packages.Current();
    m_currentMap = m_package != nullptr ? m_package->CurrentMap() : nullptr;
    CollectAnimatedGround();
    ClearGrid();
    if (m_currentMap == nullptr || m_grid == nullptr) return;
    if (m_currentMap->IsSurface()) return fillSurface();
    m_sectionMaps.fill(m_currentMap);
    m_currentMap->LoadCells(*m_grid, m_minutes);
}

void SStateGame::fillSurface() {
    // Every section is known before any loads, so that creatures placed while loading find their
    // cells through the slots.
    for (int i = 0; i < kSectionSlots; ++i) {
        const SSectionSlot& slot = SectionSlot(i);
        m_sectionMaps[size_t(i)] = i == kCurrentSectionSlot ? m_currentMap
                                                            : m_package->FindNeighbourMap(slot.dx, slot.dy);
    }
    for (int i = 0; i < kSectionSlots; ++i) {
        SMap* section = m_sectionMaps[size_t(i)];
        if (section == nullptr) continue;
        const SSectionSlot& slot = SectionSlot(i);
        section->LoadRegion(slot.x, slot.y, slot.w, slot.h, slot.gx, slot.gy, *m_grid, m_minutes);
        section->PlacePeopleInRect(slot.x, slot.y, slot.w, slot.h, *m_grid);
    }
}

SCellViewRecord* SStateGame::GetRenderCell(int x, int y) const {
    SWorldGrid* grid = OwnGrid();
    return grid != nullptr && IsOnGrid(x, y) ? &grid->View(x, y) : nullptr;
}

SMapObjectType* SStateGame::GetObjectTypeAt(const SMap& map, const SPlacedObject& object) const {
    SGridPlace place;
    if (!LocateObject(map, object, place)) return nullptr;
    if (place.layer == 1) {
        const SMapCell& cell = *GetCell(place.x, place.y);
        return place.side < 0 ? cell.centreType : cell.sides[place.side].wallType;
    }
    const SMapCellShadow& shadow = *GetShadowCell(place.x, place.y);
    return place.side < 0 ? shadow.centreType : shadow.sides[place.side].wallType;
}

bool SStateGame::LocateCreatureOfObject(const SMap& map, const SPlacedObject& object, int& x, int& y) const {
    const SCreature* creature = map.FindCreatureOfObject(object);
    return creature != nullptr && MapToGrid(map, creature->x, creature->y, x, y) && IsOnGrid(x, y);
}

void SStateGame::setExplored(int x, int y) {
    SMap* map = nullptr;
    int localX = 0, localY = 0;
    if (gridToLocal(x, y, map, localX, localY)) map->SetExplored(localX, localY);
}

// A wall stops the look: straight ahead it closes the cone's row behind it (and in the first row
// the whole cone), to the side it lets one more cell through and hides the column beyond it.
void SStateGame::MarkExplored() {
    setExplored(m_playerX, m_playerY);
    const uint32_t side = FacingSide();
    const int aheadX = play_tables::kSideDx[side], aheadY = play_tables::kSideDy[side];
    // Right of the facing direction is the next side clockwise.
    const int rightX = play_tables::kSideDx[(side + 1) % 4], rightY = play_tables::kSideDy[(side + 1) % 4];
    int budget[kConeColumns] = {kConeBudget, kConeBudget, kConeBudget, kConeBudget, kConeBudget};
    for (int row = 0; row < kConeRows; ++row) {
        for (int column = 0; column < kConeColumns; ++column) {
            const SConeStep step = kCone[column][row];
            if (budget[column] == 0 || (step.ahead == 0 && step.right == 0)) continue;
            const int x = m_playerX + step.ahead * aheadX + step.right * rightX;
            const int y = m_playerY + step.ahead * aheadY + step.right * rightY;
            if (!IsOnGrid(x, y)) continue;
            setExplored(x, y);
            --budget[column];
            if (!IsSolidWall(x, y)) continue;
            if (column == 0) {
                budget[0] = 0;
                if (row == 0) std::fill(budget + 1, budget + kConeColumns, 0);
            } else if (column <= 2) {
                budget[column] = 1;
                budget[column + 2] = 0;
            }
        }
    }
    // The automap shows the cells just seen.
    m_automapCtrl.SetDirty();
}

// Numbers count in row order over the whole grid, so that creatures and piles of the sections
// never share one; those off the grid keep none.
void SStateGame::RenumberGrid() {
    SWorldGrid* grid = OwnGrid();
    if (m_currentMap == nullptr || grid == nullptr) return;
    for (SMap* map : m_sectionMaps) {
        if (map == nullptr) continue;
        for (int i = 0; i < map->Creatures().Count(); ++i) map->Creatures()[i]->displaySlot = 0;
        for (int i = 0; i < map->Containers().Count(); ++i) map->Containers()[i]->m_serial = 0;
    }
    ResetCreatureNumbers();
    ResetPileNumbers();
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const SMap* map = GetZoneMap(x, y);
            if (map == nullptr) continue;
            const SMapCell& cell = grid->Cell(x, y);
            for (uint8_t id : cell.creatures)
                if (SCreature* creature = map->FindCreature(id)) creature->displaySlot = NextCreatureNumber();
            if (SItemList* pile = map->FindContainer(uint8_t(cell.containerId))) pile->m_serial = NextPileNumber();
            if (!HasCode(cell.centreType, kWallCode)) continue;
            for (const SMapCellSide& side : cell.sides) {
                if (!HasCode(side.wallType, kShelfCode)) continue;
                const SPlacedObject* shelf = map->FindObject(side.objectId);
                if (SItemList* goods = shelf ? map->FindContainer(shelf->containerId) : nullptr)
                    goods->m_serial = NextPileNumber();
            }
        }
    }
}

// Each animated ground shows its next frame wherever a floor record shows its current one.
void SStateGame::AnimateGround() {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr) return;
    for (SAnimatedGround& ground : m_animatedGround) {
        const int frames = ground.type->Frames();
        if (frames == 0) continue;
        if (ground.frame >= frames) ground.frame = 0;
        const uint16_t from = ground.type->PictureId(ground.frame);
        ground.frame = (ground.frame + 1) % frames;
        const uint16_t to = ground.type->PictureId(ground.frame);
        if (from == 0) continue;
        for (SFloorRecord& floor : grid->Floors())
            for (uint16_t& picture : floor.m_pictures)
                if (picture == from) picture = to;
    }
}
