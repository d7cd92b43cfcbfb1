#include "ui/widgets/fill_color_ctrl.h"

#include "engine/draw/display.h"
#include "ui/colour_word.h"

void SFillColorCtrl::SetColor(uint32_t color) {
    m_color = color;
    SetDirty();
}

uint32_t SFillColorCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    // The hit box reaches one pixel left of the fill, as the screens that use it were laid out.
    const bool hit = x >= m_x - 1 && x <= m_x + m_w - 1 && y >= m_y && y <= m_y + m_h - 1;
    return down != 0 && drag == 0 && hit ? m_id : 0;
}

void SFillColorCtrl::Draw() { m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_color)); }
