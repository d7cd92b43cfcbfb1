#pragma once
// SMapObjectCityDoor: the door of a town house, which opens onto a talk with the one who lives
// there (type code 11).
#include "data/map_objects/map_object_type.h"

class SMapObjectCityDoor : public SMapObjectType {
public:
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
    void BuildShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side, SSideOverlayRecord& record,
                               uint16_t& light) override;
    // Used: knocks. Whoever answers talks with the player, and the door opens; at hours when the
    // house is closed it stays shut.
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;
};
