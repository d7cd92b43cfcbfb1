#pragma once
// SMapObjectCityWindow: a window of a town house, lit at night (type code 10). Each frame a lit
// window picks one of its lit pictures by chance, so that the candlelight flickers.
#include "data/map_objects/map_object_type.h"

class SMapObjectCityWindow : public SMapObjectType {
public:
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
    void BuildShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side, SSideOverlayRecord& record,
                               uint16_t& light) override;
    void BuildAnimatedSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                                 uint16_t& light) override;
    // The upper storey's windows light their cell more.
    void BuildAnimatedShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side,
                                       SSideOverlayRecord& record, uint16_t& light) override;

private:
    void animate(const SPlacedObject* object, const SMapCellSide (&sides)[4], int side, SSideOverlayRecord& record,
                 uint16_t& light, uint16_t lit);
};
