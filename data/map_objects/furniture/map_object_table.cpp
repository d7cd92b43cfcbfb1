#include "data/map_objects/furniture/map_object_table.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kTableDrawCode = 36;

}  // namespace

bool SMapObjectTable::IsBlocking(const SPlacedObject* object) const { return IsThere(object); }

void SMapObjectTable::BuildCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    record.m_kind = kStandingPicture;
    SetCentredPicture(record, FirstPicture(cell.centreType), cell.centrePalette);
    record.m_drawCode = kTableDrawCode;
}

int SMapObjectTable::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    SMapObjectScreen* screen = Screen();
    if (event != kUsed || object == nullptr || object->textA.IsEmpty() || screen == nullptr) return 0;
    SString text(object->textA);
    screen->SubstituteText(text);
    screen->ShowMessage(text.Text());
    return 0;
}
