#pragma once
// STextCursorCtrl: a one-line text entry field with a blinking caret after the text. Characters
// arrive one at a time from the on-screen keyboard; one that would reach the field's right edge is
// refused.
#include <cstdint>

#include "ui/ctrl.h"

class STextCursorCtrl : public SCtrl {
public:
    static constexpr int kBufferSize = 100;
    static constexpr int32_t kMaxLength = 50;
    static constexpr uint32_t kBlinkMs = 600;
    static constexpr int kCaretWidth = 2;
    static constexpr uint16_t kCaretColor = 0xBDC4;  // RGB565

    STextCursorCtrl();

    // Empty, at most 50 characters, light grey on black.
    void Reset();
    // At most 99 characters are taken, however long the text: names come from saved games and
    // scripts. Null empties the field.
    void SetText(const char* text);
    // Appends the character while the text is shorter than the maximum and then still fits; the
    // caret shows either way.
    void AddChar(char c);
    void Backspace();
    const char* Text() const { return m_buffer; }
    int32_t Length() const;

    uint32_t OnTick(uint32_t arg) override;
    void Draw() override;

    char m_buffer[kBufferSize] = {};
    int32_t m_maxLength = kMaxLength;
    uint32_t m_font = 1;
    uint32_t m_textColor = 0;
    uint32_t m_bgColor = 0;
    uint16_t m_caretColor = kCaretColor;
    uint32_t m_caretOn = 0;
    uint32_t m_lastBlink = 0;

private:
    int textWidth() const;
    void showCaret();
};
