#include "render/render.h"

void SRender::UpdateProjection() {
    if (!m_view) return;
    m_fullTarget.Set(m_view->m_surfacePixels, m_view->m_surfaceWidth, m_view->m_surfaceHeight, m_view->m_pitch,
                     m_view->m_orientation);
}
