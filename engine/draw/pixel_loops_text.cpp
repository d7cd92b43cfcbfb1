#include <algorithm>
#include <cstring>

#include "engine/draw/pixel_loops.h"
#include "engine/draw/pixel_rows.h"

using namespace pixel_rows;

namespace {

// Glyph rows are drawn a vector of pixels at a time: antialiased edges change index at almost
// every pixel, and a branch per pixel mispredicts at that rate.
constexpr int kLanes = kPixelLanes;
using SIndexLanes = uint8_t __attribute__((vector_size(kLanes)));
static_assert(sizeof(SIndexLanes) == sizeof(uint64_t));

// Draws the glyphs of one line of text that a strip of shades only (indices 0 to 3) holds, each
// glyph row in whole lanes. The lanes reach past the glyph's own columns, which only works
// upright, with the lanes inside the surface row and the strip row; other glyphs go to the
// per-pixel loop.
class SLaneGlyphs {
public:
    SLaneGlyphs(const SRasterTarget& target, const SPicture& strip, const SShades& shades, int y)
        : m_target(target),
          m_strip(strip),
          m_rows(ClipRun(strip.Height(), y, target.m_height)),
          m_y(y),
          m_usable(target.m_rowStep == 1 && strip.Format() == 0 && strip.ColoursUsed() <= 1 + shades.size()) {
        for (size_t k = 0; k < shades.size(); ++k) m_shades[k] = SPixelLanes{} + shades[k];
    }

    bool Fits(int x, int glyphOffset, int glyphWidth) const {
        const int lanes = (glyphWidth + kLanes - 1) / kLanes * kLanes;
        return m_usable && x >= 0 && x + lanes <= m_target.m_width && glyphOffset >= 0 &&
               glyphOffset + lanes <= m_strip.Width();
    }

    void Draw(int x, int glyphOffset, int glyphWidth, SInkRows ink) const {
        const SRun rows{std::max<int>(m_rows.first, ink.first), std::min<int>(m_rows.end, ink.end)};
        if (rows.Empty()) return;
        const ptrdiff_t stripStep = m_strip.Width(), down = m_target.m_columnStep;
        const uint8_t* indices = m_strip.Texels() + ptrdiff_t(rows.first) * stripStep + glyphOffset;
        uint16_t* out = m_target.PixelAddress(x, m_y + rows.first);
        for (int j = rows.first; j < rows.end; ++j, indices += stripStep, out += down) {
            for (int lane = 0; lane < glyphWidth; lane += kLanes)
                shadeLanes(out + lane, indices + lane, glyphWidth - lane);
        }
    }

private:
    // Draws up to kLanes pixels of a glyph row: lanes at or past `count` and index 0 keep the
    // pixel there.
    void shadeLanes(uint16_t* out, const uint8_t* indices, int count) const {
        uint64_t ink;
        std::memcpy(&ink, indices, sizeof ink);
        if (count < kLanes) ink &= (uint64_t(1) << (8 * count)) - 1;
        // Rows inside a glyph's ink rows are still blank in some of its lanes, and one test of
        // the word is cheaper than the selects.
        if (ink == 0) return;
        SIndexLanes narrow;
        std::memcpy(&narrow, &ink, sizeof narrow);
        const SPixelLanes index = __builtin_convertvector(narrow, SPixelLanes);
        SPixelLanes pixels;
        std::memcpy(&pixels, out, sizeof pixels);
        pixels = (pixels & SPixelLanes(index == 0)) | (m_shades[0] & SPixelLanes(index == 1)) |
                 (m_shades[1] & SPixelLanes(index == 2)) | (m_shades[2] & SPixelLanes(index == 3));
        std::memcpy(out, &pixels, sizeof pixels);
    }

    const SRasterTarget& m_target;
    const SPicture& m_strip;
    const SRun m_rows;
    const int m_y;
    const bool m_usable;
    SPixelLanes m_shades[std::tuple_size_v<SShades>];
};

}  // namespace

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
                              std::span<const uint8_t, 256> glyphWidths, std::span<const SInkRows, 256> glyphInk,
                              const SShades& shades, int x, int y, const char* text) {
    target.m_drawn = true;
    if (!text) return;
    const SLaneGlyphs lanes(target, strip, shades, y);
    for (const char* at = text; *at; ++at) {
        const uint8_t c = uint8_t(*at);
        if (lanes.Fits(x, glyphOffsets[c], glyphWidths[c]))
            lanes.Draw(x, glyphOffsets[c], glyphWidths[c], glyphInk[c]);
        else
            DrawGlyphRaw(target, x, y, glyphOffsets[c], glyphWidths[c], strip, shades);
        x += glyphWidths[c] + 1;
    }
}
