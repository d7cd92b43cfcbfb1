#pragma once
// SMapObjectShelf: shelves on a wall side whose items show on them (type code 17).
#include "data/map_objects/furniture/map_object_storage.h"

class SMapObjectShelf : public SMapObjectStorage {
public:
    // Fixed to the wall, with its second picture seen at an angle.
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
};
