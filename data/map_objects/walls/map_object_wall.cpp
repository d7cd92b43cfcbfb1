#include "data/map_objects/walls/map_object_wall.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "data/package/module.h"

namespace {

constexpr uint16_t kWallDrawCode = 41;
constexpr size_t kDefaultUpperEntry = 11;

}  // namespace

bool SMapObjectWall::IsBlocking(const SPlacedObject* object) const { return IsThere(object); }

void SMapObjectWall::BuildCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    record.m_kind = kWallBlock;
    SetPicture(record, 0, FirstPicture(cell.centreType), cell.centrePalette);
    if (cell.upperType) SetPicture(record, 1, FirstPicture(cell.upperType), cell.upperPalette);
    record.m_drawCode = kWallDrawCode;
}

void SMapObjectWall::BuildShadowCellRecord(SPlacedObject*, SMapCellShadow& cell, SObjectTypeRecord& record, uint16_t&) {
    if (cell.upperType == nullptr) cell.upperType = defaultUpperType();
    record.m_kind = kWallBlock;
    SetPicture(record, 0, FirstPicture(cell.floorType), cell.floorPalette);
    SetPicture(record, 1, FirstPicture(cell.centreType), cell.centrePalette);
    SetPicture(record, 2, FirstPicture(cell.upperType), cell.upperPalette);
}

SMapObjectType* SMapObjectWall::defaultUpperType() const {
    const SMapObjectScreen* screen = Screen();
    const SModule* world = screen ? screen->CurrentWorld() : nullptr;
    if (world == nullptr) return nullptr;
    const std::vector<SMapObjectType*>& index = world->MapObjectTypeIndex();
    if (kDefaultUpperEntry < index.size() && index[kDefaultUpperEntry]) return index[kDefaultUpperEntry];
    return world->DefaultFloorType();
}
