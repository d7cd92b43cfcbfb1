#pragma once
// STextCtrl: one word-wrapped text, aligned in its rectangle, with an optional black outline. It has
// no background of its own and does not clear its rectangle: whoever changes the text of a
// control on a clean owner marks the owner dirty, so that the old text is painted over.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/ctrl.h"

// Alignment flags, tested bit by bit: left, centred, or (neither) right; vertically centred or at
// the bottom. Other bits are ignored.
struct STextAlign {
    static constexpr uint32_t kLeft = 1;
    static constexpr uint32_t kCentred = 2;
    static constexpr uint32_t kMiddle = 16;
    static constexpr uint32_t kBottom = 32;
};

class STextCtrl : public SCtrl {
public:
    // A null text leaves the text as it was.
    void SetText(const char* text);
    void SetTextEx(const char* text, uint32_t align, uint32_t font, uint32_t textColor, uint32_t blendColor);
    void SetBlendColor(uint32_t color);
    // Where the text starts: at the left edge, and at the top, the middle or the bottom; never
    // above the control.
    void Layout();
    void Draw() override;

    SString m_words;
    uint32_t m_align = 0;
    uint32_t m_font = 0;
    int32_t m_textX = 0;
    int32_t m_textY = 0;
    uint32_t m_outline = 0;  // a black outline under centred or right-aligned text
    uint32_t m_textColor = 0;
    uint32_t m_blendColor = 0;
};
