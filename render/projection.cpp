// The projection: from the view rectangle, the surface and the view distances to the values every
// pass projects and clips with.
#include "render/fill/fog_blend.h"
#include "render/fixed_trig.h"
#include "render/render.h"

namespace {

// The descriptor's view distances are in 1/336 cell.
int32_t ToWorldDistance(int32_t viewDistance) {
    return int32_t(int64_t(viewDistance) * SRender::kCellSize / SRender::kUnitsPerCell);
}

}  // namespace

bool SRender::UpdateProjection() {
    m_projection.viewTarget = SRasterTarget{};
    m_projection.fullTarget = SRasterTarget{};
    if (!m_view || !m_surface || !m_surface->m_pixels) return false;
    const SViewDescriptor& view = *m_view;
    const int32_t w = view.m_viewWidth, h = view.m_viewHeight;
    // Every pass writes rows and columns of the view rectangle and keeps a coverage entry per
    // column: a view it cannot hold, or one reaching past the surface, is not drawn at all.
    if (w <= 0 || h <= 0 || w > kMaxViewWidth) return false;
    if (view.m_viewX < 0 || view.m_viewY < 0 || view.m_viewX > m_surface->m_width - w ||
        view.m_viewY > m_surface->m_height - h)
        return false;

    SProjection& p = m_projection;
    const int32_t halfAngle = DegreesToRadians(kFieldOfView * 32768);
    p.distance = ((kViewSpan >> 1) * (FixedCos(halfAngle) >> 3)) / (FixedSin(halfAngle) >> 3);
    p.eyePullBack = p.distance - (kCellSize >> 1);
    p.farDistance = p.distance + ToWorldDistance(view.m_farDistance) - 1;
    p.fogStart = p.distance + ToWorldDistance(view.m_fogDistance);

    const SRasterTarget& surface = *m_surface;
    p.fullTarget.Set(surface.m_pixels, surface.m_width, surface.m_height, surface.m_pitch, surface.m_orientation);
    p.viewTarget.Set(surface.PixelAddress(view.m_viewX, view.m_viewY), w, h, surface.m_pitch, surface.m_orientation);

    p.centreOffsetX = ((kReferenceWidth >> 1) * w * -16) / kReferenceWidth;
    // The horizon lies w x 70 / 380 pixels above the middle row of the view.
    p.horizonOffset = (w * kReferenceHorizonRow * 16) / kReferenceWidth - h * 8;
    p.width16 = w << 4;
    p.height16 = h << 4;
    p.scale = ((w * p.distance * 1024) / kViewSpan) << 9;

    const int32_t floorLevel = kLevels[2];
    const int32_t t =
        (kLevelStep * kReferenceHorizonRow + int32_t((int64_t(h) * kLevelStep * kReferenceWidth / w) >> 1)) /
        kFloorReachDivisor;
    p.floorReach = ((floorLevel + t) * p.distance) / t;
    updateSkyRows();

    p.fogSpread = fog::Spread(view.m_fogColour);
    return true;
}

SRenderVertex SRender::Project(const SRenderVertex& point) const {
    // X x k passes 32 bits for a point near the eye and far to the side of a wide view.
    const int64_t k = m_projection.scale / point.z;
    return {int32_t(((int64_t(point.x) * k) >> 15) - m_projection.centreOffsetX),
            int32_t(((-(int64_t(point.y) * k)) >> 15) - m_projection.horizonOffset), point.z};
}
