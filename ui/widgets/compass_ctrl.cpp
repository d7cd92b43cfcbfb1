#include "ui/widgets/compass_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/packages/resource_cache.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "ui/picture_sets.h"

void SCompassCtrl::Setup(const SPictureEntry* strip, const SPictureEntry* overlay, const SPictureEntry* leftCap,
                         const SPictureEntry* rightCap) {
    m_strip = strip;
    m_overlay = overlay;
    m_leftCap = leftCap;
    m_rightCap = rightCap;
    m_stripW = PictureWidth(strip);
    m_stripH = PictureHeight(strip);
    m_capW = PictureWidth(leftCap);
    m_degreesPerPixel = 3;
    m_offset = 10;
    SetDirty();
}

int32_t SCompassCtrl::StripOffset() const {
    const auto* play = SStateGame::Of(*m_game);
    const int32_t heading = play ? int32_t(play->m_heading % 360) : 0;
    const int32_t a = (360 - heading) % 360;
    return a / m_degreesPerPixel - m_w / 2 + m_offset;
}

void SCompassCtrl::drawWrapped(const SPictureEntry& picture, bool keyed, int sourceY, int rows) {
    if (m_stripW <= 0) return;
    int column = StripOffset() % m_stripW;
    if (column < 0) column += m_stripW;
    for (int x = 0; x < m_w;) {
        const int run = std::min<int>(m_w - x, m_stripW - column);
        if (keyed)
            m_display->BlitKeyedRect(picture, m_x + x, m_y, column, sourceY, run, rows);
        else
            m_display->BlitOpaqueRect(picture, m_x + x, m_y, column, sourceY, run, rows);
        x += run;
        column = 0;
    }
}

void SCompassCtrl::Draw() {
    if (m_strip == nullptr || m_strip->data == nullptr) return;
    // The small screens leave out the strip's top and bottom rows.
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    const int sourceY = small ? 1 : 0, rows = small ? m_stripH - 2 : m_stripH;
    drawWrapped(*m_strip, false, sourceY, rows);
    if (m_leftCap && m_leftCap->data) m_display->BlitBlend(*m_leftCap, m_x, m_y, 0, m_capW, PictureHeight(m_leftCap));
    if (m_rightCap && m_rightCap->data)
        m_display->BlitBlend(*m_rightCap, m_x + m_w - m_capW, m_y, 0, m_capW, PictureHeight(m_rightCap));
    if (m_overlay && m_overlay->data) drawWrapped(*m_overlay, true, sourceY, rows);
}
