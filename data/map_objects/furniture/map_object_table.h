#pragma once
// SMapObjectTable: a table in the middle of a cell, with a text to read (type code 19): the
// object's first text, its markers replaced.
#include "data/map_objects/map_object_type.h"

class SMapObjectTable : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
