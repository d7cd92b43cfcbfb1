#pragma once
// Frames, panels and bars: the boxes dialogs and widgets are drawn in, from a frame set (nine
// pictures: top-left, left, bottom-left, top, centre, bottom, top-right, right, bottom-right) or a
// bar set (left cap, middle, right cap). Keyed sets leave their transparent pixels alone.
#include <cstdint>

class SDisplay;
struct SPictureEntry;

// The edges a frame draws, and with kFrameFill the inside filled with the colour (0xBBGGRR).
enum SFrameFlag : uint32_t {
    kFrameTop = 0x01,
    kFrameLeft = 0x02,
    kFrameBottom = 0x04,
    kFrameRight = 0x08,
    kFrameFill = 0x80
};
void DrawFrame(SDisplay& display, const SPictureEntry* const* set, bool keyed, int x, int y, int w, int h,
               uint32_t flags, uint32_t colour);
void DrawPanel(SDisplay& display, const SPictureEntry* const* set, bool keyed, int x, int y, int w, int h);
void DrawBar(SDisplay& display, const SPictureEntry* const* set, bool keyed, int x, int y, int w, int h);
// The picture tiled over the rectangle (opaque, the last row and column cut to fit); without one,
// or with one not loaded, the rectangle filled with the colour (a colour word).
void TileOrFill(SDisplay& display, const SPictureEntry* picture, int x, int y, int w, int h, uint32_t colour);
