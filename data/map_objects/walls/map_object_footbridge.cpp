#include "data/map_objects/walls/map_object_footbridge.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

void SMapObjectFootbridge::BuildShadowCellRecord(SPlacedObject*, SMapCellShadow& cell, SObjectTypeRecord& record,
                                                 uint16_t&) {
    record.m_kind = kUpperPanel;
    SetPicture(record, 0, FirstPicture(cell.centreType), cell.centrePalette);
}
