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
    // A tenth of the rain falls in front of the first-person item.
    const bool rain = (m_view->m_flags & SViewDescriptor::kRain) != 0;
    if (rain) DrawRain(1);
    DrawFpsItem();
    if (rain) DrawRain(0);
}
