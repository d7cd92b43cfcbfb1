#pragma once
// SMapObjectStair: a stair up or down, used from the cell in front of it (type code 33). The
// object's state bit 0x01 tells down (set) from up. A fire may burn beside it.
#include "data/map_objects/map_object_type.h"

class SMapObjectStair : public SMapObjectType {
public:
    // Nobody walks into a stair.
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // The flames beside it.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;

private:
    void setFlames(SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) const;
};
