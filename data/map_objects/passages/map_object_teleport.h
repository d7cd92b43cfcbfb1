#pragma once
// SMapObjectTeleport: a glowing gate in the middle of a cell that takes the player who steps on it
// to the position its object names (type code 25). Switched off, it shows its still picture.
#include "data/map_objects/map_object_type.h"

class SMapObjectTeleport : public SMapObjectType {
public:
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // Swings through its frames and back, and lights the cell.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
