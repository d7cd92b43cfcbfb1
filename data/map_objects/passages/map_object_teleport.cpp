#include "data/map_objects/passages/map_object_teleport.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr uint16_t kTeleportDrawCode = 37;
constexpr uint16_t kTeleportLit = 512;
constexpr int kTeleportKind = 1;
constexpr int kTeleportAskFlag = 1;

// Up through the frames and back down, without showing either end twice.
int pingPong(uint32_t tick, int frames) {
    const int period = 2 * (frames - 1);
    if (period <= 0) return 0;
    const int step = int(tick % uint32_t(period));
    return step < frames ? step : period - step;
}

}  // namespace

void SMapObjectTeleport::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                         uint16_t& light) {
    BuildAnimatedCellRecord(object, cell, record, light);
}

void SMapObjectTeleport::BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                                 uint16_t& light) {
    SMapObjectScreen* screen = Screen();
    record.m_kind = kStandingPicture;
    record.m_drawCode = kTeleportDrawCode;
    const int frames = Frames();
    if (IsOff(object) || frames == 0 || screen == nullptr) {
        SetCentredPicture(record, PictureId(0), cell.centrePalette);
        return;
    }
    SetCentredPicture(record, PictureId(1 + pingPong(screen->AnimationTick(), frames)), cell.centrePalette);
    if (!screen->IsOutdoorDay()) RaiseLight(light, kTeleportLit, screen->Flicker());
}

const char* SMapObjectTeleport::GetAmbientSound(const SPlacedObject* object, const SMapCell&) const {
    return !IsOff(object) && Frames() > 0 ? AmbientParam() : nullptr;
}

int SMapObjectTeleport::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    if (event == kSteppedOn && object != nullptr && !IsOff(object))
        TravelTo(object->textA.Text(), {kTeleportKind, kTeleportKind, kTeleportAskFlag, true});
    return 0;
}
