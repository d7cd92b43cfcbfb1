#include "tools/sampledata/play_dialog_layouts.h"

#include <algorithm>

#include "engine/files/settings.h"
#include "tools/sampledata/layout_rows.h"

namespace {

// What the dialogs are built around on a screen mode, in pixels: the sample pictures' sizes (as
// interface_art.cpp draws them) and the height of a line of text.
struct Metrics {
    int margin;
    int line;
    int button;
    int tabW, tabH;
    int fire;
    int shipW, shipH;
    int arrowW = 20, arrowH = 12;  // the interface's arrow buttons, on every screen
};

constexpr Metrics kSmall{6, 15, 24, 24, 18, 40, 100, 60};
constexpr Metrics kLarge{10, 26, 36, 36, 28, 60, 200, 120};

SLayoutMode modeBlock(uint16_t mode, int w, int h, std::vector<SLayoutRow> rows) {
    return {mode, uint16_t(w), uint16_t(h), std::move(rows)};
}

// A list with its page buttons at its right edge, top and bottom.
void addPagedList(std::vector<SLayoutRow>& rows, const Metrics& k, int listId, int upId, int downId, int x, int y,
                  int w, int h) {
    const int listW = w - k.arrowW - k.margin / 2;
    rows.push_back(ClampedRow(listId, x, y, listW, h));
    rows.push_back(ClampedRow(upId, x + w - k.arrowW, y, k.arrowW, k.arrowH));
    rows.push_back(ClampedRow(downId, x + w - k.arrowW, y + h - k.arrowH, k.arrowW, k.arrowH));
}

// Tabs across the top, the tab's message below them, the list, Cast and Close at the bottom.
SLayoutMode spellBook(uint16_t mode, const Metrics& k, const SLayoutRow& view, bool large) {
    const int w = std::min(int(view.width) - 4, large ? 420 : 228);
    const int h = std::min(int(view.height) - 4, large ? 380 : 210);
    const int m = k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(207, 0, 0, w, h)};
    const int gap = (w - 2 * m - 7 * k.tabW) / 6;
    for (int i = 0; i < 7; ++i) rows.push_back(ClampedRow(208 + i, m + i * (k.tabW + gap), m, k.tabW, k.tabH));
    const int messageY = m + k.tabH + m / 2;
    rows.push_back(ClampedRow(220, m, messageY, w - 2 * m, 2 * k.line));
    const int listY = messageY + 2 * k.line + m / 2;
    addPagedList(rows, k, 215, 216, 217, m, listY, w - 2 * m, h - listY - k.button - m - m / 2);
    rows.push_back(ClampedRow(218, m, h - m - k.button, k.button, k.button));
    rows.push_back(ClampedRow(219, w - m - k.button, h - m - k.button, k.button, k.button));
    return modeBlock(mode, w, h, rows);
}

// The prompt, the list, Drink and Close at the bottom.
SLayoutMode potions(uint16_t mode, const Metrics& k, const SLayoutRow& view, bool large) {
    const int w = std::min(int(view.width), large ? 400 : 200);
    const int h = std::min(int(view.height), large ? 300 : 160);
    const int m = k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(221, 0, 0, w, h), ClampedRow(16, m, m, w - 2 * m, k.line)};
    const int listY = m + k.line + m / 2;
    addPagedList(rows, k, 226, 222, 223, m, listY, w - 2 * m, h - listY - k.button - m - m / 2);
    rows.push_back(ClampedRow(224, m, h - m - k.button, k.button, k.button));
    rows.push_back(ClampedRow(225, w - m - k.button, h - m - k.button, k.button, k.button));
    return modeBlock(mode, w, h, rows);
}

// A box in the middle of the screen, as large as the scene wants and the screen allows.
SLayoutRow sceneBox(int id, int screenW, int screenH, int wantW, int wantH, const Metrics& k) {
    const int w = std::min(screenW - 4 * k.margin, wantW), h = std::min(screenH - 4 * k.margin, wantH);
    return ClampedRow(id, (screenW - w) / 2, (screenH - h) / 2, w, h);
}

