#pragma once
// The rows of each glyph of a font strip that hold ink. A line of text is as tall as the font's
// tallest glyph, and most glyphs leave many of its rows blank; text drawing reads a glyph's ink
// rows only.
#include <array>
#include <cstdint>
#include <span>

#include "engine/draw/picture.h"

// Strip rows first..end-1 hold every non-zero index of the glyph's columns. A glyph whose rows
// are not known reads all rows, which draws the same.
struct SInkRows {
    uint16_t first = 0;
    uint16_t end = UINT16_MAX;
};

using SGlyphInk = std::array<SInkRows, 256>;

// The ink rows of every character code of a format-0 strip; a glyph without ink gets an empty
// run, and columns past the strip's end hold no ink.
SGlyphInk FindGlyphInk(const SPicture& strip, std::span<const uint16_t, 256> glyphOffsets,
                       std::span<const uint8_t, 256> glyphWidths);
