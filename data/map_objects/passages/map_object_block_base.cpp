#include "data/map_objects/passages/map_object_block_base.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/linked_fire.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kLit = 512;

}  // namespace

bool SMapObjectBlockBase::IsBlocking(const SPlacedObject* object) const { return BlocksWhenSolid(object); }

void SMapObjectBlockBase::BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                                  uint16_t& light) {
    SMapObjectScreen* screen = Screen();
    if (screen == nullptr || IsOff(object) || isAsleep()) return;
    // Codes 7 and 8 count no frames of their own: their animation is their linked type's.
    const SMapObjectType* linked = FindLinkedType(*this);
    const SMapObjectType& animation = linked ? *linked : *this;
    const int frame = animation.Frames() == 0 ? 0 : int(screen->AnimationTick() % animation.Frames());
    SetPicture(record, m_animationSlot, animation.PictureId(frame), cell.centrePalette);
    record.m_x[m_animationSlot] = uint16_t(m_place[0]);
    record.m_y[m_animationSlot] = uint16_t(m_place[1]);
    if (m_flags & kLitAtNight) RaiseLight(light, kLit, screen->Flicker());
}

const char* SMapObjectBlockBase::GetAmbientSound(const SPlacedObject* object, const SMapCell&) const {
    return IsOff(object) || isAsleep() ? nullptr : AmbientParam();
}

bool SMapObjectBlockBase::isAsleep() const {
    const SMapObjectScreen* screen = Screen();
    return (m_flags & kLitAtNight) != 0 && screen != nullptr && screen->IsOutdoorDay();
}
