#pragma once
// The span functions, generated per texel format, texel reading and shading from one loop, so that
// no inner loop branches on the format or the fog and none divides. Each filler picks its pair
// once per polygon with SelectSpans.
#include <algorithm>
#include <cstdint>

#include "render/fill/fog_blend.h"
#include "render/fill/span_state.h"
#include "render/fill/texel_access.h"

// Samplers read the span's texel for the current pixel and move to the next one. A keyed sampler
// answers the key colour for a pixel it leaves.

// Along one picture line (a row or a column), with the given keying.
template <int kFormat, template <int> class Line, SKeying kKeying>
class SLineSampler {
public:
    static constexpr bool kKeyed = kKeying != SKeying::Opaque;

    explicit SLineSampler(const SSpanState& span)
        : m_line(span.m_data, span.m_palette, span.m_stride, span.m_constant),
          m_position(span.m_varying),
          m_step(uint32_t(span.m_varyingStep)) {}

    uint16_t Read() const { return ReadColour<kKeying>(m_line, m_position); }
    void Advance() { m_position += m_step; }

private:
    Line<kFormat> m_line;
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
    static constexpr bool kKeyed = false;

    explicit SOverlaySampler(const SSpanState& span)
        : m_base(span.m_data, span.m_palette, span.m_stride, span.m_constant),
          m_overlay(span.m_overlayData, span.m_overlayPalette, span.m_stride, span.m_constant),
          m_position(span.m_varying),
          m_step(uint32_t(span.m_varyingStep)) {}

    uint16_t Read() const {
        const uint16_t colour = ReadColour<SKeying::Opaque>(m_overlay, m_position);
        if (colour != SPicture::kTransparent) return colour;
        return ReadColour<SKeying::Opaque>(m_base, m_position);
    }
    void Advance() { m_position += m_step; }

private:
    SAlongRow<kFormat> m_base;
    SAlongRow<kFormat> m_overlay;
    uint32_t m_position;
    uint32_t m_step;
};

// The rotated picture: column and row both stepped, keyed.
template <int kFormat>
class SRotatedSampler {
public:
    static constexpr bool kKeyed = true;

    explicit SRotatedSampler(const SSpanState& span)
        : m_texels(span.m_data, span.m_palette, span.m_stride),
          m_column(span.m_varying),
          m_row(span.m_secondVarying),
          m_columnStep(uint32_t(span.m_varyingStep)),
          m_rowStep(uint32_t(span.m_secondStep)) {}

    uint16_t Read() const { return ReadColour<SKeying::Keyed>(m_texels, m_column, m_row); }
    void Advance() {
        m_column += m_columnStep;
        m_row += m_rowStep;
    }

private:
    SAnyTexel<kFormat> m_texels;
    uint32_t m_column;
    uint32_t m_row;
    uint32_t m_columnStep;
    uint32_t m_rowStep;
};

// Shades turn texel colours into the pixels written. The fog shades work on chunks of a span: the
// texels of a chunk are read one by one, then blended together, which lets the compiler blend
// several pixels at once.
constexpr int kChunk = 64;

// At full factor: the texels as they are, written as they are read.
struct SPlainShade {
    static constexpr bool kChunked = false;
    explicit SPlainShade(const SSpanState&) {}
};

// One factor for the whole span.
class SFogShade {
public:
    static constexpr bool kChunked = true;
    explicit SFogShade(const SSpanState& span) : m_fog(span.m_fog), m_factor(int16_t(span.m_factor)) {}
    void Start(int) {}
    uint16_t operator()(uint16_t colour, int) const { return m_fog.Blend(colour, m_factor); }

private:
    fog::SChannels m_fog;
    int16_t m_factor;
};

// A factor that changes along the span (side faces): each pixel's is the fog value >> 5, read
// before the value is stepped.
class SSteppedFogShade {
public:
    static constexpr bool kChunked = true;
    explicit SSteppedFogShade(const SSpanState& span)
        : m_fog(span.m_fog), m_value(span.m_fogValue), m_step(span.m_fogStep) {}
    void Start(int count) {
        for (int i = 0; i < count; ++i, m_value += m_step) m_factors[i] = int16_t(m_value >> 5);
    }
    uint16_t operator()(uint16_t colour, int i) const { return m_fog.Blend(colour, m_factors[i]); }

private:
    fog::SChannels m_fog;
    int32_t m_value;
    int32_t m_step;
    int16_t m_factors[kChunk];
};

// Reads the colours of count pixels of a span, one by one.
template <class Sampler>
void ReadChunk(Sampler& sampler, uint16_t* __restrict colours, int count) {
#pragma GCC unroll 4
    for (int i = 0; i < count; ++i) {
        colours[i] = sampler.Read();
        sampler.Advance();
    }
}

// The loops. Pixels are addressed by their offset from the first, so that no address past the span
// is ever formed: in orientations 1 and 2 the pixel after a span at the surface's edge lies outside
// the pixel memory. The per-pixel loops are unrolled, since their own counting is a fair share of so
// short a body.
template <class Sampler, class Shade>
void DrawSpan(const SSpanState& span) {
    Sampler sampler(span);
    Shade shade(span);
    uint16_t* const first = span.m_first;
    const ptrdiff_t step = span.m_pixelStep;
    auto drawn = [](uint16_t colour) { return !Sampler::kKeyed || colour != SPicture::kTransparent; };
    if constexpr (!Shade::kChunked) {
        ptrdiff_t offset = 0;
#pragma GCC unroll 4
        for (int k = span.m_count; k > 0; --k, offset += step) {
            const uint16_t colour = sampler.Read();
            if (drawn(colour)) first[offset] = colour;
            sampler.Advance();
        }
    } else {
        // A chunk is read while the one before it is blended: read straight after its texels were
        // stored one by one, a chunk would stall the wide loads of the blend.
        uint16_t chunks[2][kChunk];
        ptrdiff_t offset = 0;
        int left = span.m_count;
        int count = std::min(left, kChunk);
        ReadChunk(sampler, chunks[0], count);
        left -= count;
        for (int current = 0; count > 0; current ^= 1) {
            const int next = std::min(left, kChunk);
            ReadChunk(sampler, chunks[current ^ 1], next);
            left -= next;
            const uint16_t* colours = chunks[current];
            shade.Start(count);
            if (step == 1) {
                // Side by side, a pixel the keying leaves is written back as it was, so that the
                // whole chunk goes at once.
                uint16_t* pixels = first + offset;
                for (int i = 0; i < count; ++i) pixels[i] = drawn(colours[i]) ? shade(colours[i], i) : pixels[i];
                offset += count;
            } else {
                uint16_t shaded[kChunk];
                for (int i = 0; i < count; ++i) shaded[i] = shade(colours[i], i);
#pragma GCC unroll 4
                for (int i = 0; i < count; ++i, offset += step) {
                    if (drawn(colours[i])) first[offset] = shaded[i];
                }
            }
            count = next;
        }
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
