#include "data/map_objects/walls/map_object_city_door.h"

#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kCityDoorDrawCode = 3;  // + the side
constexpr int kCityDoorObliquePicture = 1;

}  // namespace

void SMapObjectCityDoor::BuildSideRecord(SPlacedObject*, SMapCell& cell, int side, SSideOverlayRecord& record,
                                         uint16_t&) {
    BuildFace(cell.sides, side, kCityDoorObliquePicture, uint16_t(kCityDoorDrawCode + side), record);
}

void SMapObjectCityDoor::BuildShadowSideRecord(SPlacedObject*, SMapCellShadow& cell, int side,
                                               SSideOverlayRecord& record, uint16_t&) {
    BuildFace(cell.sides, side, kCityDoorObliquePicture, uint16_t(kCityDoorDrawCode + side), record);
}

int SMapObjectCityDoor::OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell*, int, int, bool&) {
    SMapObjectScreen* screen = Screen();
    if (event != kUsed || screen == nullptr) return 0;
    if (screen->TalkToObjectNpc(map, object, *this)) {
        screen->PlaySound("bsnd_cdooropen", SMapObjectScreen::kLoudest);
        screen->MarkEnteredThroughCityDoor();
    } else {
        screen->PlaySound("bsnd_cdoorclosed", SMapObjectScreen::kLoudest);
    }
    return 0;
}
