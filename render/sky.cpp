// The sky and the background: before any cell is built, outdoors the sky panorama turning with the
// heading and fading into the fog toward the horizon over a band of fog-coloured ground beyond the
// far distance; indoors one fog-coloured band. Their polygons lie beyond everything, at the far
// distance + 10 in the background class, and need no clipping.
#include <algorithm>

#include "render/render.h"

namespace {

// Shades: clear air, and all fog at the horizon band's foot.
constexpr uint16_t kClear[4] = {128, 128, 128, 128};
constexpr uint16_t kFading[4] = {128, 128, 0, 0};

struct SCorner {
    int32_t x, y;
};

// One background quad, corners clockwise from the top left.
SRenderPolygon* AddQuad(SRender& render, const SCorner (&corners)[4], const SRenderUv (&uvs)[4],
                        const uint16_t (&shades)[4], SPolygonType type) {
    const int32_t depth = render.Projection().farDistance + 10;
    for (int i = 0; i < 4; ++i) {
        render.m_clip.screenPolygon[i] = {corners[i].x, corners[i].y, depth};
        render.m_clip.uvs[i] = uvs[i];
    }
    return render.AddPolygonWithShades(4, type, SSortClass::Background, shades);
}

void AddSkyPiece(SRender& render, const SViewDescriptor& view, const SCorner (&corners)[4], const SRenderUv (&uvs)[4],
                 const uint16_t (&shades)[4]) {
    SRenderPolygon* polygon = AddQuad(render, corners, uvs, shades, SPolygonType::Sky);
    if (!polygon) return;
    polygon->m_pictures[0] = view.m_skyPicture;
    polygon->m_palettes[0] = view.m_skyPalette;
}

// The upper sky from the view's top down to the band height, panorama columns u0 to u1.
void AddSkyQuad(SRender& render, const SViewDescriptor& view, int32_t x0, int32_t x1, int32_t u0, int32_t u1) {
    const SSkyLayout& sky = render.Sky();
    const int32_t s = sky.bandHeight;
    AddSkyPiece(render, view, {{x0, 0}, {x1, 0}, {x1, s}, {x0, s}},
                {{u0, sky.vTop}, {u1, sky.vTop}, {u1, SSkyLayout::kBandRow}, {u0, SSkyLayout::kBandRow}}, kClear);
}

// The horizon band below it, fading into the fog at its foot.
void AddSkyQuadLower(SRender& render, const SViewDescriptor& view, int32_t x0, int32_t x1, int32_t u0, int32_t u1) {
    const SSkyLayout& sky = render.Sky();
    const int32_t s = sky.bandHeight, foot = sky.bandHeight + sky.bandTop;
    AddSkyPiece(render, view, {{x0, s}, {x1, s}, {x1, foot}, {x0, foot}},
                {{u0, SSkyLayout::kBandRow},
                 {u1, SSkyLayout::kBandRow},
                 {u1, SSkyLayout::kBottomRow},
                 {u0, SSkyLayout::kBottomRow}},
                kFading);
}

// A fog-coloured band across the view.
void AddFogBand(SRender& render, int32_t top, int32_t bottom) {
    const int32_t right = render.Projection().width16;
    AddQuad(render, {{0, top}, {right, top}, {right, bottom}, {0, bottom}}, {}, kClear, SPolygonType::FogFill);
}

// The ground beyond the far distance, from the horizon band's foot down to the lowest level.
void AddGroundQuad(SRender& render) {
    const SSkyLayout& sky = render.Sky();
    AddFogBand(render, sky.bandHeight + sky.bandTop, sky.lowestLevelRow);
}

// Where the panorama's end falls inside the view, its start continues right of the wrap.
void SetupSky(SRender& render, const SViewDescriptor& view) {
    const SSkyLayout& sky = render.Sky();
    const int32_t right = render.Projection().width16;
    AddSkyQuad(render, view, sky.wrapX, right, 0, sky.wrappedUEnd);
    AddSkyQuadLower(render, view, sky.wrapX, right, 0, sky.wrappedUEnd);
}

}  // namespace

void SRender::updateSkyRows() {
    const SProjection& p = m_projection;
    const int32_t w = p.width16 >> 4;
    // The screen row of a height at the far distance.
    const int64_t k = p.scale / std::max(p.farDistance, 1);
    auto rowOf = [&](int32_t height) { return int32_t(((-(k * height)) >> 15) - p.horizonOffset); };
    m_sky.topRow = std::max(rowOf(kLevels[4]), 0);
    const int32_t floorRow = rowOf(kLevels[2]);
    m_sky.lowestLevelRow = std::min(rowOf(kLevels[kDeepSideFaces ? 0 : 1]), p.height16);
    m_sky.bandTop = (kSkyBandTop * 16 * w) / kReferenceWidth;
    const int32_t bandBottom = (kSkyBandBottom * 16 * w) / kReferenceWidth;
    // The sky is stretched down to the floor row's horizon where the reference band ends above it.
    const int32_t skyFoot = std::min(bandBottom, floorRow);
    m_sky.vTop = SSkyLayout::kBandRow - (kReferenceWidth * (skyFoot - m_sky.bandTop)) / w;
    m_sky.bandHeight = bandBottom < floorRow ? floorRow - m_sky.bandTop : bandBottom - m_sky.bandTop;
}

void SRender::AddBackgroundOrFill() {
    if (m_view->m_flags & SViewDescriptor::kSky)
        AddBackground();
    else
        AddFogBand(*this, m_sky.topRow, m_sky.lowestLevelRow);
}

void SRender::AddBackground() {
    const SViewDescriptor& view = *m_view;
    AddSkyQuad(*this, view, 0, m_sky.wrapX, m_sky.uStart, m_sky.uEnd);
    AddSkyQuadLower(*this, view, 0, m_sky.wrapX, m_sky.uStart, m_sky.uEnd);
    AddGroundQuad(*this);
    if (m_sky.wrapX < m_projection.width16) SetupSky(*this, view);
}
