#pragma once
// SMapObjectTree: a tree (type code 26), in the way when kSolid.
#include "data/map_objects/map_object_type.h"

class SMapObjectTree : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
};
