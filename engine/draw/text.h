#pragma once
// SText: all text of the game, in three bitmap fonts: measuring, breaking into lines at CR, LF and
// a width with word wrap, and drawing into a rectangle in a colour shaded towards a second one.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/base/value_array.h"
#include "engine/draw/font.h"
#include "engine/draw/pixel_loops.h"

class SDisplay;
class SPdb;
class SString;

// What the text loop draws: one line of text at a place, in a font and its shades.
struct STextBlock {
    SFont* font = nullptr;
    SShades shades{};
    uint16_t x = 0;
    uint16_t y = 0;
    const char* text = nullptr;
};

// Text drawing flags.
constexpr int kTextOneLine = 1;  // no word wrap, nothing after the first line
constexpr int kTextRight = 2;
constexpr int kTextCentred = 4;  // wins over kTextRight

class SText {
public:
    static constexpr int kLineBufferSize = 1000;

    SText();

    // Fonts for the game's screen mode from its interface package; font 1 becomes current. False,
    // with the fault in error, when a strip cannot be read.
    bool Init(SDisplay* display, int screenMode, SPdb* database, SReadError& error);
    // The same without a game object. False, with the fault in error, when a strip cannot be read.
    bool InitFonts(int screenMode, SPdb* database, SReadError& error);
    void SetDisplay(SDisplay* display) { m_display = display; }

    // Size 0 to 2; the colours are 0xBBGGRR. The shades are computed once per colour pair.
    void SelectFont(int size, uint32_t colour1, uint32_t colour2);
    void UpdateColours();
    // Where the line that begins at start ends; width gets the line's width, lineFeed whether an LF
    // ended it.
    int BreakLine(const char* text, int start, int maxWidth, int& width, bool wordWrap, bool& lineFeed) const;
    void Measure(const char* text, int maxWidth, int& widest, int& lines) const;
    int TextWidth(const char* text) const;
    // The text broken into lines at the width, the lines separated by CR.
    void WrapToString(const char* text, int width, SString& out) const;
    // Returns the number of lines drawn.
    int DrawText(int left, int top, int right, int bottom, const char* text, int flags);
    int DrawTextCentred(int left, int top, int right, int bottom, const char* text);

    int GlyphWidth(uint8_t c) const { return m_current->m_glyphWidth[c]; }
    int LineHeight() const { return m_current->m_height; }
    SFont& Font(int size) { return *m_fonts[size]; }
    SFont* CurrentFont() const { return m_current; }
    const SShades& Shades() const { return m_shades; }
    int ComputedPairs() const { return m_pairs.Count(); }
    int m_lineGap = 0;

private:
    struct SColourPair {
        uint32_t colour1 = 0;
        uint32_t colour2 = 0;
        SShades shades{};
    };

    int charWidth(const char* text, int index) const { return m_current->m_glyphWidth[uint8_t(text[index])] + 1; }

    std::array<std::unique_ptr<SFont>, 3> m_fonts;
    SFont* m_current = nullptr;
    uint32_t m_colour1 = 0;
    uint32_t m_colour2 = 0;
    SShades m_shades{};
    SValueArray<SColourPair> m_pairs{4};
    bool m_largeText = false;  // the screen mode draws every text in the large font
    SDisplay* m_display = nullptr;
    char m_line[kLineBufferSize] = {};
    STextBlock m_block;
};
