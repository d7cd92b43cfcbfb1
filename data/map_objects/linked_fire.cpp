#include "data/map_objects/linked_fire.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/map_objects/map_object_type.h"
#include "data/map_objects/map_object_type_table.h"

namespace {

constexpr int kFireLight = 64;

// A fire type whose code counts no frames would otherwise divide the tick by 0.
uint16_t flameAt(const SMapObjectType& fire, uint32_t step) {
    return fire.PictureId(fire.Frames() == 0 ? 0 : int(step % fire.Frames()));
}

}  // namespace

const SMapObjectType* FindLinkedType(const SMapObjectType& type) {
    if (type.m_linkedType == nullptr || type.Table() == nullptr) return nullptr;
    return type.Table()->Find(type.m_linkedType);
}

bool FireBurns(const SMapObjectType* fire, const SMapObjectScreen* screen) {
    return fire != nullptr && screen != nullptr && !screen->IsOutdoorDay();
}

void SetFlames(SObjectTypeRecord& record, int k, const SMapObjectType& fire, SMapObjectScreen& screen,
               uint32_t secondStep, SFirePlaces places, const SPaletteEntry* palette, uint16_t& light) {
    const uint32_t tick = screen.AnimationTick();
    SetPicture(record, k, flameAt(fire, tick), palette);
    SetPicture(record, k + 1, flameAt(fire, tick + secondStep), palette);
    record.m_x[k] = uint16_t(places.first);
    record.m_x[k + 1] = uint16_t(places.second);
    light = uint16_t(light + kFireLight + screen.Flicker());
}
