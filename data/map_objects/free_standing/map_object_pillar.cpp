#include "data/map_objects/free_standing/map_object_pillar.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kPillarDrawCode = 28;

}  // namespace

void SMapObjectPillar::BuildCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    record.m_kind = kTurningPicture;
    SetPicture(record, 0, PictureId(0), cell.centrePalette);
    record.m_drawCode = kPillarDrawCode;
}
