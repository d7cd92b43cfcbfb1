#pragma once
// What the fillers that read one picture line per span share: the span state from the walkers'
// values, and the whole filler for the types whose fog factor holds along a span.
#include "render/fill/fog_blend.h"
#include "render/fill/polygon_walk.h"
#include "render/fill/render_texture.h"
#include "render/fill/span_functions.h"
#include "render/fill/span_output.h"
#include "render/fill/value_walker.h"

namespace line_polygon {

// Perspective interpolation divides by depths between the vertices' own; a vertex at or behind the
// eye has no place on the screen.
inline bool HasPositiveDepths(const SFillPolygon& polygon) {
    for (int i = 0; i < polygon.m_count; ++i) {
        if (polygon.m_vertices[i].z <= 0) return false;
    }
    return true;
}

inline int32_t PictureSide(const SRenderTexture& texture, SAttribute coordinate) {
    return coordinate == SAttribute::S ? texture.m_width : texture.m_height;
}

// The span's pixels and texture, the rest of the state left for the filler.
inline SSpanState SpanOver(const SSpanLine& line, const SRenderTexture& texture, uint32_t fog) {
    SSpanState span;
    span.m_first = line.m_pixels.m_first;
    span.m_pixelStep = line.m_pixels.m_step;
    span.m_count = line.m_pixels.m_count;
    span.m_data = texture.m_data;
    span.m_palette = texture.m_palette;
    span.m_stride = texture.Stride();
    span.m_fog = fog;
    return span;
}

// A coordinate that varies along the span: its position at the span's first pixel and its step,
// from its values at the two walkers, each first kept inside a picture side of `side` texels.
struct SVarying {
    uint32_t m_start = 0;
    int32_t m_step = 0;
};

inline SVarying VaryAlong(const SSpanLine& line, int32_t value1, int32_t value2, int32_t side) {
    const int32_t v1 = ClampToPicture(value1, side);
    const int32_t step = SpanStep(v1, ClampToPicture(value2, side), line.m_minor1, line.m_minor2);
    return {SpanStart(v1, line.m_minor1, line.m_start, step), step};
}

// The span state of a filler that reads one picture line: walker 1 gives the constant coordinate,
// both walkers the ends of the varying one.
template <SAttribute kConstant, SAttribute kVarying, class Walker1, class Walker2>
SSpanState LineSpanState(const SSpanLine& line, const SRenderTexture& texture, const Walker1& walker1,
                         const Walker2& walker2, uint32_t fog) {
    SSpanState span = SpanOver(line, texture, fog);
    span.m_constant = ClampToPicture(walker1.template Value<kConstant>(), PictureSide(texture, kConstant)) >> 4;
    const SVarying varying = VaryAlong(line, walker1.template Value<kVarying>(), walker2.template Value<kVarying>(),
                                       PictureSide(texture, kVarying));
    span.m_varying = varying.m_start;
    span.m_varyingStep = varying.m_step;
    return span;
}

// A filler whose walker 1 carries s, t and the shade and whose walker 2 carries the varying
// coordinate; the fog factor comes from walker 1's shade, once per span.
template <template <int> class Sampler, SSpanAxis kAxis, SInterpolation kMode, SAttribute kConstant,
          SAttribute kVarying>
void DrawLinePolygon(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                     uint32_t fog, const SRenderTexture* overlay = nullptr) {
    if (!texture.Drawable()) return;
    if (kMode == SInterpolation::Perspective && !HasPositiveDepths(polygon)) return;
    const SSpanPair spans = SelectSpans<Sampler>(texture.m_format);
    SValueWalker<kMode, SAttribute::S, SAttribute::T, SAttribute::Shade8> walker1(polygon);
    SValueWalker<kMode, kVarying> walker2(polygon);
    // Keyed upright quads hold s along a column: they read their picture down its columns.
    SSpanOutput<kAxis> output(target, kConstant == SAttribute::S);
    WalkPolygon<kAxis>(target, polygon, walker1, walker2, [&](const SSpanLine& line) {
        SSpanState span = LineSpanState<kConstant, kVarying>(line, texture, walker1, walker2, fog);
        span.m_factor = fog::FactorOfShade8(walker1.template Value<SAttribute::Shade8>());
        if (overlay) {
            span.m_overlayData = overlay->m_data;
            span.m_overlayPalette = overlay->m_palette;
        }
        output.Draw(spans.For(span.m_factor), span, line);
    });
}

}  // namespace line_polygon
