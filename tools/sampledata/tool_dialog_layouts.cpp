#include "tools/sampledata/tool_dialog_layouts.h"

#include <algorithm>

#include "engine/files/settings.h"
#include "tools/sampledata/layout_rows.h"

namespace {

// What the dialogs are built around on a screen mode, in pixels: the sample pictures' sizes (as
// interface_art.cpp draws them), the item cell SItemCtrl draws and the height of a line of text.
struct Metrics {
    int margin;
    int line;
    int button;  // the picture buttons, the step arrows among them
    int cellW, cellH;
    int arrowW = 20, arrowH = 12;  // the list's page buttons, on every screen
};

constexpr Metrics kSmall{4, 15, 24, 40, 40};
constexpr Metrics kLarge{8, 26, 36, 60, 56};

SLayoutRow row(int id, int x, int y, int w, int h) { return ClampedRow(id, x, y, w, h); }

// A list with its page buttons at its right edge, top and bottom.
void addPagedList(std::vector<SLayoutRow>& rows, const Metrics& k, int listId, int x, int y, int w, int h) {
    rows.push_back(row(listId, x, y, w - k.arrowW - k.margin / 2, h));
    rows.push_back(row(33, x + w - k.arrowW, y, k.arrowW, k.arrowH));
    rows.push_back(row(34, x + w - k.arrowW, y + h - k.arrowH, k.arrowW, k.arrowH));
}

// The button on the left and the one on the right of the bottom edge.
void addBottomButtons(std::vector<SLayoutRow>& rows, const Metrics& k, int left, int right, int w, int h) {
    rows.push_back(row(left, k.margin, h - k.margin - k.button, k.button, k.button));
    rows.push_back(row(right, w - k.margin - k.button, h - k.margin - k.button, k.button, k.button));
}

// How tall a tool's name over its condition stands: the large screens keep two lines for the name.
int toolTextHeight(const Metrics& k, bool large) { return std::max(k.cellH, (large ? 3 : 2) * k.line + 6); }

// A tool row: previous, the item, next, then its name and condition in a text that tall.
int addToolRow(std::vector<SLayoutRow>& rows, const Metrics& k, int ids[4], int x, int y, int w, int textH) {
    const int arrowY = y + (k.cellH - k.button) / 2;
    int cursor = x;
    rows.push_back(row(ids[0], cursor, arrowY, k.button, k.button));
    cursor += k.button + k.margin / 2;
    rows.push_back(row(ids[1], cursor, y, k.cellW, k.cellH));
    cursor += k.cellW + k.margin / 2;
    rows.push_back(row(ids[2], cursor, arrowY, k.button, k.button));
    cursor += k.button + k.margin;
    rows.push_back(row(ids[3], cursor, y, x + w - cursor, textH));
    return textH;
}

// The gold in a small frame at the top right beside the title, the prompt below them, the list of
// prices, Repair and Close.
SLayoutMode repairShop(uint16_t mode, const Metrics& k, int screenW, int screenH, bool large) {
    const int w = std::min(screenW - 8, large ? 420 : 228), h = std::min(screenH - 8, large ? 380 : 230);
    const int m = k.margin, goldW = large ? 150 : 92, goldH = 2 * k.line + 10, goldX = w - m - goldW;
    std::vector<SLayoutRow> rows{row(19, 0, 0, w, h),
                                 row(23, m, m + (goldH - k.line - 6) / 2, goldX - 2 * m, k.line + 6)};
    rows.push_back(row(294, goldX, m, goldW, goldH));
    rows.push_back(row(22, goldX + 4, m + 4, goldW - 8, goldH - 8));
    const int promptY = m + goldH + m / 2;
    rows.push_back(row(32, m, promptY, w - 2 * m, k.line + 2));
    const int listY = promptY + k.line + 2 + m / 2;
    addPagedList(rows, k, 24, m, listY, w - 2 * m, h - listY - k.button - 2 * m);
    addBottomButtons(rows, k, 25, 26, w, h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The title, the hammer prompt and the hammer, the item prompt, the list of conditions, Repair and
// Close.
SLayoutMode selfRepair(uint16_t mode, const Metrics& k, int screenW, int screenH, bool large) {
    const int w = std::min(screenW - 8, large ? 440 : 232), h = std::min(screenH - 8, large ? 520 : 300);
    const int m = k.margin, titleH = k.line + 6;
    std::vector<SLayoutRow> rows{row(19, 0, 0, w, h), row(23, m, m, w - 2 * m, titleH)};
    const int promptY = m + titleH + m / 2;
    rows.push_back(row(31, m, promptY, w - 2 * m, k.line + 2));
    int ids[4] = {29, 27, 30, 28};
    const int toolY = promptY + k.line + 2 + m / 2;
    const int toolH = addToolRow(rows, k, ids, m, toolY, w - 2 * m, toolTextHeight(k, large));
    const int itemsY = toolY + toolH + m;
    rows.push_back(row(32, m, itemsY, w - 2 * m, k.line + 2));
    const int listY = itemsY + k.line + 2 + m / 2;
    addPagedList(rows, k, 24, m, listY, w - 2 * m, h - listY - k.button - 2 * m);
    addBottomButtons(rows, k, 25, 26, w, h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// Over the 3-D view: the title, the pick, the chance, Try and Close.
SLayoutMode lockpick(uint16_t mode, const Metrics& k, const SLayoutRow& view, bool large) {
    const int m = k.margin, titleH = k.line + 6, toolH = toolTextHeight(k, large);
    const int w = std::min(int(view.width) - 8, large ? 380 : 232);
    const int h = std::min(int(view.height) - 8, 3 * m + titleH + toolH + k.line + 4 + k.button + 2 * m);
    std::vector<SLayoutRow> rows{row(19, 0, 0, w, h), row(16, m, m, w - 2 * m, titleH)};
    int ids[4] = {101, 100, 102, 105};
    const int toolY = m + titleH + m;
    addToolRow(rows, k, ids, m, toolY, w - 2 * m, toolH);
    rows.push_back(row(106, m, toolY + toolH + m / 2, w - 2 * m, k.line + 4));
    addBottomButtons(rows, k, 103, 104, w, h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// A framed step: its frame from (x, y), the step's text at its top; answers the first row below
// the text.
int addStep(std::vector<SLayoutRow>& rows, const Metrics& k, int frameId, int textId, int x, int y, int w, int h) {
    rows.push_back(row(frameId, x, y, w, h));
    rows.push_back(row(textId, x + 3, y + 2, w - 6, k.line + 1));
    return y + 3 + k.line + 1;
}

// The whole screen: the title; step 1 with the mortar; step 2 with the three ingredient slots; step
// 3 with the potion list beside Create and Close. Wide and square screens put step 3 beside the
// first two.
SLayoutMode alchemy(uint16_t mode, const Metrics& k, int screenW, int screenH, bool large) {
    // Tight: on the low screens the title, the mortar and the three slots must share 240 pixels.
    const int m = k.margin, titleH = k.line + 4, inner = 4;
    std::vector<SLayoutRow> rows{row(19, 0, 0, screenW, screenH), row(476, m, m / 2, screenW - 2 * m, titleH)};
    const bool wide = screenW >= screenH;
    const int leftW = wide ? screenW * 3 / 5 - m : screenW - 2 * m;
    const int toolH = toolTextHeight(k, large);
    const int stepTextH = 3 + k.line + 1;

    const int step1Y = m / 2 + titleH, step1H = stepTextH + toolH + inner;
    int ids[4] = {478, 475, 479, 477};
    addToolRow(rows, k, ids, m + inner, addStep(rows, k, 497, 492, m, step1Y, leftW, step1H), leftW - 2 * inner, toolH);

    // The large screens have room for a second line of an ingredient's effects, where the three
    // slots still end on the screen (above step 3 on a tall one).
    const int step2Y = step1Y + step1H + m / 2;
    const int slotsRoom = (wide ? screenH - m : screenH * 3 / 4) - step2Y - stepTextH - 2 - inner;
    const int slotH = large ? std::max(std::min(4 * k.line + 6, slotsRoom / 3 - 1), toolH) : toolH;
    const int step2H = stepTextH + 3 * slotH + 2 + inner;
    int slotY = addStep(rows, k, 496, 493, m, step2Y, leftW, step2H);
    for (int s = 0; s < 3; ++s, slotY += slotH + 1) {
        int slotIds[4] = {482 + 4 * s, 480 + 4 * s, 483 + 4 * s, 481 + 4 * s};
        addToolRow(rows, k, slotIds, m + inner, slotY, leftW - 2 * inner, slotH);
    }

    const int step3X = wide ? m + leftW + m : m, step3Y = wide ? step1Y : step2Y + step2H + m / 2;
    const int step3W = wide ? screenW - step3X - m : leftW, step3H = screenH - m - step3Y;
    const int listY = addStep(rows, k, 495, 494, step3X, step3Y, step3W, step3H);
    const int buttonsX = step3X + step3W - inner - 2 * k.button - m / 2, buttonY = step3Y + step3H - inner - k.button;
    rows.push_back(row(226, step3X + inner, listY, buttonsX - m - step3X - inner, step3Y + step3H - inner - listY));
    rows.push_back(row(25, buttonsX, buttonY, k.button, k.button));
    rows.push_back(row(26, buttonsX + k.button + m / 2, buttonY, k.button, k.button));
    return {mode, uint16_t(screenW), uint16_t(screenH), rows};
}

// The whole screen: the page picture inside the frame with the text on it, the arrows at the
// bottom corners of the page and Close between them. A letter's parchment is narrower than a book.
SLayoutMode reading(uint16_t mode, const Metrics& k, int screenW, int screenH, bool letter) {
    const int m = k.margin, inset = letter ? screenW / 10 : m + 2;
    const int pageX = inset, pageY = m + 2, pageW = screenW - 2 * inset;
    const int buttonY = screenH - m - 2 - k.button, pageH = buttonY - m - pageY;
    return {mode,
            uint16_t(screenW),
            uint16_t(screenH),
            {row(19, 0, 0, screenW, screenH), row(302, pageX, pageY, pageW, pageH),
             row(40, pageX + m, pageY + m, pageW - 2 * m, pageH - 2 * m), row(303, pageX, buttonY, k.button, k.button),
             row(304, pageX + pageW - k.button, buttonY, k.button, k.button),
             row(25, (screenW - k.button) / 2, buttonY, k.button, k.button)}};
}

}  // namespace

void AddToolDialogModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int screenWidth, int screenHeight,
                        const SLayoutRow& view) {
    const bool large = IsLargeScreenMode(mode);
    const Metrics& k = large ? kLarge : kSmall;
    LayoutDialogOf(dialogs, 29).modes.push_back(repairShop(mode, k, screenWidth, screenHeight, large));
    LayoutDialogOf(dialogs, 5).modes.push_back(selfRepair(mode, k, screenWidth, screenHeight, large));
    LayoutDialogOf(dialogs, 12).modes.push_back(lockpick(mode, k, view, large));
    LayoutDialogOf(dialogs, 38).modes.push_back(alchemy(mode, k, screenWidth, screenHeight, large));
    LayoutDialogOf(dialogs, 31).modes.push_back(reading(mode, k, screenWidth, screenHeight, false));
    LayoutDialogOf(dialogs, 32).modes.push_back(reading(mode, k, screenWidth, screenHeight, true));
}
