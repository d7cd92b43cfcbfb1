#pragma once
// STitleTextCtrl: a title above a word-wrapped body that is split into pages of whole lines. Page 0
// holds what fits below the title; later pages start at the top. The owning screen turns pages by
// setting `m_page` and marking the control dirty.
#include <cstdint>
#include <vector>

#include "engine/base/string.h"
#include "ui/ctrl.h"

class STitleTextCtrl : public SCtrl {
public:
    void Setup(uint32_t titleFont, uint32_t titleColor, uint32_t bodyColor, uint32_t bgColor, uint32_t bgOn,
               uint32_t margin, uint32_t topMargin, uint32_t titleColor2, uint32_t titleColor3);
    // Pages the body below the title; LF starts a new line as CR does. An empty body is one empty
    // page. Shows page 0.
    void SetText(const char* title, const char* body, uint32_t useColor2, uint32_t useColor3);
    void Draw() override;

    int PageCount() const { return int(m_pages.size()); }

    SString m_title;
    uint32_t m_titleFont = 0;
    uint32_t m_titleColor = 0;
    uint32_t m_titleColor2 = 0;
    uint32_t m_titleColor3 = 0;
    // Each page holds its lines, each ended by CR.
    std::vector<SString> m_pages;
    uint32_t m_bodyFont = 1;
    uint32_t m_bodyColor = 0;
    uint32_t m_useColor2 = 0;
    uint32_t m_useColor3 = 0;
    // Reserves two title lines on the screens that are not small, even for a one-line title.
    uint32_t m_titleTwoLines = 1;
    uint32_t m_titleOneLine = 0;  // the title on one line, not wrapped
    uint32_t m_margin = 0;        // left and right
    uint32_t m_topMargin = 0;
    uint32_t m_bgColor = 0;
    uint32_t m_bgOn = 0;
    int32_t m_bodyTop = 0;  // where page 0's first line is drawn
    uint32_t m_page = 0;

private:
    uint32_t titleColour() const;
};
