#pragma once
// SMapObjectStorage: what a container and a shelf share: used, they open their items for the
// player.
#include "data/map_objects/map_object_type.h"

class SMapObjectStorage : public SMapObjectType {
public:
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
