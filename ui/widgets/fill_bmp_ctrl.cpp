#include "ui/widgets/fill_bmp_ctrl.h"

#include "engine/draw/display.h"
#include "engine/packages/resource_cache.h"
#include "ui/frames.h"

void SFillBmpCtrl::SetTile(const SPictureEntry* picture) {
    m_tile = picture;
    m_panelSet = {};
}

void SFillBmpCtrl::SetPanel(const SFrameSet& set) {
    m_panelSet = set;
    m_tile = nullptr;
}

void SFillBmpCtrl::Draw() {
    if (m_tileMode == kPanel) {
        DrawPanel(*m_display, m_panelSet.data(), m_keyed != 0, m_x, m_y, m_w, m_h);
        return;
    }
    if (m_tile == nullptr) return;
    if (m_keyed)
        m_display->TileKeyed(m_x, m_y, m_w, m_h, *m_tile);
    else
        m_display->TileOpaque(m_x, m_y, m_w, m_h, *m_tile);
}
