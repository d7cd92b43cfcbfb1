// The side faces of sunken floors (type 8): walls whose fog changes down each column, so that the
// face darkens towards its lower edge.
#include <algorithm>

#include "render/fill/fillers.h"
#include "render/fill/line_polygon.h"

namespace {

// Shade times 8 of full light: factor 32.
constexpr int32_t kClearShade8 = 1024;

}  // namespace

void DrawPolySideFace(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                      uint32_t fog) {
    if (!texture.Drawable() || !line_polygon::HasPositiveDepths(polygon)) return;
    const SSpanPair spans = SelectSpans<SOpaqueRowSampler, SSteppedFogShade>(texture.m_format);
    SValueWalker<SInterpolation::Perspective, SAttribute::S, SAttribute::T, SAttribute::Shade8> walker1(polygon);
    SValueWalker<SInterpolation::Perspective, SAttribute::S, SAttribute::Shade8> walker2(polygon);
    SColumnSpanOutput output(target, false);
    WalkPolygon<SSpanAxis::Column>(target, polygon, walker1, walker2, [&](const SSpanLine& line) {
        SSpanState span =
            line_polygon::LineSpanState<SAttribute::T, SAttribute::S>(line, texture, walker1, walker2, fog);
        const int32_t g1 = std::clamp(walker1.Value<SAttribute::Shade8>(), 0, kClearShade8);
        const int32_t g2 = std::clamp(walker2.Value<SAttribute::Shade8>(), 0, kClearShade8);
        // The fog value starts at the upper end's shade on the first pixel, with no sub-pixel
        // correction; pixels the surface cut off still count.
        const int64_t height = int64_t(line.m_minor2) - line.m_minor1;
        span.m_fogStep = height == 0 ? 0 : int32_t((int64_t(g2) - g1) * 16 / height);
        span.m_fogValue = int32_t(g1 + int64_t(line.m_skipped) * span.m_fogStep);
        // Every pixel is blended; where the factor is 32 all along, the blend gives the texel itself.
        const bool clear = g1 == kClearShade8 && span.m_fogStep == 0;
        output.Draw(clear ? spans.m_plain : spans.m_fog, span, line);
    });
}
