#pragma once
// SMapObjectPillar: a pillar (type code 29), drawn round from every side.
#include "data/map_objects/map_object_type.h"

class SMapObjectPillar : public SMapObjectType {
public:
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
};
