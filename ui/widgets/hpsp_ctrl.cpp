#include "ui/widgets/hpsp_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "game/game_data.h"
#include "ui/colour_word.h"

void SHPSPCtrl::Setup(uint32_t variant) {
    m_horizontal = m_w >= m_h;
    if (!m_horizontal) {
        m_pieces = m_game->InterfaceSet<3>(variant == 1 ? SInterfaceRole::kFirstVerticalBar
                                                        : SInterfaceRole::kSecondVerticalBar);
        m_topH = PictureHeight(m_pieces[0]);
        m_middleH = PictureHeight(m_pieces[1]);
        m_bottomH = PictureHeight(m_pieces[2]);
        m_fillTop = m_y;
        m_lengthV = track();
    } else {
        m_pieces = m_game->InterfaceSet<3>(variant == 1 ? SInterfaceRole::kFirstHorizontalBar
                                                        : SInterfaceRole::kSecondHorizontalBar);
        m_leftW = PictureWidth(m_pieces[0]);
        m_middleW = PictureWidth(m_pieces[1]);
        m_rightW = PictureWidth(m_pieces[2]);
        m_fillEnd = m_x + m_w;
        m_lengthH = track();
    }
    m_bgColor = 0;
    SetDirty();
}

// The length the middle piece may take: the control less both ends.
int32_t SHPSPCtrl::track() const {
    return std::max(0, m_horizontal ? int32_t(m_w) - m_leftW - m_rightW : int32_t(m_h) - m_bottomH - m_topH);
}

void SHPSPCtrl::SetPercent(uint32_t percent) {
    const int32_t p = int32_t(std::clamp(percent, 1u, 100u));
    if (!m_horizontal) {
        m_lengthV = track() * p / 100;
        m_fillTop = m_y + track() - m_lengthV;
    } else {
        m_lengthH = track() * p / 100;
        m_fillEnd = m_x + m_leftW + m_rightW + m_lengthH;
    }
    SetDirty();
}

void SHPSPCtrl::Draw() {
    m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    const SPictureEntry* movingEnd = m_pieces[0];
    const SPictureEntry* middle = m_pieces[1];
    const SPictureEntry* fixedEnd = m_pieces[2];
    if (!movingEnd || !middle || !fixedEnd || !movingEnd->data || !middle->data || !fixedEnd->data) return;
    // Never more of the middle than the piece has, so a short piece cannot draw outside itself.
    if (m_horizontal) {
        if (m_lengthH <= 0) return;
        m_display->BlitOpaque(*fixedEnd, m_x, m_y);
        m_display->BlitOpaqueRect(*middle, m_x + m_rightW, m_y, 0, 0, std::min(m_lengthH, m_middleW),
                                  std::min<int32_t>(m_h, PictureHeight(middle)));
        m_display->BlitOpaque(*movingEnd, m_fillEnd - m_leftW, m_y);
    } else {
        if (m_lengthV <= 0) return;
        m_display->BlitOpaque(*movingEnd, m_x, m_fillTop);
        m_display->BlitOpaqueRect(*middle, m_x, m_fillTop + m_topH, 0, 0, PictureWidth(middle),
                                  std::min(m_lengthV, m_middleH));
        m_display->BlitOpaque(*fixedEnd, m_x, m_y + m_h - m_bottomH);
    }
}
