#include "data/map_objects/passages/map_object_block_anim.h"

#include "data/map_objects/draw_records.h"

namespace {

constexpr uint16_t kBlockAnimDrawCode = 1;

}  // namespace

void SMapObjectBlockAnim::BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                          uint16_t& light) {
    if (IsOff(object)) return;
    record.m_kind = kStandingPicture;
    BuildAnimatedCellRecord(object, cell, record, light);
    record.m_drawCode = kBlockAnimDrawCode;
}
