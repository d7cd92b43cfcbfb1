#pragma once
// SMapObjectSecretSwitch: a hidden switch on a wall side (type code 28).
#include "data/map_objects/doors/map_object_wall_switch.h"

class SMapObjectSecretSwitch : public SMapObjectWallSwitch {
public:
    SMapObjectSecretSwitch() : SMapObjectWallSwitch("bsnd_switchsecreton", "bsnd_switchsecretoff") {}

    // Picture 2 on and 1 off, flat on the wall, with picture 3 seen at an angle.
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
};
