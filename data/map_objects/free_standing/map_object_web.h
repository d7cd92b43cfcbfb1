#pragma once
// SMapObjectWeb: a web across a cell (type code 35) that blocks until a blow tears it. Its second
// picture shows it torn.
#include "data/map_objects/map_object_type.h"

class SMapObjectWeb : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    // Nothing while the player stands in the web: a picture across the cell would fill the view.
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
