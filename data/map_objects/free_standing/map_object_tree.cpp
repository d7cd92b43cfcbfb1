#include "data/map_objects/free_standing/map_object_tree.h"

#include "data/map_objects/draw_records.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kTreeDrawCode = 40;

}  // namespace

bool SMapObjectTree::IsBlocking(const SPlacedObject* object) const { return BlocksWhenSolid(object); }

void SMapObjectTree::BuildCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    record.m_kind = kStandingPicture;
    SetCentredPicture(record, PictureId(0), cell.centrePalette);
    record.m_drawCode = kTreeDrawCode;
}
