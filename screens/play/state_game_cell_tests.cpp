// What stands in a grid cell, as movement, monsters and the view builders ask it.
#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "screens/play/grid_cell_rules.h"
#include "screens/play/state_game.h"

using namespace grid_rules;

namespace {

// A texture decoration of this flag lies open on the floor.
constexpr uint16_t kOpenDecor = 0x8000;

}  // namespace

bool SStateGame::IsWallAt(int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    return cell != nullptr && HasCode(cell->floorType, kWallCode);
}

// An object that is missing, or that the map does not know, counts as present.
bool SStateGame::isCentrePresent(int x, int y, const SMapCell& cell) const {
    const SPlacedObject* object = cell.centreId != 0 ? FindObjectAt(x, y, cell.centreId) : nullptr;
    return IsShown(object);
}

bool SStateGame::IsSolidWall(int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    return cell != nullptr && HasCode(cell->centreType, kWallCode) && isCentrePresent(x, y, *cell);
}

bool SStateGame::IsOpenTextureDecor(int x, int y) const {
    const SMapCell* cell = GetCell(x, y);
    return cell != nullptr && HasCode(cell->centreType, kTextureDecorCode) &&
           (cell->centreType->m_flags & kOpenDecor) != 0 && isCentrePresent(x, y, *cell);
}

bool SStateGame::CheckWallsEastWest() const {
    const SMapCell* east = GetCell(m_buildX + 1, m_buildY);
    const SMapCell* west = GetCell(m_buildX - 1, m_buildY);
    return east != nullptr && west != nullptr && HasCode(east->centreType, kWallCode) &&
           HasCode(west->centreType, kWallCode);
}

// The floor overlay is asked before the floor; the palette tells grounds of one type apart.
bool SStateGame::IsGroundCode3(int x, int y, bool goOn, uint16_t& value) const {
    if (const SMapCell* cell = GetCell(x, y)) {
        const std::pair<const SMapObjectType*, uint16_t> entries[] = {
            {cell->floorOverlay, 0}, {cell->floorType, PaletteSlot(cell->floorPalette)}};
        for (const auto& [type, entryValue] : entries) {
            if (type == nullptr) continue;
            if (type->m_typeCode == kAnimatedGroundCode) {
                if (value == 0) {
                    value = entryValue;
                    return true;
                }
                if (entryValue == value) return true;
            }
            if (!goOn) return false;
        }
    }
    value = 0;
    const SMap* map = GetZoneMap(x, y);
    return map != nullptr && HasCode(map->FloorType(), kAnimatedGroundCode);
}

bool SStateGame::IsCellBlocked(const SMap& map, const SMapCell& cell) const {
    return cell.centreType != nullptr && cell.centreType->IsBlocking(map.FindObject(cell.centreId));
}
