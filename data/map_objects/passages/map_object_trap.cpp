#include "data/map_objects/passages/map_object_trap.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map_cell.h"
#include "data/maps/placed_object.h"

namespace {

constexpr int kStrengthShift = 8;
constexpr int kStageShift = 12;
constexpr uint16_t kFieldMask = 15;
constexpr int kSpikes = 4;
constexpr int16_t kSpikesFirstRise = -8000;
constexpr int16_t kSpikesRisePerStage = -5000;
constexpr uint16_t kTrapDrawCode = 39;
// What armour stops entirely still grazes half the time, by up to 4.
constexpr int32_t kEscapeChance = 51;
constexpr int32_t kGrazeRolls = 5;

}  // namespace

int SMapObjectTrap::Stage(const SPlacedObject& object) { return (object.state >> kStageShift) & kFieldMask; }

void SMapObjectTrap::BuildCellRecord(SPlacedObject* object, SMapCell&, SObjectTypeRecord& record, uint16_t&) {
    buildAtRest(object, record);
}

void SMapObjectTrap::BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                             uint16_t&) {
    SMapObjectScreen* screen = Screen();
    if (object == nullptr || screen == nullptr || Stage(*object) == 0) return;
    const int stage = Stage(*object);
    if (screen->PlayerCell() != &cell || stage >= kLastStage) {
        setStage(*object, 0);
        buildAtRest(object, record);
        return;
    }
    if (stage == 1) screen->PlaySound("bsnd_trapback", SMapObjectScreen::kLoudest);
    record.m_kind = kRisingPictures;
    for (int k = 0; k < kSpikes; ++k) {
        SetPicture(record, k, PictureId(1), cell.centrePalette);
        screen->SpikePosition(k, record.m_x[k], record.m_y[k]);
    }
    record.m_height = uint16_t(stage < 2 ? kSpikesFirstRise : kSpikesRisePerStage * stage);
    setStage(*object, stage + 1);
}

int SMapObjectTrap::OnEvent(uint32_t event, SMap*, SPlacedObject* object, SMapCell*, int, int, bool&) {
    SMapObjectScreen* screen = Screen();
    if (event != kSteppedOn || object == nullptr || IsOff(object) || screen == nullptr) return 0;
    setStage(*object, 1);
    const int32_t blow = damage(*object, *screen);
    if (blow > 0) screen->HurtPlayer(blow);
    screen->PlaySound("bsnd_trap", SMapObjectScreen::kLoudest);
    return 0;
}

void SMapObjectTrap::setStage(SPlacedObject& object, int stage) {
    object.state = uint16_t((object.state & ~(kFieldMask << kStageShift)) | (stage << kStageShift));
}

void SMapObjectTrap::buildAtRest(const SPlacedObject* object, SObjectTypeRecord& record) const {
    record = {};
    const bool shown = object == nullptr || (object->flags & SPlacedObject::kVisible) != 0;
    record.m_drawCode = shown ? kTrapDrawCode : 0;
}

int32_t SMapObjectTrap::damage(const SPlacedObject& object, SMapObjectScreen& screen) const {
    const int32_t blow = ((object.state >> kStrengthShift) & kFieldMask) * 10 - screen.PlayerArmourClass();
    if (blow >= 1) return blow;
    if (screen.Random(100) < kEscapeChance) return 0;
    return screen.Random(kGrazeRolls);
}