// The fire, "Resting...", the counter and its unit, the report and Continue, in a box on the screen.
SLayoutMode rest(uint16_t mode, const Metrics& k, int screenW, int screenH, bool large) {
    const SLayoutRow box = sceneBox(6, screenW, screenH, large ? 400 : 200, large ? 380 : 240, k);
    const int m = k.margin, left = box.x + m, inner = box.width - 2 * m, centre = box.x + box.width / 2;
    const int fireY = box.y + 2 * m, titleY = fireY + k.fire + m / 2, countY = titleY + k.line + 4;
    const int reportY = countY + k.line + 4 + m / 2, buttonY = box.y + box.height - m - k.button;
    const int counterW = 2 * k.line;
    return modeBlock(mode, screenW, screenH,
                     {ClampedRow(19, 0, 0, screenW, screenH), box,
                      ClampedRow(1, centre - k.fire / 2, fireY, k.fire, k.fire),
                      ClampedRow(2, left, titleY, inner, k.line + 4),
                      ClampedRow(3, centre - counterW - 2, countY, counterW, k.line + 4),
                      ClampedRow(4, centre + 2, countY, box.width / 2 - m, k.line + 4),
                      ClampedRow(7, left, reportY, inner, buttonY - reportY - m / 2),
                      ClampedRow(5, centre - k.button / 2, buttonY, k.button, k.button)});
}

// The framed ship, the voyage's text and OK, in a box on the screen.
SLayoutMode shipTravel(uint16_t mode, const Metrics& k, int screenW, int screenH, bool large) {
    const SLayoutRow box = sceneBox(229, screenW, screenH, large ? 420 : 210, large ? 380 : 220, k);
    const int m = k.margin, frame = 8;
    const int shipY = box.y + m + frame, textY = shipY + k.shipH + frame + m;
    const int buttonY = box.y + box.height - m - k.button;
    return modeBlock(mode, screenW, screenH,
                     {ClampedRow(19, 0, 0, screenW, screenH), box,
                      ClampedRow(228, box.x + (box.width - k.button) / 2, buttonY, k.button, k.button),
                      ClampedRow(227, box.x + (box.width - k.shipW) / 2, shipY, k.shipW, k.shipH),
                      ClampedRow(230, box.x + m, textY, box.width - 2 * m, buttonY - textY - m / 2)});
}

// The title, the slots with page buttons, OK and Cancel, on the parchment.
SLayoutMode markRecall(uint16_t mode, const Metrics& k, const SLayoutRow& view, bool large) {
    const int w = std::min(int(view.width) - 8, large ? 400 : 200);
    const int h = std::min(int(view.height) - 8, large ? 320 : 170);
    const int m = k.margin, titleH = k.line + 6;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, h), ClampedRow(16, m, m, w - 2 * m, titleH)};
    const int listY = m + titleH + m / 2;
    addPagedList(rows, k, 233, 234, 235, m, listY, w - 2 * m, h - listY - k.button - m - m / 2);
    rows.push_back(ClampedRow(231, w / 2 - k.button - m, h - m - k.button, k.button, k.button));
    rows.push_back(ClampedRow(232, w / 2 + m, h - m - k.button, k.button, k.button));
    return modeBlock(mode, w, h, rows);
}

}  // namespace

void AddPlayDialogModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int screenWidth, int screenHeight,
                        const SLayoutRow& view) {
    const bool large = IsLargeScreenMode(mode);
    const Metrics& k = large ? kLarge : kSmall;
    LayoutDialogOf(dialogs, 1).modes.push_back(rest(mode, k, screenWidth, screenHeight, large));
    LayoutDialogOf(dialogs, 19).modes.push_back(spellBook(mode, k, view, large));
    LayoutDialogOf(dialogs, 20).modes.push_back(potions(mode, k, view, large));
    LayoutDialogOf(dialogs, 21).modes.push_back(shipTravel(mode, k, screenWidth, screenHeight, large));
    LayoutDialogOf(dialogs, 22).modes.push_back(markRecall(mode, k, view, large));
}
