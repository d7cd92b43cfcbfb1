#pragma once
// SMapObjectFootbridge: a footbridge in the second layer of a cell (type code 24).
#include "data/map_objects/map_object_type.h"

class SMapObjectFootbridge : public SMapObjectType {
public:
    void BuildShadowCellRecord(SPlacedObject* object, SMapCellShadow& cell, SObjectTypeRecord& record,
                               uint16_t& light) override;
};
