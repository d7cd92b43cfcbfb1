#pragma once
// The view records: everything the play screen, the map-object types and the monster rules tell the
// renderer about a frame, in the renderer's layouts and names. Both sides include this one header,
// so each record's comment also gives the names the writing side uses for it. The renderer only
// reads these records, and it reaches every one of them through the checked lookups (a table's
// Find, a cell by position, a picture by slot): an index, slot or palette that does not fit draws
// nothing instead of reading past a table.
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/draw/picture.h"

class SDecodedPicture;
struct SPictureEntry;
struct SPaletteEntry;

// A table the writing side owns: its first record and how many there are.
template <typename Record>
struct SViewTable {
    const Record* m_records = nullptr;
    uint32_t m_count = 0;

    // The record at an index; none for index 0, which means "none" in every record that refers to
    // another, and none at or past the count.
    const Record* Find(uint32_t index) const { return index != 0 && index < m_count ? m_records + index : nullptr; }
};

// One per grid cell, row-major by the grid width (13 u16 words). The play screen calls it the
// render cell and writes word 0 as the cell number i + 1 and words 1 and 2 as the geometry and side
// index 2i + 1 of its cell geometry and side geometry arrays.
struct SCellViewRecord {
    uint16_t m_floor = 0;           // word 0: floor record index (the cell number)
    uint16_t m_objectType = 0;      // word 1: object type record index (the geometry index)
    uint16_t m_sideOverlay = 0;     // word 2: side-overlay record index (the side index)
    uint16_t m_floorItemStack = 0;  // word 3: item stack of the floor items (the item pile's display number)
    // Words 4 to 8, the free sprite slot (missiles and spell effects): picture slot, palette slot,
    // x and y inside the cell (65,536 per cell) and the height as a fraction of a storey.
    uint16_t m_spritePicture = 0;
    uint16_t m_spritePalette = 0;
    uint16_t m_spriteX = 0;
    uint16_t m_spriteY = 0;
    uint16_t m_spriteHeight = 0;
    // Words 9 and 10: item pile record indexes (the display numbers of the cell's two creatures).
    uint16_t m_itemPiles[2] = {};
    uint16_t m_light = 0;  // word 11: 256 is full light
    // Word 12: neither side gives it a meaning; it keeps the record at the 13 words both count.
    uint16_t m_reserved = 0;
};

// The second layer of a cell (3 u16 words); the play screen's second-layer render cell.
struct SCellExtraRecord {
    uint16_t m_objectType = 0;   // the play screen's geometry index 2i + 2
    uint16_t m_sideOverlay = 0;  // the side index 2i + 2
    uint16_t m_light = 0;
};

// A cell's floor (9 u16 words); the play screen's ground frame record.
struct SFloorRecord {
    static constexpr uint16_t kSunken = 0x0001;  // a pit: side faces and a fog-coloured bottom

    uint16_t m_pictures[3] = {};
    uint16_t m_palettes[3] = {};
    uint16_t m_flags = 0;
    uint16_t m_masks[2] = {};  // pictures used as 1-bit masks choosing between the textures
};

// What stands in the middle of a cell, one per layer (31 u16 words). The map-object types call it
// the centre draw record (word 0 the primitive kind, words 15 to 29 positions and placement words),
// the play screen the cell geometry (word 0 the shape word, with the wall variant x 256 ORed in).
struct SObjectTypeRecord {
    // Word 0: low byte the primitive kind (2 wall, 6 floor overlay, ...); the high byte belongs to
    // the kind (the mesh model, the door's opening and opening mode).
    uint16_t m_kind = 0;
    uint16_t m_pictures[7] = {};  // words 1 to 7: word 1 the main picture
    uint16_t m_palettes[7] = {};  // words 8 to 14, one per picture
    // Words 15 to 21 and 22 to 28: positions in the cell (65,536 per cell), or for the extra
    // pictures of composite kinds offsets in texels from the main picture's top left.
    uint16_t m_x[7] = {};
    uint16_t m_y[7] = {};
    uint16_t m_height = 0;    // word 29: above the floor, as a fraction of a storey
    uint16_t m_drawCode = 0;  // word 30: the writer's own; the renderer does not read it
};

