#pragma once
// The floor fillers of every type and facing family: perspective exact along both edges and at the
// two ends of every row span, linear between them.
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "render/fill/floor_samplers.h"
#include "render/fill/line_polygon.h"

namespace floor_polygon {

// The edge terms step u x depth, v x depth and 8 x shade x depth between their 32-bit values at
// the vertices; these products are formed in 64 bits, and a polygon whose products do not fit 32
// (coordinates far beyond any texture at a great depth) is not drawn rather than drawn wrong.
inline bool EdgeProductsFit(const SFillPolygon& polygon) {
    int64_t depth = 0, value = 0;
    for (int i = 0; i < polygon.m_count; ++i) {
        depth = std::max<int64_t>(depth, polygon.m_vertices[i].z);
        value = std::max({value, std::abs(int64_t(polygon.m_uvs[i].u)), std::abs(int64_t(polygon.m_uvs[i].v)),
                          std::abs(int64_t(int16_t(polygon.m_shades[i])) * 8)});
    }
    return depth * value <= std::numeric_limits<int32_t>::max();
}

// The span functions of the layers' format, the decoded colours among them.
template <template <int> class Sampler, class FogShade = SFogShade>
SSpanPair SelectFloorSpans(const SFloorLayers& layers) {
    if (layers.m_format != SFloorLayers::kDecoded) return SelectSpans<Sampler, FogShade>(layers.m_format);
    using Decoded = Sampler<SFloorLayers::kDecoded>;
    return {&DrawSpan<Decoded, FogShade>, &DrawSpan<Decoded, SPlainShade>};
}

// Walker 2 carries the coordinates that vary along a row: u at facings 0 and 2, v at 1 and 3, both
// at any other facing.
template <SFloorFamily kFamily>
using SRightWalker = std::conditional_t<
    kFamily == SFloorFamily::NS, SValueWalker<SInterpolation::Perspective, SAttribute::S>,
    std::conditional_t<kFamily == SFloorFamily::EW, SValueWalker<SInterpolation::Perspective, SAttribute::T>,
                       SValueWalker<SInterpolation::Perspective, SAttribute::S, SAttribute::T>>>;

// The coordinate that holds along a row is taken at the left edge alone; the fog factor too.
template <int kType, SFloorFamily kFamily>
void DrawFloorPolygon(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a,
                      const SFloorLayers& layers, uint32_t fog) {
    if (!line_polygon::HasPositiveDepths(polygon) || !EdgeProductsFit(polygon)) return;
    const SSpanPair spans = SelectFloorSpans<SFloorSamplers<kType, kFamily>::template Sampler>(layers);
    [[maybe_unused]] SSpanFunction lineSpan = nullptr;
    [[maybe_unused]] const uint32_t pixelsPerTexel = floor_line::PixelsPerTexelOfALine(layers.m_format);
    if constexpr (kFamily != SFloorFamily::Free)
        lineSpan = SelectFloorSpans<SFloorLineSamplers<kType, kFamily>::template Sampler, SPlainShade>(layers).m_plain;
    SValueWalker<SInterpolation::Perspective, SAttribute::S, SAttribute::T, SAttribute::SignedShade8> walker1(polygon);
    SRightWalker<kFamily> walker2(polygon);
    WalkPolygon<SSpanAxis::Row>(target, polygon, walker1, walker2, [&](const SSpanLine& line) {
        SSpanState span;
        if constexpr (kFamily == SFloorFamily::NS) {
            span = line_polygon::LineSpanState<SAttribute::T, SAttribute::S>(line, a, walker1, walker2, fog);
        } else if constexpr (kFamily == SFloorFamily::EW) {
            span = line_polygon::LineSpanState<SAttribute::S, SAttribute::T>(line, a, walker1, walker2, fog);
        } else {
            span = line_polygon::SpanOver(line, a, fog);
            const line_polygon::SVarying u = line_polygon::VaryAlong(
                line, walker1.template Value<SAttribute::S>(), walker2.template Value<SAttribute::S>(), a.m_width);
            const line_polygon::SVarying v = line_polygon::VaryAlong(
                line, walker1.template Value<SAttribute::T>(), walker2.template Value<SAttribute::T>(), a.m_height);
            span.m_varying = u.m_start;
            span.m_varyingStep = u.m_step;
            span.m_secondVarying = v.m_start;
            span.m_secondStep = v.m_step;
        }
        span.m_layers = &layers;
        span.m_factor = fog::FactorOfSignedShade8(walker1.template Value<SAttribute::SignedShade8>());
        if constexpr (kFamily != SFloorFamily::Free) {
            if (floor_line::WorthALine(span, pixelsPerTexel)) return lineSpan(span);
        }
        spans.For(span.m_factor)(span);
    });
}

}  // namespace floor_polygon
