#pragma once
// SMapObjectTexture: a floor or ceiling texture (type code 1). In a cell's second layer it is the
// canopy over the floor.
#include "data/map_objects/map_object_type.h"

class SMapObjectTexture : public SMapObjectType {
public:
    void BuildShadowCellRecord(SPlacedObject* object, SMapCellShadow& cell, SObjectTypeRecord& record,
                               uint16_t& light) override;
};
