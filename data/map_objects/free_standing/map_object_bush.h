#pragma once
// SMapObjectBush: a bush (type code 38), in the way when kSolid. It stands a little off the middle
// of its cell, by chance each time its record is built, so that rows of bushes look grown.
#include "data/map_objects/map_object_type.h"

class SMapObjectBush : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
};
