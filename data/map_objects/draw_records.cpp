#include "data/map_objects/draw_records.h"

#include "data/map_objects/map_object_type.h"
#include "data/maps/map_cell.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kExtraAlongY = 0x01;

}  // namespace

void SetCrossPicture(SObjectTypeRecord& record, const SMapCell& cell, uint16_t drawCode) {
    const bool alongY = (cell.centreExtra & kExtraAlongY) != 0;
    record.m_kind = alongY ? kCrossPicture | kAlongY : kCrossPicture;
    record.m_drawCode = alongY ? drawCode + 1 : drawCode;
}

uint16_t PaletteSlot(const SPaletteEntry* palette) { return palette ? palette->slot : 0; }

uint16_t FirstPicture(const SMapObjectType* type) { return type ? type->PictureId(0) : 0; }

void SetPicture(SObjectTypeRecord& record, int k, uint16_t picture, const SPaletteEntry* palette) {
    record.m_pictures[k] = picture;
    record.m_palettes[k] = PaletteSlot(palette);
}

void SetCentredPicture(SObjectTypeRecord& record, uint16_t picture, const SPaletteEntry* palette) {
    SetPicture(record, 0, picture, palette);
    record.m_x[0] = kCellMiddle;
    record.m_y[0] = kCellMiddle;
}

void RaiseLight(uint16_t& light, uint16_t lit, int rise) {
    if (light == kPlainLight) light = lit;
    light = uint16_t(light + rise);
}

bool IsSide(int side) { return side >= 0 && side < 4; }

int SideEntry(int side) { return (side + 2) % 4; }

void SetSidePicture(SSideOverlayRecord& record, int side, const SSidePicture& picture) {
    const int e = SideEntry(side);
    record.m_position[e] = picture.placement;
    record.m_picture[e] = picture.picture;
    record.m_obliquePicture[e] = picture.oblique;
    record.m_palette[e] = PaletteSlot(picture.palette);
    record.m_drawCode[e] = picture.drawCode;
}
