#pragma once
// STopicButtonCtrl: a word-wrapped line of text after a bullet that acts as a button (conversation
// topics, menus). Its height follows its text; it lights up while pressed or checked.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/ctrl.h"

class STopicButtonCtrl : public SCtrl {
public:
    static constexpr char kBullet[] = "\x94";  // glyph 148
    static constexpr uint32_t kHighlight = 0x00FFFF;

    STopicButtonCtrl();

    // Places the control and sizes it to the text: lines x (font height + 1) high.
    void Setup(const char* text, uint32_t command, int16_t x, int16_t y, uint16_t w, uint16_t h, uint32_t textColor,
               uint32_t blendColor, uint16_t hotkey);
    // The same at the control's place and width, without a hotkey, with its own highlight.
    void SetupSimple(const char* text, uint32_t command, uint32_t textColor, uint32_t highlightColor,
                     uint32_t blendColor);
    // A new text, measured again.
    void SetText(const char* text);

    uint32_t OnKey(uint32_t key) override;
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    SString m_topic;
    uint32_t m_command = 0;
    uint32_t m_indent = 0;  // room for the bullet
    uint16_t m_hotkey = 0;
    uint32_t m_font = 1;
    uint32_t m_textColor = 0;
    uint32_t m_highlightColor = kHighlight;
    uint32_t m_blendColor = 0;

private:
    // Selects the font, leaves room for the bullet and fits the height to the wrapped text.
    void measure();
};
