#include "data/map_objects/passages/map_object_group.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"

namespace {

constexpr int kPlaces = 7;
constexpr uint8_t kFlowerCode = 13;
constexpr uint8_t kAnimatedBlockCode = 41;

bool isAnimatedBlock(const SMapObjectType* type) { return type != nullptr && type->m_typeCode == kAnimatedBlockCode; }

}  // namespace

void SMapObjectGroup::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    const SMapObjectType* copied = cell.centreType;
    if (copied == nullptr) return;
    // A flower shows its picked picture once the group is picked.
    const bool picked = copied->m_typeCode == kFlowerCode && copied->PictureNameCount() > 1 && IsOff(object);
    const uint16_t picture = copied->PictureId(picked ? 1 : 0);
    buildCopies(cell, record, [picture](int) { return picture; });
}

void SMapObjectGroup::BuildAnimatedCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    const SMapObjectType* copied = cell.centreType;
    const SMapObjectScreen* screen = Screen();
    if (!isAnimatedBlock(copied) || screen == nullptr) return;
    const uint32_t tick = screen->AnimationTick();
    const int frames = copied->Frames();
    buildCopies(cell, record, [copied, tick, frames](int k) {
        return copied->PictureId(frames == 0 ? 0 : int((tick + uint32_t(k)) % uint32_t(frames)));
    });
}

const char* SMapObjectGroup::GetAmbientSound(const SPlacedObject*, const SMapCell& cell) const {
    const SMapObjectType* copied = cell.centreType;
    if (!isAnimatedBlock(copied)) return nullptr;
    const SMapObjectScreen* screen = Screen();
    if ((copied->m_flags & kLitAtNight) && screen && screen->IsOutdoorDay()) return nullptr;
    return copied->AmbientParam();
}

template <typename PictureOf>
void SMapObjectGroup::buildCopies(SMapCell& cell, SObjectTypeRecord& record, PictureOf pictureOf) const {
    const SMapObjectScreen* screen = Screen();
    if (screen == nullptr) return;
    record.m_kind = kPictureGroup;
    int copies = 0;
    for (int place = 0; place < kPlaces && copies < kMostCopies; ++place) {
        if ((cell.centreExtra & (1 << place)) == 0) continue;
        SetPicture(record, copies, pictureOf(copies), cell.centrePalette);
        screen->SubPosition(place, record.m_x[copies], record.m_y[copies]);
        ++copies;
    }
}
