// The frame's polygon list: the clipper's screen polygon committed into the frame buffers with its
// fog shades and its depth range, ready to be sorted.
#include <algorithm>
#include <cassert>

#include "render/render.h"

namespace {

using SFrameBuffers = SRender::SFrameBuffers;
using SClipScratch = SRender::SClipScratch;

bool HasRoomFor(const SFrameBuffers& frame, int count) {
    return frame.polygonCount < SRender::kMaxPolygons && frame.vertexCount <= SRender::kMaxVertices - count &&
           frame.uvCount <= SRender::kMaxVertices - count && frame.shadeCount <= SRender::kMaxVertices - count;
}

void CopyTempVertices(SFrameBuffers& frame, const SClipScratch& clip, int count) {
    std::copy_n(clip.screenPolygon, count, frame.vertices + frame.vertexCount);
}

void CopyTempUVs(SFrameBuffers& frame, const SClipScratch& clip, int count) {
    std::copy_n(clip.uvs, count, frame.uvs + frame.uvCount);
}

// How clear the air is at a depth: 1024 at the fog start, 0 at the far distance. With the fog
// starting at or beyond the far distance there is no fog band to divide by; valid views never
// have one.
int64_t ClearAir(const SRender::SProjection& projection, int32_t z) {
    const int64_t band = std::max<int64_t>(int64_t(projection.farDistance) - projection.fogStart, 1);
    return (int64_t(projection.farDistance) - z) * 1024 / band;
}

// Half the light at the fog start, none at the far distance; the fillers cap what lies nearer.
void ComputeVertexShade(SFrameBuffers& frame, const SRender::SProjection& projection, int count, int32_t light) {
    const SRenderVertex* vertices = frame.vertices + frame.vertexCount;
    for (int i = 0; i < count; ++i)
        frame.shades[frame.shadeCount + i] = uint16_t((ClearAir(projection, vertices[i].z) * light) >> 11);
}

// The same with each vertex's own light (16.16) applied first.
void ComputeVertexShadeLit(SFrameBuffers& frame, const SClipScratch& clip, const SRender::SProjection& projection,
                           int count, int32_t light) {
    const SRenderVertex* vertices = frame.vertices + frame.vertexCount;
    for (int i = 0; i < count; ++i) {
        const int64_t lit = (ClearAir(projection, vertices[i].z) * clip.lights[i]) >> 16;
        frame.shades[frame.shadeCount + i] = uint16_t((lit * light) >> 11);
    }
}

void SetPolyDepthRange(SRenderSortKey& key, const SRenderVertex* vertices, int count) {
    const auto [nearest, farthest] = std::minmax_element(
        vertices, vertices + count, [](const SRenderVertex& a, const SRenderVertex& b) { return a.z < b.z; });
    key.m_farDepth = farthest->z;
    key.m_nearDepth = nearest->z;
}

// Commits the screen polygon with the shades that writeShades puts at the shade count.
template <class WriteShades>
SRenderPolygon* Commit(SFrameBuffers& frame, const SClipScratch& clip, int count, SPolygonType type,
                       SSortClass sortClass, WriteShades writeShades) {
    // Painter's order knows these classes only.
    assert(uint8_t(sortClass) <= uint8_t(SSortClass::Ceiling));
    if (count < 3 || count > SRender::kClipVertices || !HasRoomFor(frame, count)) return nullptr;
    CopyTempVertices(frame, clip, count);
    CopyTempUVs(frame, clip, count);
    writeShades();
    SRenderSortKey& key = frame.sortKeys[frame.polygonCount];
    SetPolyDepthRange(key, frame.vertices + frame.vertexCount, count);
    key.m_class = sortClass;
    key.m_polygon = uint16_t(frame.polygonCount);
    // Nothing of the slot's last frame stays: the builder sets what it needs.
    SRenderPolygon& polygon = frame.polygons[frame.polygonCount];
    polygon = SRenderPolygon{};
    polygon.m_type = type;
    polygon.m_firstVertex = uint16_t(frame.vertexCount);
    polygon.m_vertexCount = uint16_t(count);
    polygon.m_firstUv = uint16_t(frame.uvCount);
    polygon.m_firstShade = uint16_t(frame.shadeCount);
    frame.vertexCount += count;
    frame.uvCount += count;
    frame.shadeCount += count;
    ++frame.polygonCount;
    return &polygon;
}

}  // namespace

SRenderPolygon* SRender::AddPolygon(int count, SPolygonType type, int32_t light, SSortClass sortClass) {
    return Commit(m_frame, m_clip, count, type, sortClass,
                  [&] { ComputeVertexShade(m_frame, m_projection, count, light); });
}

SRenderPolygon* SRender::AddPolygonLit(int count, int32_t light) {
    return Commit(m_frame, m_clip, count, SPolygonType::PitSide, SSortClass::Pit,
                  [&] { ComputeVertexShadeLit(m_frame, m_clip, m_projection, count, light); });
}

SRenderPolygon* SRender::AddPolygonWithShades(int count, SPolygonType type, SSortClass sortClass,
                                              const uint16_t* shades) {
    return Commit(m_frame, m_clip, count, type, sortClass,
                  [&] { std::copy_n(shades, count, m_frame.shades + m_frame.shadeCount); });
}

bool SRender::IsTempQuadFrontFacing() const {
    const SRenderVertex* v = m_clip.screenPolygon;
    return int64_t(v[1].x - v[0].x) * (v[2].y - v[1].y) - int64_t(v[1].y - v[0].y) * (v[2].x - v[1].x) >= 0;
}
