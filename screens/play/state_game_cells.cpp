// The view records of a grid cell, both layers, built from what the cell shows through the
// map-object types' builders and the monsters' sprites; the renderer reads nothing else.
#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/maps/map_header.h"
#include "data/monsters/monster.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"
#include "screens/play/world_grid.h"

using namespace grid_rules;

namespace {

// What a wall looks like, by which the cells of one wall know each other.
struct SWallLook {
    uint16_t picture = 0;
    uint16_t palette = 0;
    bool operator==(const SWallLook&) const = default;
};

}  // namespace

// A door or a web seen from its own cell is built as the player saw it from inside. The cell a
// step leaves is built again at once as seen from elsewhere, the player counted one cell west of
// it meanwhile.
void SStateGame::RebuildLeftCellView() {
    if (!m_step.IsWalking()) return;
    const SMapCell* cell = GetCell(m_playerX, m_playerY);
    if (cell == nullptr || !ShowsOtherwiseFromInside(cell->centreType)) return;
    const int x = m_playerX;
    m_playerX = x - 1;
    BuildCellView(x, m_playerY);
    m_playerX = x;
}

void SStateGame::BuildCellView(int x, int y) {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr || !IsOnGrid(x, y) || m_package == nullptr || m_currentMap == nullptr) return;
    const int number = SWorldGrid::RecordNumber(x, y, false);
    SCellViewRecord& view = grid->View(x, y);
    view = {};
    view.m_floor = uint16_t(y * kGridSize + x + 1);
    view.m_objectType = view.m_sideOverlay = uint16_t(number);
    view.m_light = kPlainLight;
    SObjectTypeRecord& geometry = grid->Geometry(number);
    geometry = {};
    grid->Side(number) = {};
    BuildGroundRecord(x, y);
    *GetAutomapCell(x, y) = DescribeAutomapCell(grid->Cell(x, y));
    SMap* map = GetZoneMap(x, y);
    if (map == nullptr) return;

    SMapCell& cell = grid->Cell(x, y);
    if (cell.centreType != nullptr) {
        SPlacedObject* object = map->FindObject(cell.centreId);
        if (IsShown(object)) {
            m_buildX = x;
            m_buildY = y;
            cell.centreType->BuildCellRecord(object, cell, geometry, view.m_light);
            if (HasCode(cell.centreType, kWallCode)) geometry.m_kind |= uint16_t(WallVariant(x, y, false) << 8);
            m_buildX = m_buildY = -1;
        }
    }
    for (int side = 0; side < 4; ++side) buildSideFrom(x, y, side, false);

    for (int slot = 0; slot < 2; ++slot) {
        SCreature* creature = map->FindCreature(cell.creatures[slot]);
        if (creature == nullptr || creature->monster == nullptr || !IsShown(map->FindObject(creature->ownerId)))
            continue;
        SItemPileRecord* sprite = grid->CreatureSprite(*creature);
        if (sprite == nullptr) continue;
        *sprite = {};
        if (std::optional<SMonsterContext> context = monsterContext(*map))
            creature->monster->PlaceSprite(*context, *creature, *sprite);
        view.m_itemPiles[slot] = creature->displaySlot;
    }
    if (SItemList* pile = map->FindContainer(uint8_t(cell.containerId))) {
        // A pile laid down in play (a monster's loot, the player's drop) has no number yet.
        if (pile->m_serial == 0 && m_nextPileNumber < SWorldGrid::kPileDisplays) pile->m_serial = NextPileNumber();
        view.m_floorItemStack = pile->m_serial;
        fillPileDisplay(*pile);
    }
    grid->SetBuiltLight(x, y, view.m_light);
    DimOnDimMap(*map, view.m_light);
}

void SStateGame::BuildSecondLayerView(int x, int y) {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr || !IsOnGrid(x, y) || m_package == nullptr || m_currentMap == nullptr) return;
    const int number = SWorldGrid::RecordNumber(x, y, true);
    SCellExtraRecord& extra = grid->ExtraView(x, y);
    extra = {uint16_t(number), uint16_t(number), kPlainLight};
    SObjectTypeRecord& geometry = grid->Geometry(number);
    geometry = {};
    grid->Side(number) = {};
    SMap* map = GetZoneMap(x, y);
    if (map == nullptr) return;

    SMapCellShadow& shadow = grid->Shadow(x, y);
    if (shadow.centreType != nullptr) {
        SPlacedObject* object = map->FindObject(shadow.centreId);
        if (IsShown(object)) {
            shadow.centreType->BuildShadowCellRecord(object, shadow, geometry, extra.m_light);
            if (HasCode(shadow.centreType, kWallCode) || HasCode(shadow.centreType, kTextureCode))
                geometry.m_kind |= uint16_t(WallVariant(x, y, true) << 8);
        }
    }
    for (int side = 0; side < 4; ++side) buildSideFrom(x, y, side, true);
    DimOnDimMap(*map, extra.m_light);
}

