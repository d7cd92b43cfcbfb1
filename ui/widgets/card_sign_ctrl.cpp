#include "ui/widgets/card_sign_ctrl.h"

#include "engine/draw/display.h"

void SCardSignCtrl::SetPicture(const SPictureEntry* picture) {
    m_picture = picture;
    SetDirty();
}

void SCardSignCtrl::Draw() {
    if (m_picture == nullptr) {
        if (m_fallback) m_display->BlitKeyed(*m_fallback, m_x, m_y);
        return;
    }
    m_display->BlitOpaque(*m_picture, m_x, m_y);
    if (m_showFirst && m_firstMark)
        m_display->BlitKeyed(*m_firstMark, m_x, m_y);
    else if (m_showSecond && m_secondMark)
        m_display->BlitKeyed(*m_secondMark, m_x, m_y);
}

void SCardSignCtrl::showMarks(uint32_t first, uint32_t second) {
    m_showFirst = first;
    m_showSecond = second;
    SetDirty();
}
