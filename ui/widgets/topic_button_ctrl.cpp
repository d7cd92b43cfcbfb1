#include "ui/widgets/topic_button_ctrl.h"

#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "ui/widgets/push_button.h"

STopicButtonCtrl::STopicButtonCtrl() { m_input = SCtrlInput::kKeys | SCtrlInput::kPen; }

void STopicButtonCtrl::Setup(const char* text, uint32_t command, int16_t x, int16_t y, uint16_t w, uint16_t h,
                             uint32_t textColor, uint32_t blendColor, uint16_t hotkey) {
    SetRect(x, y, w, h);
    SetupSimple(text, command, textColor, kHighlight, blendColor);
    m_hotkey = hotkey;
}

void STopicButtonCtrl::SetupSimple(const char* text, uint32_t command, uint32_t textColor, uint32_t highlightColor,
                                   uint32_t blendColor) {
    m_topic.Assign(text);
    m_command = command;
    m_textColor = textColor;
    m_highlightColor = highlightColor;
    m_blendColor = blendColor;
    m_hotkey = 0;
    m_font = 1;
    measure();
}

void STopicButtonCtrl::SetText(const char* text) {
    m_topic.Assign(text);
    measure();
}

void STopicButtonCtrl::measure() {
    m_text->SelectFont(int(m_font), m_textColor, m_blendColor);
    // The same room for the bullet whether the topic was set up or changed, so that a new text
    // never shifts sideways.
    m_indent = uint32_t(m_text->GlyphWidth(uint8_t(kBullet[0])) + (IsSmallScreenType(m_game->m_screenMode) ? 2 : 4));
    int widest = 0, lines = 0;
    m_text->Measure(m_topic.Text(), int(m_w) - int(m_indent), widest, lines);
    m_h = uint16_t(lines * (m_text->LineHeight() + 1));
    SetDirty();
}

uint32_t STopicButtonCtrl::OnKey(uint32_t key) {
    return IsEnabled() && m_hotkey != 0 && m_hotkey == key ? m_command : 0;
}

uint32_t STopicButtonCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (!IsEnabled()) return 0;
    return PushByStylus(*this, x, y, down, drag, false, m_command);
}

void STopicButtonCtrl::Draw() {
    const bool lit = IsEnabled() && (IsPressed() || IsChecked());
    m_text->SelectFont(int(m_font), lit ? m_highlightColor : m_textColor, m_blendColor);
    m_text->DrawText(m_x, m_y, m_x + int(m_indent) + 1, m_y + m_h, kBullet, 0);
    m_text->DrawText(m_x + int(m_indent), m_y, m_x + m_w, m_y + m_h, m_topic.Text(), 0);
}
