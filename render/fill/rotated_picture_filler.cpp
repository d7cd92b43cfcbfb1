// The rotated-picture quad through which the 2-D layer draws a picture turned by any angle.
#include "render/fill/fillers.h"
#include "render/fill/line_polygon.h"

void DrawQuadKeyedAffine(const SRasterTarget& target, std::span<const SRenderVertex, 4> quad,
                         const SRenderTexture& texture, std::span<const SRenderUv, 4> uvs) {
    if (!texture.Drawable()) return;
    const SFillPolygon polygon{4, quad.data(), uvs.data(), nullptr};
    const SSpanFunction draw = SelectSpans<SRotatedSampler, SPlainShade>(texture.m_format).m_plain;
    SValueWalker<SInterpolation::Affine, SAttribute::S, SAttribute::T> walker1(polygon);
    SValueWalker<SInterpolation::Affine, SAttribute::S, SAttribute::T> walker2(polygon);
    WalkPolygon<SSpanAxis::Row>(target, polygon, walker1, walker2, [&](const SSpanLine& line) {
        SSpanState span = line_polygon::SpanOver(line, texture, 0);
        const line_polygon::SVarying s = line_polygon::VaryAlong(line, walker1.Value<SAttribute::S>(),
                                                                 walker2.Value<SAttribute::S>(), texture.m_width);
        const line_polygon::SVarying t = line_polygon::VaryAlong(line, walker1.Value<SAttribute::T>(),
                                                                 walker2.Value<SAttribute::T>(), texture.m_height);
        span.m_varying = s.m_start;
        span.m_varyingStep = s.m_step;
        span.m_secondVarying = t.m_start;
        span.m_secondStep = t.m_step;
        draw(span);
    });
}
