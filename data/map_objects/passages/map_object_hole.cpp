#include "data/map_objects/passages/map_object_hole.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kHoleDrawCode = 19;
constexpr int kFallKind = 4;
constexpr int kClosedKind = 2;
constexpr int kAskedClosedKind = 3;
constexpr int kAskFlag = 1;

}  // namespace

void SMapObjectHole::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    if (m_flags & kLiesFlat) {
        record.m_kind = kFlatPicture;
        SetCentredPicture(record, PictureId(0), cell.centrePalette);
        return;
    }
    record.m_kind = kStandingPicture;
    SetCentredPicture(record, PictureId(IsOff(object) ? 0 : 1), cell.centrePalette);
    record.m_drawCode = kHoleDrawCode;
}

int SMapObjectHole::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    if (event != kSteppedOn || object == nullptr || (m_flags & kLeadsSomewhere) == 0) return 0;
    const bool open = !IsOff(object);
    TravelTo(object->textA.Text(),
             {open ? kFallKind : kClosedKind, open ? kFallKind : kAskedClosedKind, kAskFlag, false});
    return 0;
}
