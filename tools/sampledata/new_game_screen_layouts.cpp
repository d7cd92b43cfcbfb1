#include "tools/sampledata/new_game_screen_layouts.h"

#include <algorithm>

#include "engine/files/settings.h"
#include "tools/sampledata/layout_rows.h"

namespace {

// The screen mode whose scene text stands beside the picture.
constexpr uint16_t kSideBySideMode = 16;

struct Metrics {
    int margin;
    int line;    // a line of text and the gap below it
    int row;     // a labelled row: its text and the text buttons' bars
    int button;  // the picture buttons
    int label;   // the labels' column
    int textButton;
    int portrait = 50;
};

Metrics metricsOf(uint16_t mode, int fontHeight) {
    const bool large = IsLargeScreenMode(mode);
    const int line = fontHeight + 1;
    return {large ? 10 : 4,  line, std::max(line + 4, large ? 28 : 18), large ? 36 : 24, large ? 110 : 48,
            large ? 110 : 58};
}

SLayoutMode sceneScreen(uint16_t mode, int w, int h, const Metrics& k) {
    const int m = k.margin, buttonsY = h - m - k.button;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, h)};
    const int areaH = buttonsY - 2 * m;
    // A line entering the text at its bottom edge is drawn whole, below the edge: the text's area
    // keeps a line clear of the buttons.
    const int textH = areaH - k.line, inset = kScenePanelEdge + m;
    if (mode == kSideBySideMode) {
        const int pictureW = (w - 3 * m) / 2;
        rows.push_back(ClampedRow(39, m, m, pictureW, areaH));
        rows.push_back(ClampedRow(40, 2 * m + pictureW, m, w - inset - 2 * m - pictureW, textH));
    } else {
        // The picture takes up to half the area, so that the text keeps room below it.
        const int pictureW = std::min(w - 2 * m, kScenePictureAspect * areaH * 9 / 20);
        rows.push_back(ClampedRow(39, (w - pictureW) / 2, m, pictureW, pictureW / kScenePictureAspect));
        rows.push_back(ClampedRow(40, inset, m, w - 2 * inset, textH));
    }
    const int step = k.button + m;
    const int firstX = w - m - 3 * k.button - 2 * m;
    rows.push_back(ClampedRow(42, firstX, buttonsY, k.button, k.button));
    rows.push_back(ClampedRow(41, firstX + step, buttonsY, k.button, k.button));
    rows.push_back(ClampedRow(43, firstX + 2 * step, buttonsY, k.button, k.button));
    return {mode, uint16_t(w), uint16_t(h), rows};
}

// The number of lines a text of `length` characters takes in a width, roughly: a character of the
// sample fonts is about two fifths of a line wide.
int linesFor(int length, int width, const Metrics& k) {
    const int textW = length * k.line * 2 / 5;
    return std::max(1, (textW + width - 1) / std::max(1, width));
}

// Name, gender, race and face, a row each, in a block of width `width` from (x, y); answers the
// block's bottom. A block too narrow for a column of labels puts each label above its row.
int identityBlock(std::vector<SLayoutRow>& rows, const Metrics& k, int x, int y, int width) {
    const bool labelsAbove = width < k.label + k.textButton + 3 * k.label / 2;
    const int field = labelsAbove ? x : x + k.label + k.margin, buttonX = x + width - k.textButton;
    const int textDown = (k.row - k.line) / 2;
    // The label's place; the row's own top after it.
    auto label = [&](int id, int top, int rowH) {
        if (labelsAbove) {
            rows.push_back(ClampedRow(id, x, top, width, k.line));
            return top + k.line;
        }
        rows.push_back(ClampedRow(id, x, top + (rowH - k.line) / 2, k.label, k.line));
        return top;
    };

    y = label(139, y, k.row);
    rows.push_back(ClampedRow(155, field, y, buttonX - k.margin - field, k.row));
    rows.push_back(ClampedRow(140, field + 4, y + textDown, buttonX - k.margin - field - 8, k.line));
    rows.push_back(ClampedRow(141, buttonX, y, k.textButton, k.row));
    y += k.row + k.margin;

    y = label(145, y, k.row);
    const int option = (x + width - field) / 2;
    rows.push_back(ClampedRow(146, field, y + textDown, option, k.line));
    rows.push_back(ClampedRow(147, field + option, y + textDown, x + width - field - option, k.line));
    y += k.row + k.margin;

    y = label(142, y, k.row);
    rows.push_back(ClampedRow(143, field, y + textDown, buttonX - k.margin - field, k.line));
    rows.push_back(ClampedRow(144, buttonX, y, k.textButton, k.row));
    y += k.row + k.margin;

    const int faceH = k.portrait + 8;
    y = label(148, y, faceH);
    const int buttonY = y + (faceH - k.button) / 2;
    rows.push_back(ClampedRow(153, field, buttonY, k.button, k.button));
    rows.push_back(ClampedRow(558, field + k.button + k.margin, y, faceH, faceH));
    rows.push_back(ClampedRow(149, field + k.button + k.margin + 4, y + 4, k.portrait, k.portrait));
    rows.push_back(ClampedRow(154, field + k.button + 2 * k.margin + faceH, buttonY, k.button, k.button));
    return y + faceH;
}

