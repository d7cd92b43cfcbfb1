// The frame entry: the steps that turn the view descriptor into one picture of the 3-D view.
#include "render/render.h"

void SRender::RenderFrame() {
    if (!UpdateProjection()) return;
    updateCamera();
    m_surface->m_drawn = true;
    m_frame.vertexCount = 0;
    m_frame.uvCount = 0;
    m_frame.shadeCount = 0;
    m_frame.polygonCount = 0;
    addBackground();
    // The cell scan with the builders of every visited cell comes here as it joins the renderer.
    SortPolygons();
    CullHidden();
    RasterizePolygons();
    // Then, as their passes join the renderer: the rain behind the first-person item, the item,
    // and the rain in front of it.
}
