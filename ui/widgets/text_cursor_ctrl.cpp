#include "ui/widgets/text_cursor_ctrl.h"

#include <algorithm>
#include <cstring>

#include "engine/draw/display.h"
#include "engine/draw/text.h"
#include "platform/clock.h"
#include "ui/colour_word.h"
#include "ui/dialog.h"

STextCursorCtrl::STextCursorCtrl() { m_input = SCtrlInput::kTicks; }

void STextCursorCtrl::Reset() {
    m_buffer[0] = '\0';
    m_font = 1;
    m_textColor = kLightGrey;
    m_bgColor = 0;
    m_caretColor = kCaretColor;
    m_maxLength = kMaxLength;
    m_lastBlink = 0;
    SetDirty();
}

void STextCursorCtrl::SetText(const char* text) {
    const size_t length = text ? strnlen(text, kBufferSize - 1) : 0;
    std::memcpy(m_buffer, text ? text : "", length);
    m_buffer[length] = '\0';
    m_lastBlink = 0;
    SetDirty();
}

int32_t STextCursorCtrl::Length() const { return int32_t(std::strlen(m_buffer)); }

int STextCursorCtrl::textWidth() const {
    m_text->SelectFont(int(m_font), m_textColor, m_bgColor);
    return m_text->TextWidth(m_buffer);
}

void STextCursorCtrl::showCaret() {
    m_caretOn = 1;
    m_lastBlink = platform::TickCount();
    SetDirty();
}

void STextCursorCtrl::AddChar(char c) {
    const int32_t length = Length();
    // The buffer bounds the maximum too, whatever an owner set it to.
    if (length >= std::min<int32_t>(m_maxLength, kBufferSize - 1)) return;
    m_buffer[length] = c;
    m_buffer[length + 1] = '\0';
    if (textWidth() + 2 >= int(m_w)) m_buffer[length] = '\0';
    showCaret();
}

void STextCursorCtrl::Backspace() {
    const int32_t length = Length();
    if (length == 0) return;
    m_buffer[length - 1] = '\0';
    showCaret();
}

uint32_t STextCursorCtrl::OnTick(uint32_t) {
    const uint32_t now = platform::TickCount();
    if (now - m_lastBlink < kBlinkMs) return 0;
    m_caretOn ^= 1;
    m_lastBlink = now;
    Draw();
    return 0;
}

void STextCursorCtrl::Draw() {
    const uint16_t background = ColourWord565(m_bgColor);
    m_display->FillRect(m_x, m_y, m_w, m_h, background);
    m_text->SelectFont(int(m_font), m_textColor, m_bgColor);
    m_text->DrawText(m_x, m_y, m_x + m_w, m_y + m_h, m_buffer, 0);
    const int caretX = m_x + textWidth();
    m_display->FillRect(caretX, m_y, kCaretWidth, m_h, m_caretOn ? m_caretColor : background);
}
