#include "data/map_objects/doors/map_object_lever.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kLeverDrawCode = 20;  // + the side

}  // namespace

void SMapObjectLever::BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                                      uint16_t&) {
    if (!IsSide(side)) return;
    const bool on = !IsOff(object);
    const uint16_t picture = PictureId(on ? 0 : 1);
    SetSidePicture(record, side,
                   {uint16_t(PlaceOnWall(side, picture, m_placeA, m_place[3]) | SSideOverlayRecord::kProjecting),
                    picture, PictureId(on ? 2 : 3), cell.sides[side].wallPalette, uint16_t(kLeverDrawCode + side)});
}
