#include "data/map_objects/walls/map_object_texture.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

void SMapObjectTexture::BuildShadowCellRecord(SPlacedObject*, SMapCellShadow& cell, SObjectTypeRecord& record,
                                              uint16_t&) {
    record.m_kind = kCanopy;
    SetPicture(record, 0, FirstPicture(cell.floorType), cell.floorPalette);
    SetPicture(record, 1, FirstPicture(cell.centreType), cell.centrePalette);
}
