#include "data/map_objects/furniture/map_object_sign.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

void SMapObjectSign::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record, uint16_t&) {
    if (!IsSide(side)) return;
    const SMapCellSide& cellSide = cell.sides[side];
    if (cellSide.wallType == this) {
        SetSidePicture(record, side, MountedPicture(cellSide, side));
        return;
    }
    const uint16_t picture = PictureId(0);
    const int e = SideEntry(side);
    record.m_secondPosition[e] = PlaceOnWallFlagged(side, picture, false, m_placeA, m_placeB);
    record.m_secondPicture[e] = picture;
    record.m_secondPalette[e] = PaletteSlot(cellSide.decorationPalette);
}
