#pragma once
// SMapObjectFlower: a plant that yields an ingredient when picked (type code 13). Its second
// picture shows it picked; a flower of one picture is only to look at.
#include "data/map_objects/map_object_type.h"

class SMapObjectFlower : public SMapObjectType {
public:
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // Used: picked once, the player gets one of its ingredient.
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
