#include "engine/draw/text.h"

#include <algorithm>
#include <cstring>

#include "engine/base/string.h"
#include "engine/draw/display.h"
#include "engine/draw/font_glyphs.h"
#include "engine/draw/screen_type.h"

namespace {

constexpr char kCr = 13;
constexpr char kLf = 10;

struct FontChoice {
    uint16_t recordId;
    uint8_t height;
};

// Fonts 0, 1 and 2 of a screen mode: the small modes, the large modes and the rest.
std::array<FontChoice, 3> fontsFor(int screenMode) {
    if (IsSmallScreenType(uint32_t(screenMode))) return {{{3011, 16}, {3010, 15}, {3012, 18}}};
    if (IsLargeScreenType(uint32_t(screenMode))) return {{{3011, 16}, {3013, 20}, {3014, 26}}};
    return {{{3011, 16}, {3012, 18}, {3013, 20}}};
}

bool isLargeTextMode(int screenMode) {
    return screenMode == 9 || screenMode == 10 || screenMode == 14 || screenMode == 15;
}

// One channel of a shade: from c1 towards c2 by fraction / 256, truncated toward zero.
int shadeChannel(uint32_t colour1, uint32_t colour2, int shift, int fraction) {
    int c1 = int((colour1 >> shift) & 0xFF), c2 = int((colour2 >> shift) & 0xFF);
    return c1 + (c2 - c1) * fraction / 256;
}

uint16_t shade(uint32_t colour1, uint32_t colour2, int fraction) {
    return MakeColor565(shadeChannel(colour1, colour2, 0, fraction), shadeChannel(colour1, colour2, 8, fraction),
                        shadeChannel(colour1, colour2, 16, fraction));
}

int textLength(const char* text) { return text ? int(std::strlen(text)) : 0; }

// Where the next line starts after a line that ended at `end`.
int nextLineStart(const char* text, int end, int length) {
    if (end < length && (text[end] == kCr || text[end] == kLf)) return end + 1;
    while (end < length && text[end] == ' ') ++end;
    return end;
}

}  // namespace

SText::SText() {
    for (auto& font : m_fonts) font = std::make_unique<SFont>();
    m_current = m_fonts[1].get();
}

bool SText::Init(SDisplay* display, int screenMode, SPdb* database, SReadError& error) {
    m_display = display;
    m_largeText = isLargeTextMode(screenMode);
    m_lineGap = 0;
    return InitFonts(screenMode, database, error);
}

bool SText::InitFonts(int screenMode, SPdb* database, SReadError& error) {
    bool allRead = true;
    const auto choices = fontsFor(screenMode);
    for (int size = 0; size < 3; ++size) {
        std::array<uint16_t, 256> start, end;
        GlyphColumns(choices[size].recordId, start, end);
        m_fonts[size] = std::make_unique<SFont>();
        m_fonts[size]->Init(choices[size].recordId, database, start, end, choices[size].height);
        allRead = m_fonts[size]->Load(error) && allRead;
    }
    m_current = m_fonts[1].get();
    m_block.font = m_current;
    return allRead;
}

void SText::SelectFont(int size, uint32_t colour1, uint32_t colour2) {
    if (m_largeText) size = 2;
    m_current = m_fonts[std::clamp(size, 0, 2)].get();
    m_block.font = m_current;
    if (colour1 != m_colour1 || colour2 != m_colour2) {
        m_colour1 = colour1;
        m_colour2 = colour2;
        UpdateColours();
    }
    m_block.shades = m_shades;
}

void SText::UpdateColours() {
    for (int i = 0; i < m_pairs.Count(); ++i) {
        if (m_pairs[i].colour1 == m_colour1 && m_pairs[i].colour2 == m_colour2) {
            m_shades = m_pairs[i].shades;
            return;
        }
    }
    m_shades = {shade(m_colour1, m_colour2, 0), shade(m_colour1, m_colour2, 83), shade(m_colour1, m_colour2, 171)};
    m_pairs.Add({m_colour1, m_colour2, m_shades});
}

