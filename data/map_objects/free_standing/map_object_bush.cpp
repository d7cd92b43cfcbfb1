#include "data/map_objects/free_standing/map_object_bush.h"

#include "data/map_objects/draw_records.h"
#include "data/map_objects/map_object_screen.h"
#include "data/maps/map_cell.h"

namespace {

constexpr uint16_t kBushDrawCode = 2;
// Up to 500 either side of the middle.
constexpr uint16_t kLeftmost = 32268;
constexpr int32_t kSpread = 1000;

}  // namespace

bool SMapObjectBush::IsBlocking(const SPlacedObject* object) const { return BlocksWhenSolid(object); }

void SMapObjectBush::BuildCellRecord(SPlacedObject*, SMapCell& cell, SObjectTypeRecord& record, uint16_t&) {
    SMapObjectScreen* screen = Screen();
    record.m_kind = kStandingPicture;
    SetPicture(record, 0, PictureId(0), cell.centrePalette);
    record.m_x[0] = uint16_t(kLeftmost + (screen ? screen->Random(kSpread) : kSpread / 2));
    record.m_y[0] = uint16_t(kLeftmost + (screen ? screen->Random(kSpread) : kSpread / 2));
    record.m_drawCode = kBushDrawCode;
}
