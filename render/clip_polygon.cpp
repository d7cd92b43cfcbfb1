// The clip pipelines: near and far planes in view space, the projection, then the view's four
// edges on the screen, ping-ponging so that the result ends in the first buffers.
#include "render/clip_stage.h"
#include "render/render.h"

namespace {

// Only four-sided polygons are sure to fit the buffers after all six planes.
constexpr int kMaxClipInput = 4;

}  // namespace

template <typename Attributes>
int SRender::clipPolygon(int count) {
    // Along the near and far planes uvs are linear whatever the screen edges do with them.
    using InView =
        SClipAttributes<Attributes::kUv == SUvClip::None ? SUvClip::None : SUvClip::Linear, Attributes::kLight>;
    m_clip.clippedCount = 0;
    if (count > kMaxClipInput) return 0;
    const SClipBuffers polygon{m_clip.viewPolygon, m_clip.uvs, m_clip.lights};
    const SClipBuffers scratch{m_clip.viewScratch, m_clip.scratchUvs, m_clip.scratchLights};
    count = ClipStage<InView>(SNearPlane{kNearDistance}, polygon, scratch, count, kClipVertices);
    if (count >= 3)
        count = ClipStage<InView>(SFarPlane{m_projection.farDistance}, scratch, polygon, count, kClipVertices);
    m_clip.clippedCount = count;
    if (count < 3) return count;
    for (int i = 0; i < count; ++i) m_clip.screenPolygon[i] = Project(m_clip.viewPolygon[i]);
    return clipToScreen<Attributes>(count);
}

template <typename Attributes>
int SRender::clipToScreen(int count) {
    const SClipBuffers polygon{m_clip.screenPolygon, m_clip.uvs, m_clip.lights};
    const SClipBuffers scratch{m_clip.screenScratch, m_clip.scratchUvs, m_clip.scratchLights};
    count = ClipStage<Attributes>(SLeftEdge{0}, polygon, scratch, count, kClipVertices);
    if (count >= 3)
        count = ClipStage<Attributes>(SRightEdge{m_projection.width16}, scratch, polygon, count, kClipVertices);
    if (count >= 3) count = ClipStage<Attributes>(STopEdge{0}, polygon, scratch, count, kClipVertices);
    if (count >= 3)
        count = ClipStage<Attributes>(SBottomEdge{m_projection.height16}, scratch, polygon, count, kClipVertices);
    return count;
}

int SRender::ClipPolygonA(int count) { return clipPolygon<SClipAttributes<SUvClip::Perspective, true>>(count); }

int SRender::ClipPolygonB(int count) { return clipPolygon<SClipAttributes<SUvClip::Perspective, false>>(count); }

int SRender::ClipPolygonAffine(int count) { return clipPolygon<SClipAttributes<SUvClip::Linear, false>>(count); }

int SRender::ClipPolygonC(int count) { return clipPolygon<SClipAttributes<SUvClip::None, false>>(count); }

int SRender::ClipPolygon4(int count) {
    return count > kMaxClipInput ? 0 : clipToScreen<SClipAttributes<SUvClip::Linear, false>>(count);
}
