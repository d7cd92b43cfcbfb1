#include "data/map_objects/free_standing/map_object_web.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kWebDrawCode = 52;
constexpr int kTornPicture = 1;

}  // namespace

bool SMapObjectWeb::IsBlocking(const SPlacedObject* object) const { return IsVisibleAndOn(object); }

void SMapObjectWeb::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    const SMapObjectScreen* screen = Screen();
    if (screen && screen->PlayerCell() == &cell) return;
    SetCrossPicture(record, cell, kWebDrawCode);
    SetCentredPicture(record, PictureId(IsOff(object) ? kTornPicture : 0), cell.centrePalette);
}

int SMapObjectWeb::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool& changed) {
    if (event != kAttacked || object == nullptr) return 0;
    object->flags |= SPlacedObject::kClosed;
    changed = true;
    return 0;
}
