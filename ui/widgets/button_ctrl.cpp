#include "ui/widgets/button_ctrl.h"

#include "engine/draw/display.h"
#include "engine/draw/text.h"
#include "engine/packages/resource_cache.h"
#include "ui/frames.h"
#include "ui/widgets/push_button.h"

namespace {

constexpr uint32_t kButtonCtrlCaptionColor = 0xC8C8C8;
constexpr uint32_t kCaptionColorDown = 0xFFFFFF;
constexpr uint32_t kCaptionBlend = 0x585858;

}  // namespace

SButtonCtrl::SButtonCtrl() { m_input = SCtrlInput::kKeys | SCtrlInput::kPen; }

void SButtonCtrl::setupPictures(const SPictureSet& pictures, uint32_t command, uint16_t hotkey) {
    m_pictures = pictures;
    m_pictureMode = 1;
    m_command = command;
    m_hotkey = hotkey;
    m_w = uint16_t(PictureWidth(pictures[0]));
    m_h = uint16_t(PictureHeight(pictures[0]));
    m_keyed = 0;
    m_hasDisabledPicture = 0;
    m_repeat = 0;
    SetDirty();
}

void SButtonCtrl::SetupPicture(const SPictureSet& pictures, uint32_t command, uint16_t hotkey) {
    setupPictures(pictures, command, hotkey);
    m_showCaption = 0;
}

void SButtonCtrl::SetupText(const SPictureSet& pictures, const char* caption, uint32_t command, uint16_t hotkey) {
    setupPictures(pictures, command, hotkey);
    m_caption.Assign(caption);
    m_showCaption = 1;
    m_font = 1;
    m_textColor = kButtonCtrlCaptionColor;
    m_blendColor = kCaptionBlend;
    m_textColorDown = kCaptionColorDown;
    m_blendColorDown = kCaptionBlend;
}

void SButtonCtrl::SetupBar(const SBarSet& barDown, const SBarSet& barUp, const char* caption, uint32_t command,
                           uint32_t font, uint32_t textColor, uint32_t blendColor, uint32_t textColorDown,
                           uint32_t blendColorDown, uint16_t hotkey) {
    m_barDown = barDown;
    m_barUp = barUp;
    m_pictureMode = 0;
    m_caption.Assign(caption);
    m_showCaption = 1;
    m_command = command;
    m_font = font;
    m_textColor = textColor;
    m_blendColor = blendColor;
    m_textColorDown = textColorDown;
    m_blendColorDown = blendColorDown;
    m_hotkey = hotkey;
    SetDirty();
}

void SButtonCtrl::SetCaption(const char* text) {
    m_caption.Assign(text);
    SetDirty();
}

uint32_t SButtonCtrl::OnKey(uint32_t key) { return IsEnabled() && m_hotkey != 0 && m_hotkey == key ? m_command : 0; }

uint32_t SButtonCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (!IsEnabled()) return 0;
    return PushByStylus(*this, x, y, down, drag, m_repeat != 0, m_command);
}

void SButtonCtrl::Draw() {
    if (m_pictureMode) {
        const SPictureEntry* picture = m_pictures[0];
        if (!IsEnabled() && m_hasDisabledPicture)
            picture = m_pictures[2];
        else if (IsPressed() || !IsEnabled() || IsChecked())
            picture = m_pictures[1];
        if (picture && picture->data) {
            if (m_keyed)
                m_display->BlitKeyed(*picture, m_x, m_y);
            else
                m_display->BlitOpaque(*picture, m_x, m_y);
        }
    } else {
        const SBarSet& bar = looksReleased() && !IsChecked() ? m_barUp : m_barDown;
        DrawBar(*m_display, bar.data(), m_keyed != 0, m_x, m_y, m_w, m_h);
    }
    if (!m_showCaption) return;
    if (looksReleased())
        m_text->SelectFont(int(m_font), m_textColor, m_blendColor);
    else
        m_text->SelectFont(int(m_font), m_textColorDown, m_blendColorDown);
    // A pressed caption sinks with its button: two pixels right and one down.
    const int shiftX = IsPressed() ? 2 : 0, shiftY = IsPressed() ? 1 : 0;
    const int top = m_y + (m_h - m_text->LineHeight()) / 2 + 2 + shiftY;
    m_text->DrawText(m_x + shiftX, top, m_x + m_w + shiftX, top + m_h, m_caption.Text(), kTextCentred);
}
