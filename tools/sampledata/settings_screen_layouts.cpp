#include "tools/sampledata/settings_screen_layouts.h"

#include <algorithm>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "screens/addons/state_add_worlds.h"
#include "screens/settings/state_settings.h"
#include "tools/sampledata/layout_rows.h"

namespace {

using Settings = SStateSettings;
using Worlds = SStateAddWorlds;

// What the screens are built around on a screen mode, in pixels: the heights of fonts 1 and 2 (as
// the text service picks them) and the sample pictures' sizes (as interface_art.cpp draws them).
struct Metrics {
    int line;       // a line of font 1 and the gap below it
    int titleBand;  // the title in font 2, with the close button at its right end
    int closeSize;
    int choiceSize;  // the previous and next choice buttons
    int markSize;    // the add-on worlds' row buttons
    int pageButton;
    int margin;
};

Metrics metricsOf(uint16_t mode) {
    const bool small = IsSmallScreenType(mode);
    const bool large = IsLargeScreenMode(mode);
    const int font1 = small ? 15 : mode == 11 ? 20 : 26, font2 = small ? 18 : 26;
    const int close = large ? 36 : 24;
    return {font1 + 1, std::max(font2 + 4, close), close, large ? 20 : 14, 16, large ? 36 : 24, small ? 4 : 8};
}

// A column that hands out lines from the top down.
struct Column {
    int x, y, w, line;
    int Next(int h) {
        const int top = y;
        y += h;
        return top;
    }
};

// The eleven cells of a volume bar across the area, each with a gap on its left, which the cells'
// hit boxes reach into.
void addCells(std::vector<SLayoutRow>& rows, const uint32_t (&cells)[Settings::kVolumeCells], int x, int y, int w,
              int h) {
    const int pitch = w / Settings::kVolumeCells;
    for (int i = 0; i < Settings::kVolumeCells; ++i)
        rows.push_back(ClampedRow(int(cells[i]), x + i * pitch + 2, y + 2, pitch - 2, h - 4));
}

// A label, and the bar beside it where the column leaves the cells 8 pixels each, else on the line
// below. "Sound volume:" takes about seven lines' heights across in every font.
void addVolume(std::vector<SLayoutRow>& rows, Column& c, uint32_t label,
               const uint32_t (&cells)[Settings::kVolumeCells]) {
    const bool beside = c.w - 7 * c.line >= 8 * Settings::kVolumeCells;
    const int labelW = beside ? 7 * c.line : c.w;
    const int y = c.Next(c.line);
    rows.push_back(ClampedRow(int(label), c.x, y, labelW, c.line));
    const int cellsY = beside ? y : c.Next(c.line);
    addCells(rows, cells, beside ? c.x + labelW : c.x, cellsY, beside ? c.w - labelW : c.w, c.line);
}

// A previous-choice button, the value between, and a next-choice button, from x to the column's end.
void addChoice(std::vector<SLayoutRow>& rows, const Column& c, const Metrics& k, int y, int x, uint32_t previous,
               uint32_t value, uint32_t next) {
    const int buttonY = y + (c.line - k.choiceSize) / 2, end = c.x + c.w;
    rows.push_back(ClampedRow(int(previous), x, buttonY, k.choiceSize, k.choiceSize));
    rows.push_back(ClampedRow(int(value), x + k.choiceSize, y, end - x - 2 * k.choiceSize, c.line));
    rows.push_back(ClampedRow(int(next), end - k.choiceSize, buttonY, k.choiceSize, k.choiceSize));
}

void addOrientation(std::vector<SLayoutRow>& rows, Column& c) {
    rows.push_back(ClampedRow(Settings::kOrientationLabel, c.x, c.Next(c.line), c.w, c.line));
    for (uint32_t button : Settings::kOrientationButtons)
        rows.push_back(ClampedRow(int(button), c.x + c.line, c.Next(c.line), c.w - c.line, c.line));
}

void addViewSize(std::vector<SLayoutRow>& rows, Column& c, const Metrics& k) {
    rows.push_back(ClampedRow(Settings::kViewSizeLabel, c.x, c.Next(c.line), c.w, c.line));
    addChoice(rows, c, k, c.Next(c.line), c.x + c.w / 4, Settings::kViewSizeUp, Settings::kViewSizeValue,
              Settings::kViewSizeDown);
}

void addKeyRows(std::vector<SLayoutRow>& rows, Column& c, const Metrics& k) {
    rows.push_back(ClampedRow(Settings::kKeysLabel, c.x, c.Next(c.line), c.w, c.line));
    // "Messaging (F3):" needs half the column on the narrowest; the values' widest, "strafe
    // right", fits the other half between the buttons.
    const int nameW = c.w / 2;
    for (int r = 0; r < kKeyRows; ++r) {
        const int y = c.Next(c.line);
        rows.push_back(ClampedRow(int(Settings::kRowNames[r]), c.x, y, nameW, c.line));
        addChoice(rows, c, k, y, c.x + nameW, Settings::kRowPrevious[r], Settings::kRowValues[r],
                  Settings::kRowNext[r]);
    }
}

// The title across the top with the close button at its right end; what is left of the screen
// below it, inside the margins.
Column titleBand(std::vector<SLayoutRow>& rows, const Metrics& k, int width, uint32_t title, uint32_t close) {
    rows.push_back(ClampedRow(int(title), k.margin + k.closeSize, k.margin / 2, width - 2 * (k.margin + k.closeSize),
                              k.titleBand));
    rows.push_back(ClampedRow(int(close), width - k.margin - k.closeSize, k.margin / 2, k.closeSize, k.closeSize));
    return {k.margin, k.margin / 2 + k.titleBand + 2, width - 2 * k.margin, k.line};
}

SLayoutMode settingsLayout(uint16_t mode, int width, int height) {
    const Metrics k = metricsOf(mode);
    std::vector<SLayoutRow> rows;
    Column left = titleBand(rows, k, width, Settings::kTitle, Settings::kClose);
    // Wide screens give the key rows a column of their own, five eighths of the width: the left
    // column's widest line is "Right Landscape" set in from the label.
    const bool twoColumns = width > height;
    Column right = left;
    if (twoColumns) {
        left.w = width * 3 / 8 - k.margin;
        right.x = left.x + left.w + 2 * k.margin;
        right.w = width - right.x - k.margin;
    }
    addVolume(rows, left, Settings::kSoundLabel, Settings::kSoundCells);
    addVolume(rows, left, Settings::kMusicLabel, Settings::kMusicCells);
    if (HasOrientationChoice(mode)) addOrientation(rows, left);
    // The view size's label names the orientation ("Right landscape view size:"): the left column
    // of a wide screen is too narrow for it, so it goes above the keys there.
    if (IsLargeScreenMode(mode)) addViewSize(rows, twoColumns ? right : left, k);
    addKeyRows(rows, twoColumns ? right : left, k);
    // Under the key rows on tall screens, under the left column's controls on wide ones.
    rows.push_back(ClampedRow(Settings::kDefaultKeys, left.x, left.Next(left.line), left.w, left.line));
    return {mode, uint16_t(width), uint16_t(height), rows};
}

// The description over three lines, the column headers, a line per row of a page, the page
// buttons at the bottom corners and the empty-list text in the middle of the rows' area.
SLayoutMode addWorldsLayout(uint16_t mode, int width, int height) {
    const Metrics k = metricsOf(mode);
    std::vector<SLayoutRow> rows;
    Column c = titleBand(rows, k, width, Worlds::kTitle, Worlds::kBack);
    rows.push_back(ClampedRow(Worlds::kDescription, c.x, c.Next(3 * c.line), c.w, 3 * c.line));
    const int typeX = c.x + c.w * 9 / 20, enableX = c.x + c.w * 7 / 10, deleteX = c.x + c.w * 17 / 20;
    const int headerY = c.Next(c.line);
    const int columns[4][2] = {{Worlds::kNameHeader, c.x},
                               {Worlds::kTypeHeader, typeX},
                               {Worlds::kEnableHeader, enableX},
                               {Worlds::kDeleteHeader, deleteX}};
    for (int i = 0; i < 4; ++i) {
        const int end = i < 3 ? columns[i + 1][1] : c.x + c.w;
        rows.push_back(ClampedRow(columns[i][0], columns[i][1], headerY, end - columns[i][1], c.line));
    }
    const int rowsTop = c.y, perPage = Worlds::RowsPerPage(mode);
    const int markY = (c.line - k.markSize) / 2;
    for (int r = 0; r < perPage; ++r) {
        const int y = c.Next(c.line);
        rows.push_back(ClampedRow(int(Worlds::kNames[r]), c.x, y, typeX - c.x, c.line));
        rows.push_back(ClampedRow(int(Worlds::kTypes[r]), typeX, y, enableX - typeX, c.line));
        rows.push_back(ClampedRow(int(Worlds::kEnabledMarks[r]), enableX, y + markY, k.markSize, k.markSize));
        rows.push_back(ClampedRow(int(Worlds::kDisabledMarks[r]), enableX, y + markY, k.markSize, k.markSize));
        rows.push_back(ClampedRow(int(Worlds::kDeletes[r]), deleteX, y + markY, k.markSize, k.markSize));
    }
    rows.push_back(ClampedRow(Worlds::kEmptyText, c.x, rowsTop + (c.y - rowsTop - c.line) / 2, c.w, c.line));
    const int pageY = height - k.margin - k.pageButton;
    rows.push_back(ClampedRow(Worlds::kPreviousPage, c.x, pageY, k.pageButton, k.pageButton));
    rows.push_back(ClampedRow(Worlds::kNextPage, c.x + c.w - k.pageButton, pageY, k.pageButton, k.pageButton));
    return {mode, uint16_t(width), uint16_t(height), rows};
}

}  // namespace

void AddSettingsScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height) {
    LayoutDialogOf(dialogs, uint16_t(Settings::kLayout)).modes.push_back(settingsLayout(mode, width, height));
    LayoutDialogOf(dialogs, uint16_t(Worlds::kLayout)).modes.push_back(addWorldsLayout(mode, width, height));
}
