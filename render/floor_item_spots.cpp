#include "render/floor_item_spots.h"

#include "render/render.h"

namespace {

constexpr int32_t kCentreX = 516, kCentreY = 508;
// The pattern's extent: 156 across x, 141 across y, its low edges 78 and 70 from the centre.
constexpr int32_t kReachX = 156, kReachY = 141;
constexpr int32_t kLowEdgeX = 78, kLowEdgeY = 70;
constexpr int32_t kFloorItemSpotsShift = 156;

struct SShift {
    int32_t x = 0, y = 0;
};

// At a facing on an axis: how far the pattern moves toward the viewer, so that it starts where the
// floor comes into view.
SShift AxisShift(const SFloorItemView& v, int32_t lowX, int32_t lowY, int32_t wideX, int32_t wideY) {
    const int32_t dx = v.playerDx, dy = v.playerDy, e = v.inCellOffset;
    int32_t m = v.floorReach;
    if (dx == 0 && dy == 0) {
        if (e > 0) m += e;
    } else {
        switch (v.facing) {
            case 0: m += dy < 1 ? -SRender::kCellSize * dy : e; break;
            case 1: m += dx < 1 ? -SRender::kCellSize * dx : e; break;
            case 2: m += dy < 0 ? e : SRender::kCellSize * dy; break;
            default: m += dx < 0 ? e : SRender::kCellSize * dx; break;
        }
    }
    SShift shift;
    switch (v.facing) {
        case 0:
            m += SRender::kCellSize * dy;
            shift.y = m < lowY + wideY + kFloorItemSpotsShift ? m - lowY - wideY : kFloorItemSpotsShift;
            break;
        case 1:
            m += SRender::kCellSize * dx;
            shift.x = m < lowX + wideX + kFloorItemSpotsShift ? m - lowX - wideX : kFloorItemSpotsShift;
            break;
        case 2:
            m -= SRender::kCellSize * dy;
            shift.y = m < (SRender::kCellSize - lowY) + kFloorItemSpotsShift ? (SRender::kCellSize - lowY) - m
                                                                             : -kFloorItemSpotsShift;
            break;
        default:
            m -= SRender::kCellSize * dx;
            shift.x = m < (SRender::kCellSize - lowX) + kFloorItemSpotsShift ? (SRender::kCellSize - lowX) - m
                                                                             : -kFloorItemSpotsShift;
            break;
    }
    return shift;
}

// At a free heading, in another cell: a fixed step toward the viewer.
SShift FreeShift(const SFloorItemView& v) {
    const int32_t c = v.cosine, s = v.sine;
    if (v.degrees < 90) return {(c * -kFloorItemSpotsShift) >> 10, (s * kFloorItemSpotsShift) >> 10};
    if (v.degrees < 180) return {(c * -kFloorItemSpotsShift) >> 10, -((s * -kFloorItemSpotsShift) >> 10)};
    if (v.degrees < 270) return {-((c * kFloorItemSpotsShift) >> 10), -((s * -kFloorItemSpotsShift) >> 10)};
    return {-((c * kFloorItemSpotsShift) >> 10), (s * kFloorItemSpotsShift) >> 10};
}

// At a free heading, in the player's own cell: up to where the floor comes into view.
SShift FreeOwnCellShift(const SFloorItemView& v, int32_t lowX, int32_t lowY, int32_t wideX, int32_t wideY) {
    const int32_t c = v.cosine, s = v.sine, n = v.floorReach;
    const int32_t a = n - lowX - wideX, b = n - lowY - wideY;
    const int32_t farA = SRender::kCellSize - lowX - n, farB = SRender::kCellSize - lowY - n;
    if (v.degrees < 90) return {(-(a * c)) >> 10, (b * s) >> 10};
    if (v.degrees < 180) return {(-(a * c)) >> 10, (-(farB * s)) >> 10};
    if (v.degrees < 270) return {(farA * c) >> 10, (-(farB * s)) >> 10};
    return {(farA * c) >> 10, (b * s) >> 10};
}

}  // namespace

void PlaceFloorItems(const SFloorItemView& v, SFloorSpot (&spots)[kFloorItemSpots]) {
    const int32_t n = v.floorReach;
    const int32_t kx = n < kReachX ? ((n - 2) << 16) / kReachX : 1 << 16;
    const int32_t ky = n < kReachY ? ((n - 2) << 16) / kReachY : 1 << 16;
    const int32_t lowX = kCentreX + ((kx * -kLowEdgeX) >> 16), lowY = kCentreY + ((ky * -kLowEdgeY) >> 16);
    const int32_t wideX = n < kReachX ? n - 2 : kReachX, wideY = n < kReachY ? n - 2 : kReachY;
    const bool ownCell = v.playerDx == 0 && v.playerDy == 0;
    const SShift shift = v.facing < 4 ? AxisShift(v, lowX, lowY, wideX, wideY)
                         : ownCell    ? FreeOwnCellShift(v, lowX, lowY, wideX, wideY)
                                      : FreeShift(v);
    for (int k = 0; k < kFloorItemSpots; ++k) {
        const SFloorSpot& nominal = kNominalFloorSpots[k];
        spots[k] = {shift.x + (((nominal.x - kCentreX) * kx) >> 16) + kCentreX,
                    shift.y + (((nominal.y - kCentreY) * ky) >> 16) + kCentreY};
    }
}
