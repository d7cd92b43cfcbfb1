#pragma once
// SMapObjectStand: a stand in the middle of a cell, an easel or a rack, whose picture shows whether
// it is on (type code 32).
#include "data/map_objects/map_object_type.h"

class SMapObjectStand : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    // Picture 2 on, 1 off.
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
};