// What stands on or against the four sides of a cell: nine arrays of four u16 words, entry e one
// per side (north, east, south, west). The map-object types call it the side draw record (their
// arrays 0 to 8), the play screen the side geometry (its rows 0 to 8).
struct SSideOverlayRecord {
    static constexpr uint16_t kProjecting = 0x8000;     // in m_position: the picture stands out from its side
    static constexpr uint16_t kWallOverlay = 0x8000;    // in m_secondPosition: the second picture lies on the wall
    static constexpr uint16_t kSilhouette = 0x8000;     // in m_itemStack: the side picture is drawn white
    static constexpr uint16_t kItemStackMask = 0x7FFF;  // in m_itemStack: the item stack index

    // Packed position: bits 0-4 x step, 5-9 y step, 10-14 height step (1 to 31 over a cell).
    uint16_t m_position[4] = {};  // array 0 (the types' packed placement)
    uint16_t m_picture[4] = {};   // array 1: 0 means no entry
    // Array 2 (the types' second picture): 0 for a free-standing picture; otherwise the picture is
    // fixed to the side and this is the one shown when the side is seen obliquely.
    uint16_t m_obliquePicture[4] = {};
    uint16_t m_palette[4] = {};  // array 3
    // Arrays 4 to 6 (the types' line or decoration: flags word, picture, palette): a second
    // free-standing picture, or with kWallOverlay an overlay drawn on the wall of that side.
    uint16_t m_secondPosition[4] = {};
    uint16_t m_secondPicture[4] = {};
    uint16_t m_secondPalette[4] = {};
    // Array 7: bits 0-14 an item stack index, bit 15 the silhouette. A shelf writes
    // (word & 0x8000) | its container's display number.
    uint16_t m_itemStack[4] = {};
    uint16_t m_drawCode[4] = {};  // array 8: the writer's own; the renderer does not read it
};

// Up to ten pictures drawn on one point (10 u16 words); the play screen's item-pile display.
struct SItemStackRecord {
    uint16_t m_pictures[10] = {};  // 0 is an empty place
};

// A picture standing free in a cell (7 u16 words). The play screen calls it the creature display
// and the creature motion record; the monster rules fill it as a creature's sprite record.
struct SItemPileRecord {
    static constexpr uint16_t kMirrored = 0x0001;
    static constexpr uint16_t kMarkerB = 0x0002;  // the monster rules' "poisoned" bit: marker B, not A

    uint16_t m_picture = 0;
    uint16_t m_palette = 0;
    uint16_t m_x = 0;  // inside the cell, 65,536 per cell; 0x8000 is the middle
    uint16_t m_y = 0;
    // Above the floor as a fraction of a storey; a creature's is its size x 65,536 / 31.
    uint16_t m_height = 0;
    uint16_t m_flags = 0;          // the monster rules keep the animation frame in bits 8-10
    uint16_t m_markerPercent = 0;  // the marker's size in percent (the monster's flash value); 0 none
};

// The first-person item block. The first picture is the weapon hand; the second is the off hand or
// the held missile.
struct SFpsBlock {
    uint16_t m_secondPicture = 0;
    uint16_t m_secondPalette = 0;
    uint16_t m_secondHeightPercent = 0;  // of the picture's own height
    uint16_t m_secondWidthPercent = 0;
    uint8_t m_secondMirrored = 0;  // the off hand holds a shield
    uint16_t m_firstPicture = 0;
    uint16_t m_firstPalette = 0;
    uint16_t m_firstHeightPercent = 0;
    uint16_t m_firstWidthPercent = 0;
    uint8_t m_secondWithFirst = 0;  // the weapon hand holds a missile: the second picture goes with the first
    int16_t m_secondOffsetY = 0;    // the play screen's to fill; 0 when it has none
    int16_t m_secondOffsetX = 0;
};

