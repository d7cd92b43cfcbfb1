#pragma once
// SMapObjectLever: a lever on a wall side, turned on and off by use (type code 16).
#include "data/map_objects/doors/map_object_wall_switch.h"

class SMapObjectLever : public SMapObjectWallSwitch {
public:
    SMapObjectLever() : SMapObjectWallSwitch("bsnd_switchlargeon", "bsnd_switchlargeoff") {}

    // Pictures 1 and 3 on, 2 and 4 off, standing out from the wall.
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
};
