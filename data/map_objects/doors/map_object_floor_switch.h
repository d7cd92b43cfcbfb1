#pragma once
// SMapObjectFloorSwitch: a switch in the floor that stepping on and off turns (type code 31). It
// starts off; only the scripts turn it, reading the steps.
#include "data/map_objects/map_object_type.h"

class SMapObjectFloorSwitch : public SMapObjectType {
public:
    void InitInstance(SPlacedObject& object) override;
    // Picture 2 on, 1 off, in the middle of the floor.
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
