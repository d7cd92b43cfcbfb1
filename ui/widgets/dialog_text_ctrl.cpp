#include "ui/widgets/dialog_text_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "ui/frames.h"
#include "ui/widgets/wrapped_lines.h"

namespace {

constexpr uint32_t kLinePauseMs = 100;
constexpr uint32_t kLastScrollPauseMs = 50;

}  // namespace

SDialogTextCtrl::SDialogTextCtrl() { m_input = SCtrlInput::kPen; }

void SDialogTextCtrl::Setup(uint32_t, uint32_t color0, uint32_t color1, uint32_t color2, uint32_t blendColor,
                            const SPictureEntry* background) {
    m_font = 1;
    m_colors[0] = color0;
    m_colors[1] = color1;
    m_colors[2] = color2;
    m_blendColor = blendColor;
    m_background = background;
    useFont();
    m_visibleLines = m_h / (m_fontHeight + 1);
    resetShown();
    m_shownThisRun = 0;
    m_reserved = 0;
    m_keepGoing = 0;
    m_next = 0;
    m_bgOn = 1;
    m_centered = 0;
}

void SDialogTextCtrl::Clear() {
    resetShown();
    m_pending.Clear();
    m_shownThisRun = 0;
}

void SDialogTextCtrl::AddText(const char* text, uint32_t colorIndex, uint32_t bullet) {
    // Wrapped in the font the lines are drawn in, whatever the text layer held before.
    useFont();
    uint32_t firstLine = 1;
    // The width comes from layout data or the play view and may be 0: the wrap still moves on.
    ForEachWrappedLine(*m_text, text, int(m_w) - int(m_bulletWidth), [&](const char* start, int length) {
        STextLine line;
        line.bullet = firstLine ? bullet : 0;
        line.text.AppendN(start, length);
        line.colorIndex = colorIndex;
        m_pending.Add(line);
        firstLine = 0;
    });
}

void SDialogTextCtrl::AddBlankLines(int n) {
    m_reserved = 1;
    STextLine blank;
    blank.text.Assign(" ");
    blank.colorIndex = 1;
    for (int i = 0; i < n; ++i) m_pending.Add(blank);
    Draw();
}

int SDialogTextCtrl::MeasurePending(int width, int& maxWidth) {
    useFont();
    int total = 0, widest = 0;
    for (int i = 0; i < m_pending.Count(); ++i) {
        int lineWidest = 0, lines = 0;
        m_text->Measure(m_pending[i].text.Text(), width, lineWidest, lines);
        total += lines;
        widest = std::max(widest, lineWidest);
    }
    // Every line is drawn after the bullet's indent; a box sized without it would cut its widest
    // line.
    maxWidth = widest + int(m_bulletWidth);
    return total;
}

void SDialogTextCtrl::ScrollUp() {
    for (int i = 1; i < m_shown.Count(); ++i) m_shown[i - 1] = m_shown[i];
    if (m_shown.Count() > 0) m_shown[m_shown.Count() - 1] = STextLine();
}

void SDialogTextCtrl::Draw() {
    useFont();
    // A control shorter than one line has nowhere to reveal a line into.
    if (m_shownThisRun != 0 || m_visibleLines == 0) {
        DrawLines();
        return;
    }
    // Signed: a page that reserves all its lines still reveals one.
    const int64_t pageLimit = int64_t(m_visibleLines) - int64_t(m_reserved) - 1;
    do {
        if (HasPending()) {
            const STextLine line = m_pending[0];
            m_pending.RemoveAt(0);
            ++m_shownThisRun;
            if (m_next >= m_visibleLines) {
                ScrollUp();
                m_next = m_visibleLines - 1;
            }
            m_shown[int32_t(m_next++)] = line;
        }
        DrawLines();
        if (!HasPending()) {
            finishReveal();
            return;
        }
        if (!m_instant) {
            m_display->Flip();
            platform::Sleep(kLinePauseMs);
        }
    } while (int64_t(m_shownThisRun) <= pageLimit);
    stopAtEllipsis();
}

void SDialogTextCtrl::finishReveal() {
    m_shownThisRun = 0;
    // The large screens scroll once more, so that an empty line stays at the bottom for the next
    // text.
    if (m_next != m_visibleLines || m_instant || IsSmallScreenType(m_game->m_screenMode)) return;
    platform::Sleep(kLastScrollPauseMs);
    ScrollUp();
    --m_next;
    DrawLines();
    m_display->Flip();
}

void SDialogTextCtrl::stopAtEllipsis() {
    if (m_instant) return;
    const STextLine last = m_shown[int32_t(m_next - 1)];
    // Below the last line only while there is a line below it; the "..." never goes past the page.
    if (m_keepGoing && m_next < m_visibleLines)
        ++m_next;
    else
        ScrollUp();
    STextLine ellipsis;
    ellipsis.bullet = last.bullet;
    ellipsis.colorIndex = last.colorIndex;
    const uint32_t mode = m_game->m_screenMode;
    ellipsis.text.Assign(mode == 5 || mode == 8 ? "" : "...");
    m_shown[int32_t(m_next - 1)] = ellipsis;
    DrawLines();
}

void SDialogTextCtrl::DrawLines() {
    // Without a picture the glyphs' own blend colour clears the lines, so that a scrolled line
    // never leaves the old one's pixels behind.
    if (m_bgOn) TileOrFill(*m_display, m_background, m_x, m_y, m_w, m_h, m_blendColor);
    const int lineHeight = int(m_fontHeight) + 1;
    const int right = m_x + m_w;
    for (int i = 0; i < m_shown.Count(); ++i) {
        const STextLine& line = m_shown[i];
        if (line.text.IsEmpty()) continue;
        m_text->SelectFont(int(m_font), m_colors[std::min<uint32_t>(line.colorIndex, 2)], m_blendColor);
        const int top = m_y + i * lineHeight, bottom = top + int(m_fontHeight);
        if (m_centered) {
            m_text->DrawText(m_x, top, right, bottom, line.text.Text(), kTextCentred);
            continue;
        }
        if (line.bullet) m_text->DrawText(m_x, top, right, bottom, bullet(), 0);
        m_text->DrawText(m_x + int(m_bulletWidth), top, right, bottom, line.text.Text(), 0);
    }
}

void SDialogTextCtrl::useFont() {
    m_text->SelectFont(int(m_font), m_colors[0], m_blendColor);
    m_fontHeight = uint32_t(m_text->LineHeight());
    m_bulletWidth = uint32_t(m_text->TextWidth(bullet()));
}

const char* SDialogTextCtrl::bullet() const { return IsSmallScreenType(m_game->m_screenMode) ? "-\x0B" : "- "; }

void SDialogTextCtrl::resetShown() {
    m_shown.Clear();
    for (uint32_t i = 0; i < m_visibleLines; ++i) m_shown.Add(STextLine());
}
