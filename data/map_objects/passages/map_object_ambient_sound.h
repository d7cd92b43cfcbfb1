#pragma once
// SMapObjectAmbientSound: a place that gives off a sound; nothing to see (type code 43). Its
// sound (Param2) is a voice that the play screen plays now and then while the player is near, by
// day, by night or both, as the type's flags say.
#include "data/map_objects/map_object_type.h"

class SMapObjectAmbientSound : public SMapObjectType {
public:
    static constexpr uint16_t kByDay = 0x0001;
    static constexpr uint16_t kByNight = 0x0002;

    bool SoundsAt(bool day) const { return (m_flags & (day ? kByDay : kByNight)) != 0; }
};
