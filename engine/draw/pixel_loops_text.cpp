#include "engine/draw/pixel_loops.h"
#include "engine/draw/pixel_rows.h"

using namespace pixel_rows;

void SPixelLoops::DrawGlyphRaw(SRasterTarget& target, int x, int y, int glyphOffset, int glyphWidth,
                               const SPicture& strip, const SShades& shades) {
    // A strip in a block format would be read with the wrong row length.
    if (strip.Format() != 0) return;
    BlitRows<1>(target, strip, x, y, glyphOffset, 0, glyphWidth, strip.Height(),
                [&](uint16_t& out, const auto& texels, int c) {
                    uint32_t index = texels.Index(c);
                    if (index == 0) return;
                    out = index <= shades.size() ? shades[index - 1] : strip.Colour(index);
                });
}

void SPixelLoops::DrawTextRaw(SRasterTarget& target, const SPicture& strip, std::span<const uint16_t, 256> glyphOffsets,
                              std::span<const uint8_t, 256> glyphWidths, const SShades& shades, int x, int y,
                              const char* text) {
    target.m_drawn = true;
    if (!text) return;
    for (const char* at = text; *at; ++at) {
        uint8_t c = uint8_t(*at);
        DrawGlyphRaw(target, x, y, glyphOffsets[c], glyphWidths[c], strip, shades);
        x += glyphWidths[c] + 1;
    }
}
