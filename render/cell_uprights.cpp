// Upright quads that stand in a cell's geometry (pictures on its sides, doors, panels): projected
// with perspective and turned to face the viewer.
#include <algorithm>

#include "render/render.h"

namespace {

// Twice the signed area of the screen polygon; positive when it winds clockwise on the screen.
int64_t Winding(const SRenderVertex* v, int count) {
    int64_t area = 0;
    for (int i = 0; i < count; ++i) {
        const SRenderVertex& a = v[i];
        const SRenderVertex& b = v[(i + 1) % count];
        area += int64_t(a.x) * b.y - int64_t(b.x) * a.y;
    }
    return area;
}

}  // namespace

SRenderPolygon* SRender::addUpright(int32_t cx, int32_t cy, const SCellUpright& quad, SPolygonType type,
                                    SSortClass sortClass, const SPictureLook& look, SUprightSides sides,
                                    int32_t towardViewer) {
    const int32_t corners[4][3] = {{quad.ax, quad.top, quad.ay},
                                   {quad.bx, quad.top, quad.by},
                                   {quad.bx, quad.bottom, quad.by},
                                   {quad.ax, quad.bottom, quad.ay}};
    const int32_t leftS = quad.topLeft.u, rightS = quad.bottomRight.u;
    const int32_t topT = quad.topLeft.v, bottomT = quad.bottomRight.v;
    const SRenderUv uvs[4] = {{leftS, topT}, {rightS, topT}, {rightS, bottomT}, {leftS, bottomT}};
    for (int i = 0; i < 4; ++i) {
        m_clip.viewPolygon[i] = CellCornerToView(cx, cy, corners[i][0], corners[i][1], corners[i][2]);
        m_clip.viewPolygon[i].z -= towardViewer;
        m_clip.uvs[i] = uvs[i];
    }
    // The affine filler of type 13 wants its uvs linear on the screen.
    const int count = type == SPolygonType::KeyedQuad ? ClipPolygonAffine(4) : ClipPolygonB(4);
    if (count < 3) return nullptr;
    if (Winding(m_clip.screenPolygon, count) < 0) {
        if (sides == SUprightSides::FrontOnly) return nullptr;
        // Seen from behind: the other way round, and mirrored so that it reads as from the front.
        std::reverse(m_clip.screenPolygon, m_clip.screenPolygon + count);
        std::reverse(m_clip.uvs, m_clip.uvs + count);
        for (int i = 0; i < count; ++i) m_clip.uvs[i].u = leftS + rightS - m_clip.uvs[i].u;
    }
    return commitPicture(count, type, sortClass, look);
}

int SRender::addUprightSplit(int32_t cx, int32_t cy, const SCellUpright& quad, const SPictureLook& look,
                             int32_t farDepthCut) {
    struct SPiece {
        SCellUpright quad;
        SSortClass sortClass;
    };
    const int32_t line = kLevels[3];
    SPiece pieces[2];
    int count = 0;
    if (quad.bottom >= line) {
        pieces[count++] = {quad, SSortClass::SecondLayer};
    } else if (quad.top <= line) {
        pieces[count++] = {quad, SSortClass::FirstLayer};
    } else {
        pieces[count++] = {quad.Between(line, quad.bottom), SSortClass::FirstLayer};
        pieces[count++] = {quad.Between(quad.top, line), SSortClass::SecondLayer};
    }
    int added = 0;
    for (int i = 0; i < count; ++i) {
        if (!addUpright(cx, cy, pieces[i].quad, SPolygonType::KeyedObjectQuad, pieces[i].sortClass, look,
                        SUprightSides::Both))
            continue;
        lastSortKey().m_farDepth -= farDepthCut;
        ++added;
    }
    return added;
}

bool SRender::runsAlongY(int32_t x, int32_t y, int wallBit) const {
    return m_view->InGrid(x, y - 1) && m_view->InGrid(x, y + 1) && (GetCellWallKinds(x, y - 1) & wallBit) &&
           (GetCellWallKinds(x, y + 1) & wallBit);
}

int32_t SRender::planeAcross(int32_t x, int32_t y, bool alongY, int32_t width) const {
    const int64_t d = m_projection.distance;
    // A narrow picture would stand beyond the cell; the plane stays in the half toward the eye.
    const int32_t inset = int32_t(std::clamp<int64_t>(kUnitsPerCell * d / width - d, 0, kCellSize / 2));
    const int32_t eye = alongY ? m_camera.eyeX : m_camera.eyeY;
    const int32_t cellStart = (alongY ? x : y) * kCellSize;
    return eye < cellStart + kCellSize / 2 ? inset : kCellSize - inset;
}
