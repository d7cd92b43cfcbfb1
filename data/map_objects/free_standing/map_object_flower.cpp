#include "data/map_objects/free_standing/map_object_flower.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"
#include "engine/base/string.h"

namespace {

constexpr uint16_t kFlowerDrawCode = 18;
constexpr int kPickedPicture = 1;

}  // namespace

void SMapObjectFlower::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    const bool showsPicked = PictureNameCount() > 1 && IsOff(object);
    record.m_kind = kStandingPicture;
    SetCentredPicture(record, PictureId(showsPicked ? kPickedPicture : 0), cell.centrePalette);
    record.m_drawCode = kFlowerDrawCode;
}

int SMapObjectFlower::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool& changed) {
    SMapObjectScreen* screen = Screen();
    if (event != kUsed || screen == nullptr || object == nullptr || IsOff(object)) return 0;
    SItemType* ingredient = FindIngredientType();
    if (ingredient == nullptr) return 0;
    object->flags |= SPlacedObject::kClosed;
    screen->GiveItems(*ingredient, 1);
    screen->PlaySound("bsnd_tearflower", SMapObjectScreen::kLoudest);
    SString message("You have found ");
    screen->AppendItemPhrase(*ingredient, 1, message);
    message.Append(".");
    screen->ShowMessage(message.Text());
    changed = true;
    return 0;
}
