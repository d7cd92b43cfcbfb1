#pragma once
// The two target panels inside the 3-D view, which name what the player faces: where they sit, one
// at the bottom left and one at the bottom right, each a box of one or two text lines beside an
// icon, following the view rectangle and the height of the panel font; and what each shows.
#include <cstdint>
#include <string>

struct SCreature;

struct STargetPanelBox {
    int32_t top = 0;
    int32_t height = 0;
    int32_t innerHeight = 0;
    int32_t textTop = 0;  // the first text line
};

struct STargetPanel {
    int32_t left = 0;
    int32_t width = 0;
    int32_t textLeft = 0;  // right of the icon
    int32_t textWidth = 0;
    STargetPanelBox oneLine;
    STargetPanelBox twoLines;
};

struct STargetPanels {
    STargetPanel left;
    STargetPanel right;
};

// For a view at (x, y) of w x h, a font fontHeight pixels high and a panel icon iconWidth wide.
STargetPanels LayoutTargetPanels(int32_t x, int32_t y, int32_t w, int32_t h, int32_t fontHeight, int32_t iconWidth);

// What a target panel shows: a creature's name, whether it is hostile and its health; or, in the
// first panel, the name of a character on a wall.
struct SLookTarget {
    bool shown = false;
    const SCreature* creature = nullptr;  // null for a character on a wall
    std::string text;                     // wrapped at the panel's text width, lines apart by CR
    int lines = 0;                        // 1 or 2
    bool hostile = false;
    int health = 0;  // percent
};
