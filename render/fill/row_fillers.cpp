// The row-span fillers that read one picture row per screen row: the sky and billboards.
#include "render/fill/fillers.h"
#include "render/fill/line_polygon.h"

using line_polygon::DrawLinePolygon;

void DrawPolySky(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                 uint32_t fog) {
    DrawLinePolygon<SOpaqueRowSampler, SSpanAxis::Row, SInterpolation::Affine, SAttribute::T, SAttribute::S>(
        target, polygon, texture, fog);
}

void DrawPolyBillboard(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                       uint32_t fog) {
    DrawLinePolygon<SKeyedRowSampler, SSpanAxis::Row, SInterpolation::Affine, SAttribute::T, SAttribute::S>(
        target, polygon, texture, fog);
}
