#pragma once
// Where the two target panels sit inside the 3-D view: one at the bottom left and one at the
// bottom right, each a box of one or two text lines beside an icon. The panels themselves are
// drawn by the look-target code; this is only their geometry, which follows the view rectangle
// and the height of the panel font.
#include <cstdint>

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
