#include "data/map_objects/furniture/map_object_container.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kContainerDrawCode = 11;  // + the side

}  // namespace

void SMapObjectContainer::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record,
                                          uint16_t&) {
    if (!IsSide(side)) return;
    SSidePicture chest = MountedPicture(cell.sides[side], side);
    chest.drawCode = uint16_t(kContainerDrawCode + side);
    SetSidePicture(record, side, chest);
}
