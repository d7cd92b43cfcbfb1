#include "ui/widgets/text_ctrl.h"

#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"

void STextCtrl::SetText(const char* text) {
    m_words.Assign(text);
    SetDirty();
    Layout();
}

void STextCtrl::SetTextEx(const char* text, uint32_t align, uint32_t font, uint32_t textColor, uint32_t blendColor) {
    m_words.Assign(text);
    m_align = align;
    m_font = font;
    m_textColor = textColor;
    m_blendColor = blendColor;
    SetDirty();
    Layout();
}

void STextCtrl::SetBlendColor(uint32_t color) {
    m_blendColor = color;
    SetDirty();
}

void STextCtrl::Layout() {
    m_text->SelectFont(int(m_font), m_textColor, m_blendColor);
    int widest = 0, lines = 0;
    m_text->Measure(m_words.Text(), m_w, widest, lines);
    const int tall = lines * (m_text->LineHeight() + 1);
    m_textX = m_x;
    m_textY = m_y;
    if (m_align & STextAlign::kMiddle) {
        if (tall < m_h) m_textY = m_y + (m_h - tall) / 2;
    } else if (m_align & STextAlign::kBottom) {
        m_textY = m_y + m_h - tall;
    }
    if (m_textY < m_y) m_textY = m_y;
}

void STextCtrl::Draw() {
    m_text->SelectFont(int(m_font), m_textColor, m_blendColor);
    const int right = m_textX + m_w, bottom = m_y + m_h;
    if (m_align & STextAlign::kLeft) {
        // Left-aligned text never has an outline.
        m_text->DrawText(m_textX, m_textY, right, bottom, m_words.Text(), 0);
        return;
    }
    const int flags = m_align & STextAlign::kCentred ? kTextCentred : kTextRight;
    if (m_outline) {
        const int d = IsLargeScreenType(m_game->m_screenMode) ? 2 : 1;
        m_text->SelectFont(int(m_font), 0, 0);
        for (auto [dx, dy] : {std::pair{d, 0}, std::pair{-d, 0}, std::pair{0, -d}, std::pair{0, d}})
            m_text->DrawText(m_textX + dx, m_textY + dy, right + dx, bottom + dy, m_words.Text(), flags);
        m_text->SelectFont(int(m_font), m_textColor, m_blendColor);
    }
    m_text->DrawText(m_textX, m_textY, right, bottom, m_words.Text(), flags);
}
