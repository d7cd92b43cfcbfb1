#include "data/map_objects/passages/map_object_stair.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/linked_fire.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kGoesDown = 0x01;
constexpr int kUpKind = 7;
constexpr int kDownKind = 6;
constexpr uint16_t kStepsPlace = 44;
// The renderer draws a framed picture only inside its frame, the fourth picture; the flames
// follow it, as beside a door.
constexpr int kStairFramePicture = 3;
constexpr int kStairFlameSlot = 4;
constexpr uint32_t kStairFlameStep = 1;
constexpr uint16_t kStairDrawCodeBetweenWalls = 33;
constexpr uint16_t kStairDrawCode = 34;

bool goesDown(const SPlacedObject* object) { return object != nullptr && (object->state & kGoesDown) != 0; }

}  // namespace

bool SMapObjectStair::IsBlocking(const SPlacedObject*) const { return true; }

void SMapObjectStair::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                      uint16_t& light) {
    record.m_kind = kFramedPicture;
    // The steps, in the arch that the type's first picture draws below them.
    SetPicture(record, 0, PictureId(goesDown(object) ? 2 : 1), cell.centrePalette);
    SetPicture(record, kStairFramePicture, PictureId(0), cell.centrePalette);
    record.m_x[0] = kStepsPlace;
    const SMapObjectScreen* screen = Screen();
    record.m_drawCode = screen && screen->HasWallsEastAndWest() ? kStairDrawCodeBetweenWalls : kStairDrawCode;
    setFlames(cell, record, light);
}

void SMapObjectStair::BuildAnimatedCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record,
                                              uint16_t& light) {
    setFlames(cell, record, light);
}

const char* SMapObjectStair::GetAmbientSound(const SPlacedObject*, const SMapCell&) const {
    return FireBurns(FindLinkedType(*this), Screen()) ? "bsnd_fire" : nullptr;
}

int SMapObjectStair::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    if (event != kUsed || object == nullptr) return 0;
    const int kind = goesDown(object) ? kDownKind : kUpKind;
    TravelTo(object->textA.Text(), {kind, kind, 0, false});
    return 0;
}

void SMapObjectStair::setFlames(SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) const {
    SMapObjectScreen* screen = Screen();
    const SMapObjectType* fire = FindLinkedType(*this);
    if (FireBurns(fire, screen))
        SetFlames(record, kStairFlameSlot, *fire, *screen, kStairFlameStep, {m_place[0], m_place[1]},
                  cell.centrePalette, light);
}
