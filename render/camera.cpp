// The camera: where the eye stands and which way it looks, and the transform of the grid's cell
// corners into view space with the cache that lets every face share them.
#include "render/fixed_trig.h"
#include "render/render.h"

namespace {

// The facing of a heading that lies exactly on an axis; 4 for any other.
int32_t FacingOf(int32_t heading) {
    if (heading & 0xFFFF) return 4;
    switch (heading >> 16) {
        case 0: return 0;
        case 90: return 1;
        case 180: return 2;
        case 270: return 3;
        default: return 4;
    }
}

}  // namespace

void SRender::updateCamera() {
    const SViewDescriptor& view = *m_view;
    SCamera& c = m_camera;
    const int32_t x = view.m_positionX >> 6, y = view.m_positionY >> 6;
    c.facing = FacingOf(view.m_heading);
    // Sine and cosine are those of heading + 90 degrees, so that at heading 0 (looking toward -y)
    // the view's lateral axis is the grid's x.
    switch (c.facing) {
        case 0: c.sine = 1024, c.cosine = 0, c.inCellOffset = (y & 1023) - 512; break;
        case 1: c.sine = 0, c.cosine = -1024, c.inCellOffset = (x & 1023) - 512; break;
        case 2: c.sine = -1024, c.cosine = 0, c.inCellOffset = 512 - (y & 1023); break;
        case 3: c.sine = 0, c.cosine = 1024, c.inCellOffset = 512 - (x & 1023); break;
        default: {
            int32_t angle = view.m_heading + 90 * SRender::kDegree;
            if (angle >= 360 * SRender::kDegree) angle -= 360 * SRender::kDegree;
            c.sine = FixedSin(DegreesToRadians(angle)) >> 6;
            c.cosine = FixedCos(DegreesToRadians(angle)) >> 6;
            c.inCellOffset = 0;
        }
    }

    // The eye stands the pull-back behind the player along the view direction.
    const int32_t pullBack = m_projection.eyePullBack;
    c.eyeX = x - ((pullBack * c.cosine) >> 10);
    c.eyeY = y + ((c.sine * pullBack) >> 10);
    c.eyeCellX = c.eyeX >> 10;
    c.eyeCellY = c.eyeY >> 10;

    // The view triangle the cell scan walks: the eye and two far corners a little wider apart than
    // the field of view.
    const int32_t far = m_projection.farDistance;
    const int32_t centreX = c.eyeX + ((far * c.cosine) >> 10);
    const int32_t centreY = c.eyeY - ((far * c.sine) >> 10);
    const int32_t scanHalfAngle = DegreesToRadians((kFieldOfView + kScanMargin) * 32768);
    const int32_t halfWidth = ((FixedSin(scanHalfAngle) >> 3) * far) / (FixedCos(scanHalfAngle) >> 3);
    const int32_t dx = (c.sine * halfWidth) >> 10, dy = (c.cosine * halfWidth) >> 10;
    c.farLeftX = centreX - dx;
    c.farLeftY = centreY - dy;
    c.farRightX = centreX + dx;
    c.farRightY = centreY + dy;

    for (SViewPoint& corner : m_cornerCache) corner = SViewPoint{};
    UpdateSkyOffset();
}

void SRender::UpdateSkyOffset() {
    SetSkyColumns(m_sky, SkyOffset(m_view->m_skyAngle, m_view->m_heading), m_projection.width16 >> 4);
}

SViewPoint SRender::rotate(int32_t cx, int32_t cy, int32_t ox, int32_t oy) const {
    const int32_t dx = cx * kCellSize - (m_camera.eyeX & 1023) + ox;
    const int32_t dy = cy * kCellSize - (m_camera.eyeY & 1023) + oy;
    // The axis facings need no multiplication; their tables equal the general rotation with the
    // axis's sine and cosine.
    switch (m_camera.facing) {
        case 0: return {dx, -dy};
        case 1: return {-dy, -dx};
        case 2: return {-dx, dy};
        case 3: return {dy, dx};
        default: {
            const int32_t s = m_camera.sine, c = m_camera.cosine;
            return {(s * dx + c * dy) >> 10, (c * dx - s * dy) >> 10};
        }
    }
}

SViewPoint SRender::ToView(int32_t cx, int32_t cy) const { return rotate(cx, cy, 0, 0); }

SViewPoint SRender::GetGridPoint(int32_t cx, int32_t cy) {
    if (cx < -kCornerCacheReach || cx >= kCornerCacheSide - kCornerCacheReach || cy < -kCornerCacheReach ||
        cy >= kCornerCacheSide - kCornerCacheReach)
        return ToView(cx, cy);
    SViewPoint& entry = m_cornerCache[(cy + kCornerCacheReach) + (cx + kCornerCacheReach) * kCornerCacheSide];
    // A corner whose true place is (0, 0) looks uncomputed and is simply computed again.
    if (entry == SViewPoint{}) entry = ToView(cx, cy);
    return entry;
}

SRenderVertex SRender::CellCornerToView(int32_t cx, int32_t cy, int32_t ox, int32_t oh, int32_t oy) {
    if (m_camera.facing == 4) {
        const SViewPoint p = rotate(cx, cy, ox, oy);
        return {p.lateral, oh, p.depth};
    }
    const SViewPoint corner = GetGridPoint(cx, cy);
    switch (m_camera.facing) {
        case 0: return {corner.lateral + ox, oh, corner.depth - oy};
        case 1: return {corner.lateral - oy, oh, corner.depth - ox};
        case 2: return {corner.lateral - ox, oh, corner.depth + oy};
        default: return {corner.lateral + oy, oh, corner.depth + ox};
    }
}