// Everything the renderer reads of a frame, filled by the play screen before each frame. The
// surface is not here: the renderer draws into the display's raster target, and the target's
// m_drawn is the frame's drawn bit.
struct SViewDescriptor {
    static constexpr uint16_t kSky = 0x0001;   // draw the sky; otherwise a plain fill and the ceiling
    static constexpr uint16_t kRain = 0x0004;  // draw the rain streaks

    SViewTable<SCellViewRecord> m_cells;
    SViewTable<SCellExtraRecord> m_cellExtras;
    // Pictures and palettes by resource-cache slot: the cache's own entries.
    SViewTable<std::unique_ptr<SPictureEntry>> m_pictures;
    SViewTable<std::unique_ptr<SPaletteEntry>> m_palettes;
    SViewTable<SFloorRecord> m_floors;
    SViewTable<SObjectTypeRecord> m_objectTypes;
    SViewTable<SSideOverlayRecord> m_sideOverlays;
    SViewTable<SItemStackRecord> m_itemStacks;
    SViewTable<SItemPileRecord> m_itemPiles;
    uint16_t m_flags = 0;
    // The sky panorama; while kSky is clear, the ceiling drawn at the top level instead.
    uint16_t m_skyPicture = 0;
    uint16_t m_skyPalette = 0;
    int32_t m_positionX = 0;  // the player, 16.16 grid coordinates
    int32_t m_positionY = 0;
    int32_t m_heading = 0;   // 16.16 degrees: 0 looks north (-y), 90 west (-x)
    int32_t m_skyAngle = 0;  // 16.16 degrees
    uint16_t m_gridWidth = 0;
    uint16_t m_gridHeight = 0;
    SFpsBlock m_fps;
    int32_t m_fogDistance = 0;  // where the fog starts and how far the view reaches, in 1/336 cell
    int32_t m_farDistance = 0;
    uint16_t m_fogColour = 0;  // RGB565
    // The rectangle of the 3-D view on the screen, and the screen's size.
    int32_t m_viewX = 0;
    int32_t m_viewY = 0;
    int32_t m_viewWidth = 0;
    int32_t m_viewHeight = 0;
    int32_t m_screenWidth = 0;
    int32_t m_screenHeight = 0;
    // The two special pictures: the markers over item piles and creatures, which flagged
    // billboards show in place of their own picture.
    uint16_t m_markerA = 0;
    uint16_t m_markerB = 0;

    bool InGrid(int x, int y) const { return x >= 0 && y >= 0 && x < m_gridWidth && y < m_gridHeight; }
    // A cell's records; none outside the grid or past the table.
    const SCellViewRecord* Cell(int x, int y) const { return cellIn(m_cells, x, y); }
    const SCellExtraRecord* CellExtra(int x, int y) const { return cellIn(m_cellExtras, x, y); }
    // The picture in a slot as drawn with a palette slot (0 for the picture's own colours). None when
    // the slot is 0, past the table or not loaded, when the palette slot is past the table, or when
    // the palette holds fewer colours than the picture names. A palette that is not loaded leaves
    // the picture its own colours, as 2-D drawing does.
    std::optional<SPicture> FindPicture(uint32_t slot, uint32_t paletteSlot) const;
    // The picture in a slot in RGB565 pixels, brought up to date, when FindPicture gives it with its
    // own colours; null otherwise. One picture drawn with two palettes in a frame would be made
    // again for every polygon, so pictures drawn with a palette are not decoded here.
    const SDecodedPicture* DecodedWithOwnColours(uint32_t slot, uint32_t paletteSlot) const;

private:
    template <typename Record>
    const Record* cellIn(const SViewTable<Record>& table, int x, int y) const {
        if (!InGrid(x, y)) return nullptr;
        const uint32_t index = uint32_t(y) * m_gridWidth + uint32_t(x);
        return index < table.m_count ? table.m_records + index : nullptr;
    }
};
