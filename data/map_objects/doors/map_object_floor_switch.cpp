#include "data/map_objects/doors/map_object_floor_switch.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kFloorSwitchDrawCode = 17;

}  // namespace

void SMapObjectFloorSwitch::InitInstance(SPlacedObject& object) { object.flags |= SPlacedObject::kClosed; }

void SMapObjectFloorSwitch::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                            uint16_t&) {
    record.m_kind = kStandingPicture;
    SetCentredPicture(record, PictureId(IsOff(object) ? 0 : 1), cell.centrePalette);
    record.m_drawCode = kFloorSwitchDrawCode;
}

int SMapObjectFloorSwitch::OnEvent(uint32_t event, SMap*, SPlacedObject*, SMapCell*, int, int, bool& changed) {
    if (event == kSteppedOn || event == kSteppedOff) changed = true;
    return 0;
}
