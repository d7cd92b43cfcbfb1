#include "engine/draw/glyph_ink.h"

#include <algorithm>

SGlyphInk FindGlyphInk(const SPicture& strip, std::span<const uint16_t, 256> glyphOffsets,
                       std::span<const uint8_t, 256> glyphWidths) {
    SGlyphInk ink;
    for (size_t code = 0; code < ink.size(); ++code) {
        const int from = std::min<int>(glyphOffsets[code], strip.Width());
        const int to = std::min<int>(from + glyphWidths[code], strip.Width());
        SInkRows rows{0, 0};
        for (int r = 0; r < strip.Height(); ++r) {
            const uint8_t* row = strip.Texels() + ptrdiff_t(r) * strip.Width();
            if (std::none_of(row + from, row + to, [](uint8_t index) { return index != 0; })) continue;
            if (rows.first == rows.end) rows.first = uint16_t(r);
            rows.end = uint16_t(r + 1);
        }
        ink[code] = rows;
    }
    return ink;
}
