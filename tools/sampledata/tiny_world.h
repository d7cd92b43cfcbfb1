#pragma once
// A whole view descriptor built in memory from a short text, so that tests, benchmarks and the
// viewer can show the 3-D view without a world package. The text has settings lines, a legend and
// a grid:
//
//     sky off                 on or off
//     fog 2                   cells of clear air before the fog starts
//     far 7                   cells the view reaches
//     fogcolour 8410          RGB565 in hex
//     light 256               every cell's light unless its legend says otherwise
//     position 5.5 8.5        the player, in cells
//     heading 0               degrees: 0 looks north, 90 west
//     view 160 100            the view's size in pixels
//     ceiling ceiling         the picture over the map without a sky (the panorama with one)
//     cell # wall=brick       a legend line: a character and its records
//     cell . floor=stone
//     grid                    every further line is a row of the grid, one character per cell
//     ###
//     #.#
//
// Legend keys: floor, blend and third (floor pictures 1 to 3), mask and mask2, pit (a sunken
// floor), wall (a first-layer wall), overlay (a first-layer floor overlay), upper (a second-layer
// wall) with vault (the ceiling under it), canopy (second layer), light and upperlight. Pictures
// are named: the sample render art (render_art.h), the sample sprite art (sprite_art.h), "sky"
// (the sample panorama), "coords" (16 x 16 texels, each of its own colour: red the column, green
// the row) and "solid-XXXX" (a 256 x 256 picture of one RGB565 colour). Lines starting with '#'
// before the grid are comments.
//
// Objects: a value is one or more pictures joined by '+', each with an optional '@' and numbers
// joined by ','. The cell's first-layer object is one of composite (kind 1: the main picture at
// @x,y in world units, 512,512 by default, then extras at @dx,dy texels from its top left),
// hanging (kind 7, the same), door (kind 3: the frame, then the leaf, the second leaf and the
// middle picture at @x,y texels of the frame; opening=0..63 and mode=0..3), turning (kind 4),
// group and raised (kinds 5 and 13: pictures at @x,y), panel (kind 9: as composite), cross and
// crossy (kind 10 along x or y), large (kind 12); height=F sets its height in storeys. upperpanel
// is a second-layer panel (kind 8); roof=PICTURE puts a roof over the cell's wall, its model from
// the walls of the same character round it.
// Side entries (up to four per cell, each at @xstep,ystep,heightstep on the 30-step grid): free
// (standing free), side (PICTURE/OBLIQUE on the side the steps name), sign (projecting from it),
// shelf (on its side), then stack=ITEMS and silhouette for the last of them; second (a second
// free-standing picture). Item piles: pile=PICTURE@x,y (up to two), then marker=PERCENT, markerb
// and mirrored for the last; items=ITEMS the floor items; sprite=PICTURE@x,y,percent the free
// sprite slot. The setting "markers A B" names the marker pictures.
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/packages/resource_cache.h"
#include "render/view_descriptor.h"

class STinyWorld {
public:
    STinyWorld() = default;
    STinyWorld(const STinyWorld&) = delete;
    STinyWorld& operator=(const STinyWorld&) = delete;

    // Builds the world; false with the line and what is wrong in error, the world then empty.
    bool Load(std::string_view text, std::string& error);

    SViewDescriptor& View() { return m_view; }
    const SViewDescriptor& View() const { return m_view; }
    // Whether the player may not step into a cell: beyond the grid or a first-layer wall.
    bool Blocks(int x, int y) const;
    // The picture slot of a name, made on first use; 0 for a name that is no picture.
    uint16_t PictureSlot(const std::string& name);
    // A picture record in a new slot; 0 when it does not hold together.
    uint16_t AddPicture(std::vector<uint8_t> record);

    // The tables the descriptor points into; a test may change records (not sizes) between frames.
    std::vector<SCellViewRecord> m_cells;
    std::vector<SCellExtraRecord> m_extras;
    std::vector<SFloorRecord> m_floors;
    std::vector<SObjectTypeRecord> m_objectTypes;
    std::vector<SSideOverlayRecord> m_sideOverlays;
    std::vector<SItemStackRecord> m_itemStacks;
    std::vector<SItemPileRecord> m_itemPiles;
    std::vector<std::unique_ptr<SPictureEntry>> m_pictures;
    std::vector<std::unique_ptr<SPaletteEntry>> m_palettes;

    // Points the descriptor at the tables again, after a test changed their sizes.
    void Bind();

private:
    struct SLegend {
        SCellViewRecord cell;
        SCellExtraRecord extra;
        int lastSideEntry = -1;  // what stack=, silhouette and marker= apply to
        int lastPile = -1;
    };
    enum class SKey { NotAnObject, Done, Failed };
    bool setting(const std::string& key, std::istringstream& values, std::string& error);
    bool legend(std::istringstream& values, std::string& error);
    uint16_t objectType(uint16_t kind, uint16_t picture, uint16_t ceiling = 0);
    // The object, side entry, item pile and sprite keys (tiny_world_objects.cpp).
    SKey objectKey(const std::string& key, const std::string& value, SLegend& entry, std::string& error);
    SKey centreObject(uint16_t kind, const std::string& value, SLegend& entry, std::string& error);
    SKey sideEntry(const std::string& key, const std::string& value, SLegend& entry, std::string& error);
    uint16_t itemStack(const std::string& value, std::string& error);
    // Gives every roofed wall its model: the wall variant of the cells of the same wall round it.
    void roofWalls();

    SViewDescriptor m_view;
    std::map<char, SLegend> m_legend;
    std::map<std::string, uint16_t> m_slots;
    uint16_t m_light = 256;
};

// The sample worlds the viewer opens: a dungeon of corridors, a pit, a room under a second storey
// and the map's edge; and an outdoor yard under the sky.
extern const char* const kSampleDungeon;
extern const char* const kSampleYard;
