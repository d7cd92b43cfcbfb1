#pragma once
// SMapObjectSign: a sign on a wall side (type code 18): the wall itself where the side's wall is the
// sign, otherwise a decoration on the wall.
#include "data/map_objects/map_object_type.h"

class SMapObjectSign : public SMapObjectType {
public:
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
};
