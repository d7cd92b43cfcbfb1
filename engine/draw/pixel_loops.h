#pragma once
// The 2-D pixel loops: fills, copies, picture blits, scaling, the fixed downscales and text. They
// write RGB565 pixels through a raster target, in whichever orientation it has.
//
// Every loop clips to the surface and to the picture, so a rectangle that reaches outside either
// draws only the part that lies inside both; a part inside both is drawn exactly as it would be
// unclipped. Every loop but the glyph loop marks the frame as drawn into, also when it draws nothing.
#include <array>
#include <cstdint>
#include <span>

#include "engine/draw/glyph_ink.h"
#include "engine/draw/picture.h"
#include "engine/draw/raster_target.h"

using SShades = std::array<uint16_t, 3>;  // what glyph indices 1, 2 and 3 draw

class SPixelLoops {
public:
    static void FillRectRaw(SRasterTarget& target, int x, int y, int w, int h, uint16_t colour);
    // Copies w x h pixels of a row-major RGB565 image that starts at (sourceX, sourceY).
    static void CopyPixelsRaw(SRasterTarget& target, int x, int y, std::span<const uint16_t> source,
                              int sourceRowLength, int sourceHeight, int sourceX, int sourceY, int w, int h);
    // As CopyPixelsRaw, leaving out the key colour 0xFFFF.
    static void CopyPixelsKeyedRaw(SRasterTarget& target, int x, int y, std::span<const uint16_t> source,
                                   int sourceRowLength, int sourceHeight, int sourceX, int sourceY, int w, int h);

    // Cover w x h pixels with copies of a tileWidth x tileHeight row-major RGB565 image from its
    // top left: pixel (i, j) of the rectangle shows image pixel (i % tileWidth, j % tileHeight).
    static void TilePixelsRaw(SRasterTarget& target, int x, int y, int w, int h, std::span<const uint16_t> tile,
                              int tileWidth, int tileHeight);
    // As TilePixelsRaw, leaving out the key colour 0xFFFF.
    static void TilePixelsKeyedRaw(SRasterTarget& target, int x, int y, int w, int h, std::span<const uint16_t> tile,
                                   int tileWidth, int tileHeight);

    // Destination row r takes picture row sourceY + r from column sourceX on; 0xFFFF and, in
    // block formats, block index 0 are left out.
    static void BlitKeyedRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceX, int sourceY,
                             int w, int h);
    // The picture's top-left w x h part, left to right reversed, keyed.
    static void BlitKeyedMirroredRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int w, int h);
    // As keyed, with every pixel written.
    static void BlitOpaqueRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceX, int sourceY,
                              int w, int h);
    // Rows from sourceY, columns from 0; each pixel becomes the truncated mean of the picture's
    // colour and the one already there.
    static void BlitBlendRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceY, int w, int h);

    // Point-samples the picture's top-left sourceW x sourceH part onto destW x destH pixels.
    static void BlitScaledRaw(SRasterTarget& target, const SPicture& picture, int x, int y, int sourceW, int sourceH,
                              int destW, int destH);
    // A 50x50 picture at 40x40, 30x30 or 20x20, each 5x5 block averaged with fixed weights.
    // Pictures of any other size are not drawn.
    static void BlitShrink40Raw(SRasterTarget& target, const SPicture& picture, int x, int y);
    static void BlitShrink30Raw(SRasterTarget& target, const SPicture& picture, int x, int y);
    static void BlitShrink20Raw(SRasterTarget& target, const SPicture& picture, int x, int y);

    // Draws the text's glyphs side by side from (x, y), one column apart, reading only the rows
    // glyphInk gives for each glyph.
    static void DrawTextRaw(SRasterTarget& target, const SPicture& strip, std::span<const uint16_t, 256> glyphOffsets,
                            std::span<const uint8_t, 256> glyphWidths, std::span<const SInkRows, 256> glyphInk,
                            const SShades& shades, int x, int y, const char* text);
    // Draws strip columns glyphOffset.. glyphOffset + glyphWidth - 1 of a format-0 font strip:
    // index 0 is not drawn, 1 to 3 draw the shades, any other index its colour from the table.
    static void DrawGlyphRaw(SRasterTarget& target, int x, int y, int glyphOffset, int glyphWidth,
                             const SPicture& strip, const SShades& shades);
};
