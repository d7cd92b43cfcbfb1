#include "data/map_objects/furniture/map_object_shelf.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kShelfDrawCode = 29;  // + the side
constexpr int kObliquePicture = 1;

}  // namespace

void SMapObjectShelf::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record, uint16_t&) {
    if (!IsSide(side)) return;
    SSidePicture shelf = FacePicture(cell.sides[side], side, kObliquePicture);
    shelf.placement |= SSideOverlayRecord::kProjecting;
    shelf.drawCode = uint16_t(kShelfDrawCode + side);
    SetSidePicture(record, side, shelf);
}
