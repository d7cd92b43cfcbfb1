#pragma once
// SMapObjectContainer: a chest or the like against a wall side, opened for its items (type code 14).
#include "data/map_objects/furniture/map_object_storage.h"

class SMapObjectContainer : public SMapObjectStorage {
public:
    // Stands out from the wall.
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
};
