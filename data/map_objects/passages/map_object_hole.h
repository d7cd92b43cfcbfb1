#pragma once
// SMapObjectHole: a hole in the floor, or a trapdoor, that the player falls through where it leads
// somewhere (type code 15). Off is closed.
#include "data/map_objects/map_object_type.h"

class SMapObjectHole : public SMapObjectType {
public:
    // Lies flat (kLiesFlat) or stands, shut or gaping.
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
