#pragma once
// SMapObjectWall: a wall filling its cell (type code 5), with the cell's upper part on top.
#include "data/map_objects/map_object_type.h"

class SMapObjectWall : public SMapObjectType {
public:
    // A wall stands wherever its object is visible, and wherever a cell names it without one.
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // A second-layer cell without an upper part takes the world's default one and keeps it: entry
    // 11 of the world package's map-object type index, or its default floor type where the index
    // is shorter.
    void BuildShadowCellRecord(SPlacedObject* object, SMapCellShadow& cell, SObjectTypeRecord& record,
                               uint16_t& light) override;

private:
    SMapObjectType* defaultUpperType() const;
};