int SText::BreakLine(const char* text, int start, int maxWidth, int& width, bool wordWrap, bool& lineFeed) const {
    const int length = textLength(text);
    width = 0;
    lineFeed = false;
    if (start >= length) return start;
    int i = start;
    for (; i < length; ++i) {
        if (text[i] == kCr) return i;
        if (text[i] == kLf) {
            lineFeed = true;
            return i;
        }
        width += charWidth(text, i);
        if (width >= maxWidth) break;
    }
    if (i == length) return length;
    if (!wordWrap) return i;
    // Back from the character that filled the line to the last blank, which ends the line and is
    // not counted.
    for (int back = i; back > start && i != start; --back) {
        width -= charWidth(text, back);
        if (text[back] == ' ') return back;
    }
    // A line without a blank takes the rest of the text, and its width is the rest's width, so that
    // aligning it stays right.
    width = 0;
    for (int k = start; k < length; ++k) width += charWidth(text, k);
    return length;
}

void SText::Measure(const char* text, int maxWidth, int& widest, int& lines) const {
    widest = lines = 0;
    const int length = textLength(text);
    if (length == 0 || maxWidth == 0) return;
    for (int position = 0; position < length;) {
        int width = 0;
        bool lineFeed = false;
        int end = BreakLine(text, position, maxWidth, width, true, lineFeed);
        if (width != 0) {
            if (width > widest) widest = width + 1;
            ++lines;
            if (lineFeed) return;
        }
        if (end < length && (text[end] == kCr || text[end] == kLf)) {
            if (width == 0) ++lines;
            position = end + 1;
        } else {
            position = nextLineStart(text, end, length);
        }
    }
}

int SText::TextWidth(const char* text) const {
    int width = 0;
    bool lineFeed = false;
    BreakLine(text, 0, 1000, width, false, lineFeed);
    return width;
}

void SText::WrapToString(const char* text, int width, SString& out) const {
    out.Assign("");
    const int length = textLength(text);
    if (length == 0 || width == 0) return;
    for (int position = 0; position < length;) {
        int lineWidth = 0;
        bool lineFeed = false;
        int end = BreakLine(text, position, width, lineWidth, true, lineFeed);
        if (end < length && text[end] == kCr) {
            out.AppendN(text + position, end - position);
            out.AppendChar(kCr);
            position = end + 1;
        } else if (end < length && text[end] == kLf) {
            out.AppendN(text + position, end - position);
            out.AppendChar(kCr);
            return;
        } else {
            if (end > position) {
                out.AppendN(text + position, end - position);
                out.AppendChar(kCr);
            }
            position = end;
        }
        while (position < length && text[position] == ' ') ++position;
    }
}

int SText::DrawText(int left, int top, int right, int bottom, const char* text, int flags) {
    const int length = textLength(text);
    if (length == 0) return 1;
    const int width = right - left;
    int y = top;
    int count = 1;
    for (int position = 0;;) {
        int lineWidth = 0;
        bool lineFeed = false;
        int end = BreakLine(text, position, width, lineWidth, !(flags & kTextOneLine), lineFeed);
        int x = left;
        if (flags & kTextCentred)
            x = width > lineWidth ? left + (width - lineWidth) / 2 : left;
        else if (flags & kTextRight)
            x = left + width - lineWidth;

        // An over-long line is cut to what the line buffer holds.
        const int copied = std::min(end - position, kLineBufferSize - 1);
        std::memcpy(m_line, text + position, size_t(copied));
        m_line[copied] = '\0';
        m_block.font = m_current;
        m_block.shades = m_shades;
        m_block.x = uint16_t(x);
        m_block.y = uint16_t(y);
        m_block.text = m_line;
        if (m_display) m_display->DrawTextBlock(m_block);

        if (end >= length || (flags & kTextOneLine)) break;
        ++count;
        position = nextLineStart(text, end, length);
        if (lineFeed) break;
        y += m_current->m_height + m_lineGap;
        if (m_current->m_height + y > bottom + 3) break;
        if (position >= length) break;
    }
    return count;
}

int SText::DrawTextCentred(int left, int top, int right, int bottom, const char* text) {
    return DrawText(left, top, right, bottom, text, kTextCentred);
}
