#include "ui/widgets/progress_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "ui/colour_word.h"

void SProgressCtrl::Reset() {
    m_fillColor = 0x64C8C8;
    m_emptyColor = 0;
    m_maximum = 1;
    m_current = 0;
}

void SProgressCtrl::SetMaximum(int32_t maximum) {
    m_maximum = maximum;
    m_current = 0;
    SetDirty();
}

void SProgressCtrl::Step() {
    if (m_current < m_maximum) ++m_current;
    SetDirty();
}

void SProgressCtrl::Draw() {
    const int32_t filled = m_maximum < 1 ? 0 : int32_t(int64_t(m_w) * std::clamp(m_current, 0, m_maximum) / m_maximum);
    m_display->FillRect(m_x, m_y, filled, m_h, ColourWord565(m_fillColor));
    m_display->FillRect(m_x + filled, m_y, m_w - filled, m_h, ColourWord565(m_emptyColor));
}
