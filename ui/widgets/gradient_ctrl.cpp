#include "ui/widgets/gradient_ctrl.h"

#include "engine/draw/display.h"
#include "ui/colour_word.h"

namespace {

// Channel by channel, i / steps of the way from one colour word to another.
uint32_t lerpColour(uint32_t from, uint32_t to, int i, int steps) {
    auto channel = [&](int (*of)(uint32_t)) { return of(from) + (of(to) - of(from)) * i / steps; };
    return MakeColourWord(channel(ColourWordRed), channel(ColourWordGreen), channel(ColourWordBlue));
}

}  // namespace

void SGradientCtrl::SetDefaults() {
    m_gradientFlags = kDrawn;
    m_leftColor = 0x5064FA;
    m_minValue = -100;
    m_midColor = 0xBEDCE6;
    m_midValue = 0;
    m_rightColor = 0x64DC64;
    m_maxValue = 100;
    m_markerColor = 0x0000A0;
}

int32_t SGradientCtrl::MarkerX() const {
    const int32_t half = m_w >> 1;
    // Each side of the middle is scaled by the value's distance from the middle value.
    if (m_value <= m_minValue) return m_x;
    if (m_value < m_midValue) return m_x + half - 2 - (half - 3) * (m_value - m_midValue) / (m_minValue - m_midValue);
    if (m_value == m_midValue) return m_x + half - 2;
    if (m_value < m_maxValue) return m_x + half - 2 + (half - 3) * (m_value - m_midValue) / (m_maxValue - m_midValue);
    return m_x + m_w - 4;
}

void SGradientCtrl::Draw() {
    if (!(m_gradientFlags & kDrawn)) return;
    m_display->FrameRect(m_x + 2, m_y + 2, m_w - 4, m_h - 4);
    const int half = (m_w - 4) / 2;
    for (int i = 0; i < half; ++i) {
        m_display->FillRect(m_x + 2 + i, m_y + 3, 1, m_h - 6,
                            ColourWord565(lerpColour(m_leftColor, m_midColor, i, half)));
        m_display->FillRect(m_x + 2 + half + i, m_y + 3, 1, m_h - 6,
                            ColourWord565(lerpColour(m_midColor, m_rightColor, i, half)));
    }
    const uint16_t marker = ColourWord565(m_markerColor);
    const int m = MarkerX();
    m_display->FillRect(m, m_y, 4, 1, marker);
    m_display->FillRect(m + 1, m_y + 1, 2, m_h - 2, marker);
    m_display->FillRect(m, m_y + m_h - 2, 4, 1, marker);
}
