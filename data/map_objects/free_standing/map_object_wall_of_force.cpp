#include "data/map_objects/free_standing/map_object_wall_of_force.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kWallOfForceDrawCode = 50;

}  // namespace

bool SMapObjectWallOfForce::IsBlocking(const SPlacedObject* object) const { return IsVisibleAndOn(object); }

void SMapObjectWallOfForce::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                            uint16_t& light) {
    if (IsOff(object)) return;
    SetCrossPicture(record, cell, kWallOfForceDrawCode);
    BuildAnimatedCellRecord(object, cell, record, light);
}

void SMapObjectWallOfForce::BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                                    uint16_t&) {
    if (IsOff(object)) return;
    const SMapObjectScreen* screen = Screen();
    const uint32_t tick = screen ? screen->AnimationTick() : 0;
    SetCentredPicture(record, PictureId(Frames() ? int(tick % Frames()) : 0), cell.centrePalette);
}

const char* SMapObjectWallOfForce::GetAmbientSound(const SPlacedObject* object, const SMapCell&) const {
    return IsOff(object) ? nullptr : AmbientParam();
}
