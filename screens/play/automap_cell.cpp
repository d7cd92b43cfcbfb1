#include "screens/play/automap_cell.h"

#include "data/map_objects/map_object_type.h"
#include "data/maps/map_cell.h"
#include "screens/play/grid_cell_rules.h"

using namespace grid_rules;

namespace {

uint16_t centreDecoration(const SMapObjectType* centre) {
    if (centre == nullptr) return SAutomapCell::kNone;
    if (HasCode(centre, kDoorCode) || HasCode(centre, kSlidingDoorCode)) return SAutomapCell::kDoor;
    if (HasCode(centre, kTeleportCode) || (centre->m_flags & SMapObjectType::kLeadsSomewhere) != 0)
        return SAutomapCell::kWayOn;
    if ((centre->m_flags & SMapObjectType::kSolid) != 0) return SAutomapCell::kObstacle;
    return SAutomapCell::kNone;
}

}  // namespace

SAutomapCell DescribeAutomapCell(const SMapCell& cell) {
    SAutomapCell shown;
    if (HasCode(cell.centreType, kWallCode)) {
        shown.floorKind = SAutomapCell::kWallFloor;
        return shown;
    }
    for (int side = 0; side < 4; ++side)
        if (HasCode(cell.sides[side].wallType, kWallCode))
            shown.sidePictures[side] = uint16_t(SAutomapCell::kFirstSide + side);
    shown.decoration = centreDecoration(cell.centreType);
    return shown;
}
