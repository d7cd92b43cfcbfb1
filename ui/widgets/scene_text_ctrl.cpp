#include "ui/widgets/scene_text_ctrl.h"

#include "engine/draw/text.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "ui/colour_word.h"
#include "ui/dialog.h"
#include "ui/widgets/wrapped_lines.h"

namespace {

// The one screen type whose scenes are told in the large font.
constexpr uint32_t kLargeTextScreenType = 2;

int blendChannel(int blend, int text, int32_t part, int32_t whole) { return blend + (text - blend) * part / whole; }

}  // namespace

// The screen turns the page on a tap on the text, so the stylus is wanted as well as the ticks.
SSceneTextCtrl::SSceneTextCtrl() { m_input = SCtrlInput::kTicks | SCtrlInput::kPen; }

void SSceneTextCtrl::selectFont(uint32_t color) const {
    m_text->SelectFont(m_game->m_screenMode == kLargeTextScreenType ? 2 : 1, color, m_blendColor);
}

void SSceneTextCtrl::Start(const char* text) {
    m_blendColor = m_game->m_interfaceTextColour;
    m_textColor = kInk;
    m_finished = 0;
    m_holding = 0;
    m_holdStart = 0;
    m_lines.Clear();
    selectFont(m_textColor);
    m_lineHeight = m_text->LineHeight() + 1;
    SetText(text);
    m_offset = m_lineHeight / 2;
    m_total = m_lines.Count() * m_lineHeight;
    m_lastStep = platform::TickCount();
    SetDirty();
}

void SSceneTextCtrl::SetText(const char* text) {
    m_lines.Clear();
    selectFont(m_textColor);
    ForEachWrappedLine(*m_text, text, int(m_w), [this](const char* start, int length) {
        SString line;
        line.AppendN(start, length);
        m_lines.Add(line);
    });
    m_total = m_lines.Count() * m_lineHeight;
}

void SSceneTextCtrl::SetPaused(bool paused) {
    m_running = paused ? 0 : 1;
    if (!paused) m_lastStep = platform::TickCount();
}

uint32_t SSceneTextCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    return down && !drag && Contains(x, y) ? m_id : 0;
}

uint32_t SSceneTextCtrl::OnTick(uint32_t) {
    if (!m_running) return 0;
    const uint32_t now = platform::TickCount();
    if (m_holding) {
        if (now - m_holdStart >= kHoldMs) m_finished = 1;
        return 0;
    }
    // Reached or passed: an empty text starts beyond its total of 0, and must still hold and end.
    if (m_offset >= m_total) {
        m_holding = 1;
        m_holdStart = now;
        return 0;
    }
    if (now - m_lastStep < m_interval) return 0;
    m_lastStep = now;
    if (m_owner) {
        m_owner->SetDirty();
        m_owner->Draw();
    }
    ++m_offset;
    drawLines();
    return 0;
}

uint32_t SSceneTextCtrl::fadedColor(int32_t part) const {
    return MakeColourWord(blendChannel(ColourWordRed(m_blendColor), ColourWordRed(m_textColor), part, m_lineHeight),
                          blendChannel(ColourWordGreen(m_blendColor), ColourWordGreen(m_textColor), part, m_lineHeight),
                          blendChannel(ColourWordBlue(m_blendColor), ColourWordBlue(m_textColor), part, m_lineHeight));
}

void SSceneTextCtrl::drawLines() {
    const int32_t h = m_h;
    // v is how far the bottom of line k has risen above the bottom edge.
    int32_t v = m_offset;
    int32_t k = 0;
    while (v > h) {
        v -= m_lineHeight;
        ++k;
    }
    for (; v > 0; ++k, v -= m_lineHeight) {
        if (k >= m_lines.Count()) continue;
        uint32_t color = m_textColor;
        if (v > h - m_lineHeight)
            color = fadedColor(h - v);
        else if (v < m_lineHeight)
            color = fadedColor(v);
        selectFont(color);
        m_text->DrawText(m_x, m_y + h - v, m_x + m_w, m_y + h, m_lines[k].Text(), kTextCentred);
    }
}
