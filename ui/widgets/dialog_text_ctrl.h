#pragma once
// SDialogTextCtrl: text in a fixed number of lines that fill from the top and then scroll up. Text
// arrives as paragraphs, word-wrapped into pending lines; drawing reveals the pending lines one at
// a time, presenting the frame and pausing between lines, so that new text types itself in. When
// more lines wait than a page holds, the reveal stops at a "..." line and the owner lets it go on
// later (shownThisRun := 0, then Draw). The message box, conversations and the message area use it.
#include <cstdint>

#include "ui/ctrl.h"
#include "ui/widgets/text_line.h"

struct SPictureEntry;

class SDialogTextCtrl : public SCtrl {
public:
    SDialogTextCtrl();

    // Always font 1: the argument is taken for the callers' argument lists. Colours are colour
    // words; the background is tiled behind the text (null: filled with the blend colour). Run
    // once the control has its rectangle: the page holds h / (font height + 1) lines. Back at the
    // top with empty lines and nothing revealed; what is pending stays, as does `instant`.
    void Setup(uint32_t font, uint32_t color0, uint32_t color1, uint32_t color2, uint32_t blendColor,
               const SPictureEntry* background);
    // Empty lines and nothing pending. The place of the next line stays, so that a control that
    // has filled once goes on receiving text at the bottom.
    void Clear();
    // Wraps the text at the width left beside the bullet and queues its lines, the first with the
    // bullet flag given. Runs of spaces, line breaks and tabs between lines make no empty lines;
    // an empty or null text adds nothing.
    void AddText(const char* text, uint32_t colorIndex, uint32_t bullet);
    // Keeps the bottom line of a page free and adds n blank lines, then draws.
    void AddBlankLines(int n);
    // The number of lines the pending text takes wrapped at the width, and the widest of them as
    // drawn (the bullet indent included).
    int MeasurePending(int width, int& maxWidth);
    void ScrollUp();
    bool HasPending() const { return m_pending.Count() > 0; }
    // The reveal: see the header comment. While a page is stopped at "...", only repaints.
    void Draw() override;
    // Paints the shown lines as they are.
    void DrawLines();

    uint32_t m_visibleLines = 0;
    STextLineArray m_shown{4};
    STextLineArray m_pending{4};
    uint32_t m_shownThisRun = 0;  // 0: idle; else lines revealed since the page began
    uint32_t m_reserved = 0;      // lines kept free at the bottom of a page
    uint32_t m_instant = 0;       // 1 reveals without pauses and presents nothing in between
    uint32_t m_keepGoing = 0;     // 1 puts "..." below the last line instead of scrolling first
    uint32_t m_next = 0;          // where in m_shown the next line goes
    uint32_t m_bulletWidth = 0;
    uint32_t m_font = 1;
    uint32_t m_bgOn = 1;
    uint32_t m_centered = 0;  // 1 centres every line and draws no bullets
    uint32_t m_colors[3] = {};
    uint32_t m_blendColor = 0;
    uint32_t m_fontHeight = 0;
    const SPictureEntry* m_background = nullptr;

private:
    // Selects font 1 in the first colour and takes the font's height and the bullet's width.
    void useFont();
    const char* bullet() const;
    void resetShown();
    // The end of a reveal that showed every pending line.
    void finishReveal();
    // The page is full and lines still wait.
    void stopAtEllipsis();
};
