#pragma once
// SMapObjectBlock: a solid thing in the middle of a cell: a crate, a statue, an altar (type codes 7
// and 8). Where it leads somewhere, using it takes the player by the travel kind in its object's
// state bits 0..2.
#include "data/map_objects/passages/map_object_block_base.h"

class SMapObjectBlock : public SMapObjectBlockBase {
public:
    SMapObjectBlock() : SMapObjectBlockBase(kAnimationSlot) {}

    void InitInstance(SPlacedObject& object) override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;

private:
    // After the block's own picture and the one of the cell's upper part.
    static constexpr int kAnimationSlot = 2;
};
