#pragma once
// One plane stage of the polygon clipper (Sutherland-Hodgman), written once over the plane and the
// attributes the vertices carry. The pipelines chain six of them: the near and far planes in view
// space, then the four edges of the view on the screen.
#include <cstdint>

#include "render/render_polygon.h"

// How texture coordinates follow a cut: not carried, linear in the measure of the cut, or (on the
// screen) perspective-correct, linear in 1/z.
enum class SUvClip { None, Linear, Perspective };

template <SUvClip kUvClip, bool kLights>
struct SClipAttributes {
    static constexpr SUvClip kUv = kUvClip;
    static constexpr bool kLight = kLights;
};

enum class SClipAxis { X, Y, Z };

// Keeps the vertices whose coordinate on the axis lies at or above the bound (kKeepAbove) or at or
// below it.
template <SClipAxis kAxis, bool kKeepAbove>
struct SClipPlane {
    static constexpr SClipAxis kCut = kAxis;
    int32_t bound = 0;

    static int32_t Coordinate(const SRenderVertex& v) {
        return kAxis == SClipAxis::X ? v.x : kAxis == SClipAxis::Y ? v.y : v.z;
    }
    // How far inside the plane a vertex lies: negative outside, 0 on the plane.
    int64_t Inside(const SRenderVertex& v) const {
        return kKeepAbove ? int64_t(Coordinate(v)) - bound : int64_t(bound) - Coordinate(v);
    }
};

using SNearPlane = SClipPlane<SClipAxis::Z, true>;
using SFarPlane = SClipPlane<SClipAxis::Z, false>;
using SLeftEdge = SClipPlane<SClipAxis::X, true>;
using SRightEdge = SClipPlane<SClipAxis::X, false>;
using STopEdge = SClipPlane<SClipAxis::Y, true>;
using SBottomEdge = SClipPlane<SClipAxis::Y, false>;

// One side of the clipper's ping-pong.
struct SClipBuffers {
    SRenderVertex* vertices;
    SRenderUv* uvs;
    int32_t* lights;
};

namespace clip_detail {

// a2 + (a1 - a2) x num / den, the division truncating; in 64 bits, since attribute differences
// times screen or depth distances pass 32 bits near the eye.
inline int32_t Interpolate(int32_t a2, int32_t a1, int64_t num, int64_t den) {
    return int32_t(a2 + (int64_t(a1) - a2) * num / den);
}

// The texture coordinate at a screen cut, so that it stays linear in 1/z: with f = num / den,
// (z1 u2 + f (z2 u1 - z1 u2)) / D, with the product taken in the shifted steps that keep it small.
inline int32_t PerspectiveUv(int32_t u2, int32_t u1, int64_t z2, int64_t z1, int64_t num, int64_t den, int64_t d) {
    const int64_t step = ((z2 * u1 - z1 * u2) >> 9) * (num >> 1) / den;
    return int32_t((z1 * u2 + step * 1024) / d);
}

template <typename Attributes>
void Copy(const SClipBuffers& from, int i, const SClipBuffers& to, int o) {
    to.vertices[o] = from.vertices[i];
    if constexpr (Attributes::kUv != SUvClip::None) to.uvs[o] = from.uvs[i];
    if constexpr (Attributes::kLight) to.lights[o] = from.lights[i];
}

// The point where the edge from P1 (index i) to P2 (index j) meets the plane, measured from P2. In
// view space every attribute is linear along the edge; on the screen the depth is linear in 1/z
// (D = z1 + (z2 - z1) f, z = z1 z2 / D) and so are perspective-correct texture coordinates.
template <typename Attributes, typename Plane>
void Cut(const Plane& plane, const SClipBuffers& from, int i, int j, const SClipBuffers& to, int o) {
    constexpr bool kOnScreen = Plane::kCut != SClipAxis::Z;
    const SRenderVertex& p1 = from.vertices[i];
    const SRenderVertex& p2 = from.vertices[j];
    const int64_t num = int64_t(plane.bound) - Plane::Coordinate(p2);
    const int64_t den = int64_t(Plane::Coordinate(p1)) - Plane::Coordinate(p2);
    const int64_t z1 = p1.z, z2 = p2.z;
    const int64_t d = kOnScreen ? z1 + (z2 - z1) * num / den : 0;

    SRenderVertex& out = to.vertices[o];
    out = {Interpolate(p2.x, p1.x, num, den), Interpolate(p2.y, p1.y, num, den), kOnScreen ? int32_t(z1 * z2 / d) : 0};
    if constexpr (Plane::kCut == SClipAxis::X) out.x = plane.bound;
    if constexpr (Plane::kCut == SClipAxis::Y) out.y = plane.bound;
    if constexpr (Plane::kCut == SClipAxis::Z) out.z = plane.bound;

    if constexpr (kOnScreen && Attributes::kUv == SUvClip::Perspective) {
        to.uvs[o] = {PerspectiveUv(from.uvs[j].u, from.uvs[i].u, z2, z1, num, den, d),
                     PerspectiveUv(from.uvs[j].v, from.uvs[i].v, z2, z1, num, den, d)};
    } else if constexpr (Attributes::kUv != SUvClip::None) {
        to.uvs[o] = {Interpolate(from.uvs[j].u, from.uvs[i].u, num, den),
                     Interpolate(from.uvs[j].v, from.uvs[i].v, num, den)};
    }
    if constexpr (Attributes::kLight) to.lights[o] = Interpolate(from.lights[j], from.lights[i], num, den);
}

}  // namespace clip_detail

// Clips the count vertices of `from` against the plane into `to` and answers how many it wrote. A
// vertex on the plane is kept once and makes no cut. A polygon that would outgrow the capacity (only
// a bent one can) gives 0, so that nothing is written past the buffers.
template <typename Attributes, typename Plane>
int ClipStage(const Plane& plane, const SClipBuffers& from, const SClipBuffers& to, int count, int capacity) {
    int written = 0;
    for (int i = 0; i < count; ++i) {
        const int j = i + 1 == count ? 0 : i + 1;
        const int64_t inside1 = plane.Inside(from.vertices[i]);
        const int64_t inside2 = plane.Inside(from.vertices[j]);
        const bool keep = inside1 >= 0;
        const bool cut = (inside1 > 0 && inside2 < 0) || (inside1 < 0 && inside2 > 0);
        if (written + keep + cut > capacity) return 0;
        if (keep) clip_detail::Copy<Attributes>(from, i, to, written++);
        if (cut) clip_detail::Cut<Attributes>(plane, from, i, j, to, written++);
    }
    return written;
}
