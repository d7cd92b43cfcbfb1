#pragma once
// SMapObjectWallOfForce: a shimmering wall of force across a cell (type code 37), animated,
// sounding and in the way while on.
#include "data/map_objects/map_object_type.h"

class SMapObjectWallOfForce : public SMapObjectType {
public:
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // The frame follows the animation tick; a type without pictures shows none.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;
};
