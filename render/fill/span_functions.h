#pragma once
// The span functions, generated per texel format, texel reading and shading from one loop, so that
// no inner loop branches on the format or the fog and none divides. Each filler picks its pair
// once per polygon with SelectSpans.
#include <cstdint>

#include "render/fill/fog_blend.h"
#include "render/fill/span_state.h"
#include "render/fill/texel_access.h"

// Samplers read the span's texel for the current pixel and move to the next one.

// Along one picture line (a row or a column), with the given keying.
template <int kFormat, template <int> class Line, SKeying kKeying>
class SLineSampler {
public:
    explicit SLineSampler(const SSpanState& span)
        : m_line(span.m_data, span.m_stride, span.m_constant),
          m_palette(span.m_palette),
          m_position(span.m_varying),
          m_step(uint32_t(span.m_varyingStep)) {}

    bool Read(uint16_t& colour) const { return ReadColour<kKeying>(m_line, m_palette, colour, m_position); }
    void Advance() { m_position += m_step; }

private:
    Line<kFormat> m_line;
    const uint8_t* m_palette;
    uint32_t m_position;
    uint32_t m_step;
};

// Walls, side faces and the sky: picture rows, every texel drawn.
template <int kFormat>
using SOpaqueRowSampler = SLineSampler<kFormat, SAlongRow, SKeying::Opaque>;
// Billboards: picture rows, keyed.
template <int kFormat>
using SKeyedRowSampler = SLineSampler<kFormat, SAlongRow, SKeying::Keyed>;
// Keyed upright quads: picture columns, keyed, colour index 0 too.
template <int kFormat>
using SKeyedColumnSampler = SLineSampler<kFormat, SAlongColumn, SKeying::KeyedWithIndexZero>;

// A wall with an overlay of the base's format and size: the overlay's texel, or where that is the
// key colour the base's.
template <int kFormat>
class SOverlaySampler {
public:
    explicit SOverlaySampler(const SSpanState& span)
        : m_base(span.m_data, span.m_stride, span.m_constant),
          m_overlay(span.m_overlayData, span.m_stride, span.m_constant),
          m_basePalette(span.m_palette),
          m_overlayPalette(span.m_overlayPalette),
          m_position(span.m_varying),
          m_step(uint32_t(span.m_varyingStep)) {}

    bool Read(uint16_t& colour) const {
        ReadColour<SKeying::Opaque>(m_overlay, m_overlayPalette, colour, m_position);
        if (colour == SPicture::kTransparent) ReadColour<SKeying::Opaque>(m_base, m_basePalette, colour, m_position);
        return true;
    }
    void Advance() { m_position += m_step; }

private:
    SAlongRow<kFormat> m_base;
    SAlongRow<kFormat> m_overlay;
    const uint8_t* m_basePalette;
    const uint8_t* m_overlayPalette;
    uint32_t m_position;
    uint32_t m_step;
};

// The rotated picture: column and row both stepped, keyed.
template <int kFormat>
class SRotatedSampler {
public:
    explicit SRotatedSampler(const SSpanState& span)
        : m_texels(span.m_data, span.m_stride),
          m_palette(span.m_palette),
          m_column(span.m_varying),
          m_row(span.m_secondVarying),
          m_columnStep(uint32_t(span.m_varyingStep)),
          m_rowStep(uint32_t(span.m_secondStep)) {}

    bool Read(uint16_t& colour) const {
        return ReadColour<SKeying::Keyed>(m_texels, m_palette, colour, m_column, m_row);
    }
    void Advance() {
        m_column += m_columnStep;
        m_row += m_rowStep;
    }

private:
    SAnyTexel<kFormat> m_texels;
    const uint8_t* m_palette;
    uint32_t m_column;
    uint32_t m_row;
    uint32_t m_columnStep;
    uint32_t m_rowStep;
};

// Shades turn a texel colour into the pixel written.

// At full factor: the texel as it is.
struct SPlainShade {
    explicit SPlainShade(const SSpanState&) {}
    uint16_t operator()(uint16_t colour) const { return colour; }
    void Advance() {}
};

// One factor for the whole span.
class SFogShade {
public:
    explicit SFogShade(const SSpanState& span) : m_fog(span.m_fog), m_factor(span.m_factor) {}
    uint16_t operator()(uint16_t colour) const { return fog::Blend(colour, m_fog, m_factor); }
    void Advance() {}

private:
    uint32_t m_fog;
    uint32_t m_factor;
};

// A factor that changes along the span (side faces): the fog value >> 5, read before it is stepped.
class SSteppedFogShade {
public:
    explicit SSteppedFogShade(const SSpanState& span)
        : m_fog(span.m_fog), m_value(span.m_fogValue), m_step(span.m_fogStep) {}
    uint16_t operator()(uint16_t colour) const { return fog::Blend(colour, m_fog, uint32_t(m_value >> 5)); }
    void Advance() { m_value += m_step; }

private:
    uint32_t m_fog;
    int32_t m_value;
    int32_t m_step;
};

// The one loop. The pixel is addressed by its offset from the first, so that no address past the
// span is ever formed: in orientations 1 and 2 the pixel after a span at the surface's edge lies
// outside the pixel memory.
template <class Sampler, class Shade>
void DrawSpan(const SSpanState& span) {
    Sampler sampler(span);
    Shade shade(span);
    ptrdiff_t offset = 0;
    for (int k = span.m_count; k > 0; --k) {
        uint16_t colour;
        if (sampler.Read(colour)) span.m_first[offset] = shade(colour);
        sampler.Advance();
        shade.Advance();
        offset += span.m_pixelStep;
    }
}

// A filler's span functions for texel format 0, 1 or 2 (the texture's Drawable holds it to these).
template <template <int> class Sampler, class FogShade = SFogShade, class PlainShade = SPlainShade>
SSpanPair SelectSpans(int format) {
    static constexpr SSpanPair kPairs[3] = {
        {&DrawSpan<Sampler<0>, FogShade>, &DrawSpan<Sampler<0>, PlainShade>},
        {&DrawSpan<Sampler<1>, FogShade>, &DrawSpan<Sampler<1>, PlainShade>},
        {&DrawSpan<Sampler<2>, FogShade>, &DrawSpan<Sampler<2>, PlainShade>},
    };
    return kPairs[format];
}
