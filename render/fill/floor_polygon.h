#pragma once
// The floor fillers of every type and facing family: perspective exact along both edges and at the
// two ends of every row span, linear between them.
#include <type_traits>

#include "render/fill/floor_samplers.h"
#include "render/fill/line_polygon.h"

namespace floor_polygon {

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
    if (!line_polygon::HasPositiveDepths(polygon)) return;
    const SSpanPair spans = SelectFloorSpans<SFloorSamplers<kType, kFamily>::template Sampler>(layers);
    [[maybe_unused]] SSpanFunction lineSpan = nullptr;
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
            if (floor_line::WorthALine(span)) return lineSpan(span);
        }
        spans.For(span.m_factor)(span);
    });
}

}  // namespace floor_polygon
