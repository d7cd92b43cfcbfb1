#include "data/maps/map_cell.h"

#include "data/map_objects/map_object_type.h"

namespace {

void keepLoaded(SMapObjectType* type) {
    if (type) type->SetKeepLoaded(true);
}

}  // namespace

void SMapCellSide::MarkTypesInUse() const {
    keepLoaded(wallType);
    keepLoaded(decorationType);
}

void SMapCell::ClearCentre() {
    centreType = nullptr;
    centrePalette = nullptr;
    centreExtra = 0;
    centreId = 0;
    upperType = nullptr;
    upperPalette = nullptr;
}

void SMapCell::MarkTypesInUse() const {
    for (SMapObjectType* type : {floorType, floorOverlay, ceilingType, ceilingOverlay, centreType, upperType})
        keepLoaded(type);
    for (const SMapCellSide& side : sides) side.MarkTypesInUse();
}

void SMapCellShadow::MarkTypesInUse() const {
    for (SMapObjectType* type : {floorType, centreType, upperType}) keepLoaded(type);
    for (const SMapCellSide& side : sides) side.MarkTypesInUse();
}
