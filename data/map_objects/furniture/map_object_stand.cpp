#include "data/map_objects/furniture/map_object_stand.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kStandDrawCode = 35;

}  // namespace

bool SMapObjectStand::IsBlocking(const SPlacedObject* object) const { return IsThere(object); }

void SMapObjectStand::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    record.m_kind = kStandingPicture;
    SetCentredPicture(record, PictureId(IsOff(object) ? 0 : 1), cell.centrePalette);
    record.m_drawCode = kStandDrawCode;
}
