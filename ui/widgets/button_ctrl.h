#pragma once
// SButtonCtrl: the general push button, drawn from its pictures (normal, pressed, disabled) or from
// a three-piece bar, with an optional caption and a hotkey. It fires on release inside, or, with
// `repeat`, on the press and on every move while held.
#include <cstdint>

#include "engine/base/string.h"
#include "ui/ctrl.h"
#include "ui/picture_sets.h"

class SButtonCtrl : public SCtrl {
public:
    SButtonCtrl();

    // Picture mode; the size is the first picture's (0 without one). No caption, opaque, no
    // disabled picture, no repeat.
    void SetupPicture(const SPictureSet& pictures, uint32_t command, uint16_t hotkey);
    // As SetupPicture, with the caption drawn over the pictures in font 1: light grey, white while
    // pressed or disabled. The size is the first picture's; the position stays.
    void SetupText(const SPictureSet& pictures, const char* caption, uint32_t command, uint16_t hotkey);
    // Bar mode: the released or pressed bar over the control's rectangle, with the caption in the
    // given font and colours (colour words).
    void SetupBar(const SBarSet& barDown, const SBarSet& barUp, const char* caption, uint32_t command, uint32_t font,
                  uint32_t textColor, uint32_t blendColor, uint32_t textColorDown, uint32_t blendColorDown,
                  uint16_t hotkey);
    // A null caption leaves it as it was.
    void SetCaption(const char* text);

    // The hotkey fires an enabled button; a hotkey of 0 never matches.
    uint32_t OnKey(uint32_t key) override;
    // Nothing happens while disabled.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    SBarSet m_barDown{};
    SBarSet m_barUp{};
    SPictureSet m_pictures{};
    SString m_caption;
    uint32_t m_showCaption = 0;
    uint32_t m_pictureMode = 0;  // 1 draws the pictures, 0 the bar
    // The screens that need them set these directly.
    uint32_t m_keyed = 0;
    uint32_t m_hasDisabledPicture = 0;
    uint32_t m_repeat = 0;
    uint32_t m_command = 0;
    uint16_t m_hotkey = 0;
    uint32_t m_font = 1;
    uint32_t m_textColor = 0;
    uint32_t m_blendColor = 0;
    uint32_t m_textColorDown = 0;  // pressed or disabled
    uint32_t m_blendColorDown = 0;

private:
    void setupPictures(const SPictureSet& pictures, uint32_t command, uint16_t hotkey);
    bool looksReleased() const { return !IsPressed() && IsEnabled(); }
};
