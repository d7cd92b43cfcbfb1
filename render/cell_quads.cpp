// The quads the cell builders start from, put into the clip scratch's view polygon.
#include "render/render.h"

void SRender::setFlatQuad(const int32_t (&corners)[4][2], int32_t height, const SRenderUv (&uvs)[4]) {
    for (int i = 0; i < 4; ++i) {
        m_clip.viewPolygon[i] = CellCornerToView(corners[i][0], corners[i][1], 0, height, 0);
        m_clip.uvs[i] = uvs[i];
    }
}

void SRender::SetWallQuad(const int32_t (&a)[2], const int32_t (&b)[2], int32_t top, int32_t bottom, int32_t w,
                          int32_t h) {
    // Wall pictures are stored turned: u runs down the face and v along its top edge.
    m_clip.viewPolygon[0] = CellCornerToView(a[0], a[1], 0, top, 0);
    m_clip.viewPolygon[1] = CellCornerToView(b[0], b[1], 0, top, 0);
    m_clip.viewPolygon[2] = CellCornerToView(b[0], b[1], 0, bottom, 0);
    m_clip.viewPolygon[3] = CellCornerToView(a[0], a[1], 0, bottom, 0);
    m_clip.uvs[0] = {0, 0};
    m_clip.uvs[1] = {0, h};
    m_clip.uvs[2] = {w, h};
    m_clip.uvs[3] = {w, 0};
}
