#include "data/map_objects/doors/map_object_secret_switch.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

void SMapObjectSecretSwitch::BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side,
                                             SSideOverlayRecord& record, uint16_t&) {
    if (!IsSide(side)) return;
    const uint16_t picture = PictureId(IsOff(object) ? 0 : 1);
    SetSidePicture(
        record, side,
        {PlaceOnWall(side, picture, m_placeA, m_place[3]), picture, PictureId(2), cell.sides[side].wallPalette, 0});
}
