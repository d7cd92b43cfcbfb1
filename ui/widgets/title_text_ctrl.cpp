#include "ui/widgets/title_text_ctrl.h"

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "ui/colour_word.h"

namespace {
constexpr char kTitleTextCtrlCr = 13;
constexpr char kTitleTextCtrlLf = 10;
}  // namespace

void STitleTextCtrl::Setup(uint32_t titleFont, uint32_t titleColor, uint32_t bodyColor, uint32_t bgColor, uint32_t bgOn,
                           uint32_t margin, uint32_t topMargin, uint32_t titleColor2, uint32_t titleColor3) {
    m_titleFont = titleFont;
    m_titleColor = titleColor;
    m_bodyColor = bodyColor;
    m_bgColor = bgColor;
    m_bgOn = bgOn;
    m_margin = margin;
    m_topMargin = topMargin;
    m_titleColor2 = titleColor2;
    m_titleColor3 = titleColor3;
    m_bodyFont = 1;
    m_titleTwoLines = 1;
    m_titleOneLine = 0;
    m_title.Assign("");
    m_pages.clear();
    m_page = 0;
    SetDirty();
}

void STitleTextCtrl::SetText(const char* title, const char* body, uint32_t useColor2, uint32_t useColor3) {
    m_useColor2 = useColor2;
    m_useColor3 = useColor3;
    m_title.Assign(title ? title : "");
    const int width = int(m_w) - 2 * int(m_margin);
    const uint32_t type = m_game->m_screenMode;

    m_text->SelectFont(int(m_titleFont), m_titleColor, m_bgColor);
    int widest = 0, n = 0;
    m_text->Measure(m_title.Text(), width, widest, n);
    if (m_titleTwoLines && !m_title.IsEmpty() && n < 2 && !IsSmallScreenType(type)) n = 2;
    if (m_titleOneLine) n = 1;
    m_bodyTop = m_y + n * (m_text->LineHeight() + 1) + int32_t(m_topMargin);
    if (IsLargeScreenType(type))
        m_bodyTop += 2;
    else if (IsSmallScreenType(type) && m_titleTwoLines && n < 2 && type != 8 && type != 5)
        m_bodyTop += 4;

    m_pages.clear();
    m_text->SelectFont(int(m_bodyFont), m_bodyColor, m_bgColor);
    const int lineH = m_text->LineHeight() + 1;
    const int firstPageLines = (m_y + int(m_h) - m_bodyTop) / lineH;
    // A control lower than one line still shows a line a page.
    const int laterPageLines = std::max(1, int(m_h) / lineH);

    SString text(body);
    for (int i = 0; i < text.Length(); ++i)
        if (text.At(i) == kTitleTextCtrlLf) text.SetAt(i, kTitleTextCtrlCr);
    SString wrapped;
    m_text->WrapToString(text.Text(), width, wrapped);

    // A title that leaves no room below it leaves page 0 without body lines.
    if (firstPageLines <= 0 && !wrapped.IsEmpty()) m_pages.emplace_back("");
    SString page;
    int linesOnPage = 0;
    const char* lines = wrapped.Text();
    for (int start = 0, i = 0; lines[i] != '\0'; ++i) {
        if (lines[i] != kTitleTextCtrlCr) continue;
        page.AppendN(lines + start, i - start);
        page.AppendChar(kTitleTextCtrlCr);
        start = i + 1;
        const int capacity = m_pages.empty() ? firstPageLines : laterPageLines;
        if (++linesOnPage >= capacity) {
            m_pages.push_back(page);
            page.Assign("");
            linesOnPage = 0;
        }
    }
    if (!page.IsEmpty() || m_pages.empty()) m_pages.push_back(page);
    m_page = 0;
    SetDirty();
}

uint32_t STitleTextCtrl::titleColour() const {
    if (m_useColor3) return m_titleColor3;
    if (m_useColor2) return m_titleColor2;
    return m_titleColor;
}

void STitleTextCtrl::Draw() {
    if (!IsShown()) return;
    if (m_bgOn) m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    const int left = m_x + int(m_margin), right = m_x + int(m_w) - int(m_margin) + 1, bottom = m_y + m_h;
    if (m_page == 0) {
        m_text->SelectFont(int(m_titleFont), titleColour(), m_bgColor);
        m_text->DrawText(left, m_y + int(m_topMargin), right, bottom, m_title.Text(),
                         m_titleOneLine ? kTextOneLine : 0);
    }
    if (m_page >= m_pages.size()) return;
    m_text->SelectFont(int(m_bodyFont), m_bodyColor, m_bgColor);
    const int top = m_page == 0 ? m_bodyTop : m_y + int(m_topMargin);
    m_text->DrawText(left, top, right, bottom, m_pages[m_page].Text(), 0);
}
