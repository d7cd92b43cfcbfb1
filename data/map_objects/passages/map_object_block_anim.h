#pragma once
// SMapObjectBlockAnim: a block that is nothing but its animation, a fire or a fountain in the middle
// of a cell (type code 41). Off, it is not there.
#include "data/map_objects/passages/map_object_block_base.h"

class SMapObjectBlockAnim : public SMapObjectBlockBase {
public:
    SMapObjectBlockAnim() : SMapObjectBlockBase(0) {}

    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
};
