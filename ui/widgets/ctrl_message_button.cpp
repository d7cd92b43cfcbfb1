#include "ui/widgets/ctrl_message_button.h"

#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "ui/frames.h"
#include "ui/widgets/push_button.h"

namespace {

constexpr uint32_t kCtrlMessageButtonCaptionColor = 0x161616;
constexpr int kCaptionFont = 1;
constexpr int kMeasureWidth = 100;

}  // namespace

SCtrlMessageButton::SCtrlMessageButton() { m_input = SCtrlInput::kKeys | SCtrlInput::kPen; }

void SCtrlMessageButton::setup(const char* caption, uint32_t command, const SBarSet& barDown, const SBarSet& barUp,
                               int margin) {
    m_caption.Assign(caption);
    m_command = command;
    m_barDown = barDown;
    m_barUp = barUp;
    // Measured in the font the caption is drawn in, whichever font the text layer held before.
    m_text->SelectFont(kCaptionFont, kCtrlMessageButtonCaptionColor, m_game->m_interfaceTextColour);
    int widest = 0, lines = 0;
    m_text->Measure(m_caption.Text(), kMeasureWidth, widest, lines);
    m_w = uint16_t(widest + margin);
    m_h = uint16_t(PictureHeight(barDown[0]));
    m_flags = SCtrlFlags::kVisible | SCtrlFlags::kActive;
}

void SCtrlMessageButton::Setup(const char* caption, uint32_t command, const SBarSet& barDown, const SBarSet& barUp) {
    setup(caption, command, barDown, barUp, 40);
}

void SCtrlMessageButton::SetupDefault(const char* caption, uint32_t command) {
    SetPos(0, 0);
    setup(caption, command, m_game->InterfaceSet<3>(SInterfaceRole::kMessageButtonBarDown),
          m_game->InterfaceSet<3>(SInterfaceRole::kMessageButtonBarUp),
          IsSmallScreenType(m_game->m_screenMode) ? 26 : 40);
}

uint32_t SCtrlMessageButton::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    return PushByStylus(*this, x, y, down, drag, false, m_command);
}

void SCtrlMessageButton::Draw() {
    DrawBar(*m_display, (IsPressed() ? m_barDown : m_barUp).data(), true, m_x, m_y, m_w, m_h);
    // The caption shades towards the bar's own colour, cream when released and bronze when pressed.
    m_text->SelectFont(kCaptionFont, kCtrlMessageButtonCaptionColor,
                       IsPressed() ? m_game->m_interfaceShadeColour : m_game->m_interfaceTextColour);
    const int top = m_y + (m_h - m_text->LineHeight()) / 2 + 1;
    m_text->DrawText(m_x + 8, top, m_x + m_w - 8, m_y + 24, m_caption.Text(), kTextCentred);
}
