// The column-span fillers that read one picture line per column: walls, overlaid walls and keyed
// upright quads.
#include "render/fill/fillers.h"
#include "render/fill/line_polygon.h"

using line_polygon::DrawLinePolygon;

void DrawPolyWall(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                  uint32_t fog) {
    DrawLinePolygon<SOpaqueRowSampler, SSpanAxis::Column, SInterpolation::Perspective, SAttribute::T, SAttribute::S>(
        target, polygon, texture, fog);
}

void DrawPolyWallOverlay(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                         const SRenderTexture& overlay, uint32_t fog) {
    // The overlay is read at the base's texel positions, so it must hold its texels in the same
    // places; anything else would be read past its end.
    if (!overlay.Drawable() || !overlay.SameLayout(texture)) return DrawPolyWall(target, polygon, texture, fog);
    DrawLinePolygon<SOverlaySampler, SSpanAxis::Column, SInterpolation::Perspective, SAttribute::T, SAttribute::S>(
        target, polygon, texture, fog, &overlay);
}

void DrawPolyType14(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                    uint32_t fog) {
    DrawLinePolygon<SKeyedColumnSampler, SSpanAxis::Column, SInterpolation::Perspective, SAttribute::S, SAttribute::T>(
        target, polygon, texture, fog);
}

void DrawPolyType13(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& texture,
                    uint32_t fog) {
    DrawLinePolygon<SKeyedColumnSampler, SSpanAxis::Column, SInterpolation::Affine, SAttribute::S, SAttribute::T>(
        target, polygon, texture, fog);
}
