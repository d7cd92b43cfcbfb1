#pragma once
// The pieces of the centre and side draw records that the map-object classes fill alike: primitive
// kinds, pictures with their palettes, the lit objects' light, and pictures fixed to a side.
#include <cstdint>

#include "render/view_descriptor.h"

class SMapObjectType;
struct SMapCell;
struct SPaletteEntry;

// The renderer's primitive kinds, in the low byte of a centre record's word 0.
enum SDrawKind : uint16_t {
    kStandingPicture = 1,  // the main picture stands in the cell, extras beside it
    kWallBlock = 2,
    kFramedPicture = 3,   // a door or a stair in its frame, with its extras placed across it
    kTurningPicture = 4,  // copies of one picture that turn with the view
    kPictureGroup = 5,    // copies of one picture at sub-positions of the cell
    kFloorOverlay = 6,
    kFlatPicture = 7,    // a picture lying on the floor
    kUpperPanel = 8,     // a panel in the second layer
    kDoorway = 9,        // a door's frame seen from the door's own cell
    kCrossPicture = 10,  // one picture across the cell, along x
    kCanopy = 11,
    kSolidBlock = 12,
    kRisingPictures = 13,  // copies of one picture at their own places, raised by the height word
};
// With kCrossPicture: the picture runs along y instead.
constexpr uint16_t kAlongY = 0x0100;
// Makes the record a cross picture, along y where the cell's centre extra byte has bit 0x01; the
// draw code is `drawCode` along x and the next one along y.
void SetCrossPicture(SObjectTypeRecord& record, const SMapCell& cell, uint16_t drawCode);

// Positions in a cell run to 65,536; this is its middle.
constexpr uint16_t kCellMiddle = 0x8000;
// A cell's light when nothing lights it.
constexpr uint16_t kPlainLight = 256;

// A palette's slot in the records; 0 for none.
uint16_t PaletteSlot(const SPaletteEntry* palette);
// A type's first picture; 0 for no type.
uint16_t FirstPicture(const SMapObjectType* type);
// Picture k (0 the main one) of the record, with its palette.
void SetPicture(SObjectTypeRecord& record, int k, uint16_t picture, const SPaletteEntry* palette);
// The main picture, in the middle of the cell.
void SetCentredPicture(SObjectTypeRecord& record, uint16_t picture, const SPaletteEntry* palette);
// A lit object brightens its cell: plain light becomes `lit`, and the light rises by `rise`.
void RaiseLight(uint16_t& light, uint16_t lit, int rise);

// Sides 0 to 3: north, east, south, west.
bool IsSide(int side);
// A builder for side `side` of a wall cell fills the record of the cell in front of that side, at
// the entry of the side that faces the wall.
int SideEntry(int side);

// A picture fixed to the side of a wall.
struct SSidePicture {
    uint16_t placement = 0;  // packed by PackPlacement or PackPlacementFlagged
    uint16_t picture = 0;
    uint16_t oblique = 0;  // shown instead when the side is seen at an angle
    const SPaletteEntry* palette = nullptr;
    uint16_t drawCode = 0;
};
void SetSidePicture(SSideOverlayRecord& record, int side, const SSidePicture& picture);
