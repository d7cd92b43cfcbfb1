// Where the 3-D view lies on the screen, and the display following the screen mode.
#include "game/game_data.h"
#include "render/render.h"

void SGameData::ComputeViewport() {
    const SLayoutRow row = GetLayoutCtrl(43, 550).value_or(SLayoutRow{});
    int x = row.x, y = row.y, w = row.width, h = row.height;
    if (IsLargeScreenMode(int(m_screenMode))) {
        // The player's view size (0 full, 1 and 2 smaller) draws the view nearer its 380x320
        // smallest, per display orientation.
        const uint32_t sizes[] = {m_settings.viewSize, m_settings.leftViewSize, m_settings.rightViewSize};
        const int orientation = m_display ? m_display->m_orientation : 0;
        const int v = orientation >= 0 && orientation <= 2 ? int(sizes[orientation]) : 0;
        x += (w - 380) * v / 4;
        y += (h - 320) * v / 4;
        w -= (w - 380) * v / 2;
        h -= (h - 320) * v / 2;
    }
    m_playView.m_viewX = x;
    m_playView.m_viewY = y;
    m_playView.m_viewWidth = w;
    m_playView.m_viewHeight = h;
}

void SGameData::SetDisplayMode(bool keepDisplay) {
    ComputeViewport();
    if (!m_display) return;
    m_display->SetMode(int(m_screenMode), keepDisplay);
    m_playView.m_screenWidth = m_display->m_width;
    m_playView.m_screenHeight = m_display->m_height;
    if (m_render) m_render->UpdateProjection();
}
