// The frame entry: the steps that turn the view descriptor into one picture of the 3-D view.
#include "render/cell_scan.h"
#include "render/render.h"

namespace {

struct SCellBuilder : SCellVisitor {
    SRender& render;
    explicit SCellBuilder(SRender& r) : render(r) {}
    void VisitCell(int32_t x, int32_t y) override { render.DrawCell(x, y); }
};

}  // namespace

void SRender::DrawCell(int32_t x, int32_t y) {
    if (!m_view->InGrid(x, y)) return DrawOutsideCell(x, y);
    AddCellFloor(x, y);
    DrawCeiling(x, y);
    AddCellWalls(x, y);
    DrawCellMesh(x, y);
    DrawCentreObject(x, y);
    DrawUpperPanel(x, y);
    DrawCellObjects(x, y, 0);
    DrawCellObjects(x, y, 1);
    DrawItemPiles(x, y);
    DrawFloorItems(x, y);
    DrawCreature(x, y);
}

void SRender::scanCells() {
    const SCamera& c = m_camera;
    const SScanPoint triangle[3] = {{c.eyeX, c.eyeY}, {c.farLeftX, c.farLeftY}, {c.farRightX, c.farRightY}};
    SCellBuilder builder(*this);
    ScanViewTriangle(triangle, builder);
}

void SRender::RenderFrame(bool sceneUnchanged) {
    if (!UpdateProjection()) return;
    const bool rain = (m_view->m_flags & SViewDescriptor::kRain) != 0;
    if (!(rain && sceneUnchanged && m_keptScene.Restore(m_projection.viewTarget))) {
        renderScene();
        if (rain)
            m_keptScene.Keep(m_projection.viewTarget);
        else
            m_keptScene.Forget();
    }
    m_surface->m_drawn = true;
    // A tenth of the rain falls in front of the first-person item.
    if (rain) DrawRain(1);
    DrawFpsItem();
    if (rain) DrawRain(0);
}

void SRender::renderScene() {
    updateCamera();
    m_frame.vertexCount = 0;
    m_frame.uvCount = 0;
    m_frame.shadeCount = 0;
    m_frame.polygonCount = 0;
    AddBackgroundOrFill();
    scanCells();
    SortPolygons();
    CullHidden();
    RasterizePolygons();
}
