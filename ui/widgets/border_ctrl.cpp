#include "ui/widgets/border_ctrl.h"

#include "ui/frames.h"

void SBorderCtrl::Setup(const SFrameSet& frameSet, uint32_t fill, uint32_t fillColor, uint32_t sides) {
    m_frameSet = frameSet;
    m_fill = fill;
    m_fillColor = fillColor;
    m_sides = sides;
    SetDirty();
}

void SBorderCtrl::Draw() {
    // Sides that already carry the fill flag fill as well, as some screens pass them.
    const uint32_t flags = m_sides | (m_fill ? SBorderSides::kFill : 0);
    DrawFrame(*m_display, m_frameSet.data(), m_keyed != 0, m_x, m_y, m_w, m_h, flags, m_fillColor);
}