// The skills from (x, y) down to `bottom`: their label with the class's button, the two hints and
// the six slots, in two columns where the block is wide enough.
void skillsBlock(std::vector<SLayoutRow>& rows, const Metrics& k, int x, int y, int width, int bottom) {
    // The label keeps clear of the class's button where the block is narrow.
    const int labelW = std::min(k.label, width - k.textButton - k.margin);
    rows.push_back(ClampedRow(150, x, y + (k.row - k.line) / 2, labelW, k.line));
    rows.push_back(ClampedRow(151, x + width - k.textButton, y, k.textButton, k.row));
    y += k.row + k.margin;
    // The hints' texts on the small screen types, the longer of each.
    const int classLines = linesFor(27, width, k), slotsLines = linesFor(33, width, k);
    rows.push_back(ClampedRow(152, x, y, width, classLines * k.line));
    y += classLines * k.line;
    rows.push_back(ClampedRow(156, x, y, width, slotsLines * k.line));
    y += slotsLines * k.line + k.margin;
    rows.push_back(ClampedRow(559, x, y, width, bottom - y));
    // A skill's name takes up to a dozen characters.
    const int columns = width >= 2 * 12 * k.line * 2 / 5 + 3 * k.margin ? 2 : 1, perColumn = 6 / columns;
    const int columnW = (width - (columns + 1) * k.margin) / columns;
    const int slotH = std::min(2 * k.line, (bottom - y - 2 * k.margin) / perColumn);
    for (int i = 0; i < 6; ++i) {
        const int column = i / perColumn, place = i % perColumn;
        rows.push_back(ClampedRow(57 + i, x + k.margin + column * (columnW + k.margin), y + k.margin + place * slotH,
                                  columnW, slotH));
    }
}

void okAndCancel(std::vector<SLayoutRow>& rows, const Metrics& k, int x, int width, int y) {
    rows.push_back(ClampedRow(553, x, y - 4, width, k.button + 8));
    rows.push_back(ClampedRow(25, x + width / 2 - k.button - k.margin, y, k.button, k.button));
    rows.push_back(ClampedRow(26, x + width / 2 + k.margin, y, k.button, k.button));
}

// Tall screens stack the character over the skills above OK and cancel; the others put the
// skills beside the character, with OK and cancel under the character.
SLayoutMode creationScreen(uint16_t mode, int w, int h, const Metrics& k) {
    const int m = k.margin;
    std::vector<SLayoutRow> rows{ClampedRow(19, 0, 0, w, h)};
    rows.push_back(ClampedRow(16, m, m, w - 2 * m, k.line + 4));
    const int top = 2 * m + k.line + 4;
    const int buttonsY = h - m - k.button;
    if (h > w) {
        okAndCancel(rows, k, m, w - 2 * m, buttonsY);
        const int identityEnd = identityBlock(rows, k, 2 * m, top + m, w - 4 * m);
        rows.push_back(ClampedRow(551, m, top, w - 2 * m, identityEnd - top + m));
        const int skillsTop = identityEnd + 2 * m, bottom = buttonsY - 4 - m;
        skillsBlock(rows, k, 2 * m, skillsTop + m, w - 4 * m, bottom - m);
        rows.push_back(ClampedRow(552, m, skillsTop, w - 2 * m, bottom - skillsTop));
    } else {
        const int identityW = std::min((w - 5 * m) / 2, 2 * k.label + 2 * k.textButton + k.portrait);
        const int skillsX = identityW + 4 * m, skillsW = w - skillsX - 2 * m;
        // OK and cancel go under the character, or under the skills where the character (its
        // labels above its rows in a narrow column) reaches down to them.
        const int identityEnd = identityBlock(rows, k, 2 * m, top + m, identityW);
        const bool buttonsUnderSkills = identityEnd + m > buttonsY - 4;
        const int identityBottom = buttonsUnderSkills ? h - m : buttonsY - 4 - m;
        const int skillsBottom = buttonsUnderSkills ? buttonsY - 4 - m : h - m;
        if (buttonsUnderSkills)
            okAndCancel(rows, k, skillsX - m, skillsW + 2 * m, buttonsY);
        else
            okAndCancel(rows, k, m, identityW + 2 * m, buttonsY);
        rows.push_back(ClampedRow(551, m, top, identityW + 2 * m, identityBottom - top));
        skillsBlock(rows, k, skillsX, top + m, skillsW, skillsBottom - m);
        rows.push_back(ClampedRow(552, skillsX - m, top, skillsW + 2 * m, skillsBottom - top));
    }
    return {mode, uint16_t(w), uint16_t(h), rows};
}

}  // namespace

void AddNewGameScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height, int fontHeight) {
    const Metrics k = metricsOf(mode, fontHeight);
    LayoutDialogOf(dialogs, 7).modes.push_back(sceneScreen(mode, width, height, k));
    LayoutDialogOf(dialogs, 16).modes.push_back(creationScreen(mode, width, height, k));
}
