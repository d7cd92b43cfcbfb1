#pragma once
// SMapCell: a cell of the play screen's 35 x 35 grid, filled from a map's cell record: the floor,
// the ceiling, the centre and the upper part, and four sides each with a wall, a decoration and an
// object. SMapCellShadow is the companion cell beside it, a second layer of the same parts without
// ceiling and overlays. Types are map-object types, palettes the package's palette records; null is
// none.
#include <cstdint>

class SMapObjectType;
struct SPaletteEntry;

struct SMapCellSide {
    SMapObjectType* wallType = nullptr;
    SPaletteEntry* wallPalette = nullptr;
    uint8_t objectId = 0;  // the placed object on the side
    SMapObjectType* decorationType = nullptr;
    SPaletteEntry* decorationPalette = nullptr;

    void MarkTypesInUse() const;
};

struct SMapCell {
    SMapObjectType* floorType = nullptr;
    SPaletteEntry* floorPalette = nullptr;
    SMapObjectType* floorOverlay = nullptr;
    SMapObjectType* ceilingType = nullptr;
    SPaletteEntry* ceilingPalette = nullptr;
    SMapObjectType* ceilingOverlay = nullptr;
    SMapObjectType* centreType = nullptr;
    SPaletteEntry* centrePalette = nullptr;
    uint8_t centreExtra = 0;
    uint8_t centreId = 0;  // the placed object in the centre
    SMapObjectType* upperType = nullptr;
    SPaletteEntry* upperPalette = nullptr;
    SMapCellSide sides[4];
    uint16_t containerId = 0;  // the map's item container that lies in the cell as a pile; 0 for none
    // The ids of the creatures standing in the cell, 0 for none. The second place is taken only
    // while the first is, and moves up when the first empties.
    uint8_t creatures[2] = {};

    void ClearSide(int side) { sides[side] = {}; }
    // The centre and the upper part.
    void ClearCentre();
    // Every map-object type the cell shows keeps its pictures loaded.
    void MarkTypesInUse() const;
};

struct SMapCellShadow {
    SMapObjectType* floorType = nullptr;
    SPaletteEntry* floorPalette = nullptr;
    SMapObjectType* centreType = nullptr;
    SPaletteEntry* centrePalette = nullptr;
    uint8_t centreId = 0;
    SMapObjectType* upperType = nullptr;
    SPaletteEntry* upperPalette = nullptr;
    SMapCellSide sides[4];

    void MarkTypesInUse() const;
};
