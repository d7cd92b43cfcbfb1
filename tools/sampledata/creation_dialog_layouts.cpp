#include "tools/sampledata/creation_dialog_layouts.h"

#include <algorithm>

#include "engine/files/settings.h"
#include "tools/sampledata/layout_rows.h"

namespace {

// What the dialogs are built around on a screen mode, in pixels: the sample pictures' sizes (as
// interface_art.cpp draws them) and the height of a line of text.
struct Metrics {
    int margin;
    int line;    // a line of font 1 and the gap below it
    int button;  // OK, Cancel and the page buttons
    int keyH;    // the keyboard's key bars
    int screenW, screenH;
    int portrait = 50;
};

Metrics metricsOf(uint16_t mode, int screenW, int screenH, int fontHeight) {
    const bool large = IsLargeScreenMode(mode);
    return {large ? 10 : 6, fontHeight + 1, large ? 36 : 24, large ? 28 : 18, screenW, screenH};
}

// As wide as the content wants, never wider than the screen with a little room around it.
int widthFor(const Metrics& k, int smallWant, int largeWant) {
    return std::min(k.screenW - 8, k.button > 24 ? largeWant : smallWant);
}

// OK (or Train) and Cancel (or Close) side by side in the middle at that height.
void addButtonPair(std::vector<SLayoutRow>& rows, const Metrics& k, int w, int y, int okId, int cancelId) {
    rows.push_back(ClampedRow(okId, w / 2 - k.button - k.margin, y, k.button, k.button));
    rows.push_back(ClampedRow(cancelId, w / 2 + k.margin, y, k.button, k.button));
}

// The field with the shift indicator beside it, the keyboard in five rows (digits; q to p and
// backspace; a to l; z to m and shift; space), OK and Cancel.
SLayoutMode keyboard(uint16_t mode, const Metrics& k) {
    const int w = widthFor(k, 232, 440), m = k.margin, pad = 4;
    const int indicatorW = k.line + 4, fieldH = k.line + 8;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, 0)};
    rows.push_back(ClampedRow(199, m, m, w - 2 * m - indicatorW - 4, fieldH));
    rows.push_back(ClampedRow(40, m + 4, m + 4, w - 2 * m - indicatorW - 12, fieldH - 8));
    rows.push_back(ClampedRow(196, w - m - indicatorW, m, indicatorW, fieldH));
    const int top = m + fieldH + m / 2, keyW = (w - 2 * m - 2 * pad) / 11, pitch = k.keyH + 2;
    const int height = 5 * pitch + 2 * pad;
    rows.push_back(ClampedRow(197, m, top, w - 2 * m, height));
    rows.push_back(ClampedRow(198, m, top, w - 2 * m, height - 2));
    const int left = m + pad, keyTop = top + pad;
    auto key = [&](int id, int column2, int line, int span) {
        // Columns in half keys, so that the second and third letter rows sit between the first's.
        rows.push_back(ClampedRow(id, left + column2 * keyW / 2, keyTop + line * pitch, span * keyW - 2, k.keyH));
    };
    for (int i = 0; i < 10; ++i) key(183 + i, 2 * i, 0, 1);
    for (int i = 0; i < 10; ++i) key(157 + i, 2 * i, 1, 1);
    key(195, 20, 1, 1);
    for (int i = 0; i < 9; ++i) key(167 + i, 2 * i + 1, 2, 1);
    for (int i = 0; i < 7; ++i) key(176 + i, 2 * i + 2, 3, 1);
    key(194, 16, 3, 2);
    key(193, 6, 4, 5);
    const int buttonsY = top + height + m / 2;
    addButtonPair(rows, k, w, buttonsY, 25, 26);
    const int h = buttonsY + k.button + m;
    rows[0].height = uint16_t(h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The title, the twenty skills in two columns, the description beside OK and Cancel. Screens
// under 300 pixels high give the description one line and the dialog narrower margins.
SLayoutMode skillChoice(uint16_t mode, const Metrics& k) {
    const bool shortScreen = k.screenH < 300;
    const int w = widthFor(k, 232, 460), m = shortScreen ? 4 : k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, 0), ClampedRow(16, m, m, w - 2 * m, k.line + 2)};
    const int listY = m + k.line + 4, listH = 10 * k.line + 8, columnW = (w - 2 * m - 8) / 2;
    rows.push_back(ClampedRow(83, m, listY, w - 2 * m, listH));
    for (int i = 0; i < 20; ++i)
        rows.push_back(
            ClampedRow(63 + i, m + 4 + (i / 10) * columnW, listY + 4 + (i % 10) * k.line, columnW - 4, k.line));
    const int textY = listY + listH + 2, textW = w - 3 * m - 2 * k.button - m / 2;
    const int descriptionH = (shortScreen ? 1 : 2) * k.line;
    rows.push_back(ClampedRow(85, m, textY, textW, k.line));
    rows.push_back(ClampedRow(84, m, textY + k.line, textW, descriptionH));
    rows.push_back(ClampedRow(25, w - m - 2 * k.button - m / 2, textY, k.button, k.button));
    rows.push_back(ClampedRow(26, w - m - k.button, textY, k.button, k.button));
    const int h = textY + std::max(k.line + descriptionH, k.button) + m;
    rows[0].height = uint16_t(h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The title, the classes on the left, the primary skills in a frame on the right, OK and Cancel.
SLayoutMode classChoice(uint16_t mode, const Metrics& k) {
    const int w = widthFor(k, 232, 440), m = k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, 0), ClampedRow(16, m, m, w - 2 * m, k.line + 2)};
    const int top = m + k.line + 2 + m / 2, listW = (w - 3 * m) * 2 / 5, skillsX = 2 * m + listW;
    const int skillsW = w - m - skillsX, skillsH = 7 * k.line + 8;
    rows.push_back(ClampedRow(55, m, top, listW, 6 * k.line + 8));
    rows.push_back(ClampedRow(54, skillsX, top, skillsW, skillsH));
    rows.push_back(ClampedRow(53, m + 4, top + 4, listW - 8, 6 * k.line));
    rows.push_back(ClampedRow(56, skillsX + 4, top + 4, skillsW - 8, k.line));
    for (int i = 0; i < 6; ++i)
        rows.push_back(ClampedRow(57 + i, skillsX + 4, top + 4 + (i + 1) * k.line, skillsW - 8, k.line));
    const int buttonsY = top + skillsH + m / 2;
    addButtonPair(rows, k, w, buttonsY, 25, 26);
    const int h = buttonsY + k.button + m;
    rows[0].height = uint16_t(h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The title, the races on the left with the picture and the name beside them, the ability's two
// columns in a frame across the dialog, OK and Cancel.
SLayoutMode raceChoice(uint16_t mode, const Metrics& k) {
    const int w = widthFor(k, 232, 440), m = k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, 0), ClampedRow(16, m, m, w - 2 * m, k.line + 2)};
    const int top = m + k.line + 2 + m / 2, listW = (w - 3 * m) * 2 / 5, listH = 5 * k.line + 8;
    rows.push_back(ClampedRow(205, m, top, listW, listH));
    const int abilityY = top + std::max(listH, k.portrait) + m / 2, abilityH = 4 * k.line + 8;
    rows.push_back(ClampedRow(201, m, abilityY, w - 2 * m, abilityH));
    rows.push_back(ClampedRow(200, m + 4, top + 4, listW - 8, 5 * k.line));
    const int pictureX = 2 * m + listW, nameX = pictureX + k.portrait + m;
    rows.push_back(ClampedRow(202, pictureX, top, k.portrait, k.portrait));
    rows.push_back(ClampedRow(203, nameX, top, w - m - nameX, k.line));
    const int columnW = (w - 2 * m - 8) / 2;
    rows.push_back(ClampedRow(204, m + 4, abilityY + 4, columnW, 4 * k.line));
    rows.push_back(ClampedRow(206, m + 4 + columnW, abilityY + 4, columnW, 4 * k.line));
    const int buttonsY = abilityY + abilityH + m / 2;
    addButtonPair(rows, k, w, buttonsY, 25, 26);
    const int h = buttonsY + k.button + m;
    rows[0].height = uint16_t(h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The title, the portrait between the step buttons, OK and Cancel.
SLayoutMode faceSelect(uint16_t mode, const Metrics& k) {
    const int w = widthFor(k, 180, 300), m = k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, 0), ClampedRow(35, m, m, w - 2 * m, k.line + 4)};
    const int faceY = m + k.line + 4 + m / 2, stepY = faceY + (k.portrait - k.button) / 2;
    rows.push_back(ClampedRow(36, (w - k.portrait) / 2, faceY, k.portrait, k.portrait));
    rows.push_back(ClampedRow(37, m, stepY, k.button, k.button));
    rows.push_back(ClampedRow(38, w - m - k.button, stepY, k.button, k.button));
    const int buttonsY = faceY + k.portrait + m / 2;
    addButtonPair(rows, k, w, buttonsY, 25, 26);
    const int h = buttonsY + k.button + m;
    rows[0].height = uint16_t(h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The title over two lines, the level, the price or refusal over two lines, the gold, Train and
// Close.
SLayoutMode training(uint16_t mode, const Metrics& k) {
    const int w = widthFor(k, 232, 440), m = k.margin, inner = w - 2 * m;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, 0), ClampedRow(16, m, m, inner, 2 * k.line + 4)};
    const int levelY = m + 2 * k.line + 4 + m / 2, statusY = levelY + k.line + 2, goldY = statusY + 2 * k.line + 2;
    rows.push_back(ClampedRow(20, m, levelY, inner, k.line));
    rows.push_back(ClampedRow(21, m, statusY, inner, 2 * k.line));
    rows.push_back(ClampedRow(22, m, goldY, inner, k.line));
    const int buttonsY = goldY + k.line + m / 2;
    addButtonPair(rows, k, w, buttonsY, 17, 18);
    const int h = buttonsY + k.button + m;
    rows[0].height = uint16_t(h);
    return {mode, uint16_t(w), uint16_t(h), rows};
}

}  // namespace

void AddCreationDialogModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int screenWidth, int screenHeight,
                            int fontHeight) {
    const Metrics k = metricsOf(mode, screenWidth, screenHeight, fontHeight);
    LayoutDialogOf(dialogs, 17).modes.push_back(keyboard(mode, k));
    LayoutDialogOf(dialogs, 10).modes.push_back(skillChoice(mode, k));
    LayoutDialogOf(dialogs, 9).modes.push_back(classChoice(mode, k));
    LayoutDialogOf(dialogs, 18).modes.push_back(raceChoice(mode, k));
    LayoutDialogOf(dialogs, 6).modes.push_back(faceSelect(mode, k));
    LayoutDialogOf(dialogs, 4).modes.push_back(training(mode, k));
}
