#pragma once
// SMapObjectWallLine: a line drawn along the sides of a wall (type code 6), as a side's decoration.
#include "data/map_objects/map_object_type.h"

struct SMapCellSide;

class SMapObjectWallLine : public SMapObjectType {
public:
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
    void BuildShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side, SSideOverlayRecord& record,
                               uint16_t& light) override;

private:
    static void buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record);
};
