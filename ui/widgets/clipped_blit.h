#pragma once
// Pictures drawn so that nothing lands outside a rectangle: the widgets that scroll pictures over
// their area (the automap, the world map) cut each one at their edges.
#include "engine/draw/display.h"

struct SPictureEntry;

// Left and top inside, right and bottom outside.
struct SClipRect {
    int left, top, right, bottom;
};

// The part of the picture at (x, y) that lies in the rectangle; nothing for a null picture.
void BlitClipped(SDisplay& display, const SPictureEntry* picture, int x, int y, const SClipRect& clip, bool keyed);
