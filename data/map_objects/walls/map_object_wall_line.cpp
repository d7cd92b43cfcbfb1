#include "data/map_objects/walls/map_object_wall_line.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

void SMapObjectWallLine::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record,
                                         uint16_t&) {
    if (IsSide(side)) buildSide(cell.sides[side], side, record);
}

void SMapObjectWallLine::BuildShadowSideRecord(SPlacedObject*, SMapCellShadow& cell, int side,
                                               SSideOverlayRecord& record, uint16_t&) {
    if (IsSide(side)) buildSide(cell.sides[side], side, record);
}

void SMapObjectWallLine::buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record) {
    const int e = SideEntry(side);
    record.m_secondPosition[e] = SSideOverlayRecord::kWallOverlay;
    record.m_secondPicture[e] = FirstPicture(cellSide.decorationType);
    record.m_secondPalette[e] = PaletteSlot(cellSide.decorationPalette);
}