void SStateGame::fillPileDisplay(const SItemList& pile) {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr || pile.m_serial == 0 || pile.m_serial >= SWorldGrid::kPileDisplays) return;
    SItemStackRecord& display = grid->PileDisplay(pile.m_serial);
    display = {};
    const int shown = std::min(pile.Count(), int(std::size(display.m_pictures)));
    for (int k = 0; k < shown; ++k) display.m_pictures[k] = uint16_t(pile.At(k)->m_type->m_pictureSlot);
}

// A wall's own look, and which looks of the neighbours' layers count as the same wall: a first-layer
// wall joins first-layer walls and second-layer textures, a second-layer texture the reverse, and a
// second-layer wall only its own kind.
uint16_t SStateGame::WallVariant(int x, int y, bool secondLayer) const {
    auto lookOf = [](const SMapObjectType* type, const SPaletteEntry* palette) {
        return SWallLook{FirstPicture(type), PaletteSlot(palette)};
    };
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr) return 0;
    const SMapCellShadow& shadow = *GetShadowCell(x, y);
    const SMapObjectType* ownType = secondLayer ? shadow.centreType : cell->centreType;
    const SWallLook own = secondLayer ? lookOf(shadow.centreType, shadow.centrePalette)
                                      : lookOf(cell->centreType, cell->centrePalette);
    const bool secondLayerWall = secondLayer && HasCode(ownType, kWallCode);

    uint8_t mask = 0;
    for (int n = 0; n < play_tables::kNeighbours; ++n) {
        const int nx = x + play_tables::kNeighbourDx[n], ny = y + play_tables::kNeighbourDy[n];
        const SMapCell* first = GetCell(nx, ny);
        if (first == nullptr) continue;
        const SMapCellShadow& second = *GetShadowCell(nx, ny);
        const bool firstWall = HasCode(first->centreType, kWallCode) &&
                               IsShown(FindObjectAt(nx, ny, first->centreId)) &&
                               lookOf(first->centreType, first->centrePalette) == own;
        auto secondOf = [&](uint8_t code) {
            return HasCode(second.centreType, code) && IsShown(FindObjectAt(nx, ny, second.centreId)) &&
                   lookOf(second.centreType, second.centrePalette) == own;
        };
        const bool matches = secondLayerWall ? secondOf(kWallCode) : firstWall || secondOf(kTextureCode);
        if (matches) mask |= uint8_t(1 << n);
    }
    return play_tables::WallVariant(play_tables::KeepCornersBetweenEdges(mask));
}

// The floor, or the map's floor where the cell names none; an overlay on it blends towards the
// neighbours that do not share it by the overlay's picture for that neighbour mask, and covers the
// floor where the overlay has no such picture.
void SStateGame::BuildGroundRecord(int x, int y) {
    SWorldGrid* grid = OwnGrid();
    if (grid == nullptr || !IsOnGrid(x, y)) return;
    SFloorRecord& floor = grid->Floor(y * kGridSize + x + 1);
    floor = {};
    const SMap* map = GetZoneMap(x, y);
    if (map == nullptr) return;
    const SMapCell& cell = grid->Cell(x, y);
    const bool own = cell.floorType != nullptr;
    floor.m_pictures[0] = FirstPicture(own ? cell.floorType : map->FloorType());
    floor.m_palettes[0] = PaletteSlot(own ? cell.floorPalette : map->FloorPalette());
    if (cell.floorOverlay == nullptr) return;
    const uint16_t overlay = FirstPicture(cell.floorOverlay);
    const uint16_t blend = cell.floorOverlay->PictureId(play_tables::MaskNumber(GroundNeighbourMask(false, x, y)));
    if (blend == 0 || blend == overlay) {
        floor.m_pictures[0] = overlay;
        floor.m_palettes[0] = 0;
        return;
    }
    floor.m_pictures[1] = overlay;
    floor.m_masks[0] = blend;
}

uint8_t SStateGame::GroundNeighbourMask(bool upper, int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr) return 0;
    struct SGround {
        const SMapObjectType* type;
        const SPaletteEntry* palette;
        bool operator==(const SGround&) const = default;
    };
    const SGround ground = upper ? SGround{cell->floorType, cell->floorPalette} : SGround{cell->floorOverlay, nullptr};
    uint8_t mask = 0;
    for (int n = 0; n < play_tables::kNeighbours; ++n) {
        const int nx = x + play_tables::kNeighbourDx[n], ny = y + play_tables::kNeighbourDy[n];
        const SMapCell* neighbour = GetCell(nx, ny);
        if (neighbour == nullptr) continue;
        bool same = SGround{neighbour->floorType, neighbour->floorPalette} == ground ||
                    SGround{neighbour->floorOverlay, nullptr} == ground;
        if (!same) {
            const SMap* map = GetZoneMap(nx, ny);
            if (map == nullptr) map = m_currentMap;
            same = map != nullptr && SGround{map->FloorType(), map->FloorPalette()} == ground;
        }
        if (same) mask |= uint8_t(1 << n);
    }
    return play_tables::KeepCornersBetweenEdges(mask);
}

void SStateGame::RebuildAllCellViews() {
    if (m_package == nullptr || m_currentMap == nullptr) return;
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            BuildCellView(x, y);
            BuildSecondLayerView(x, y);
        }
    }
}
