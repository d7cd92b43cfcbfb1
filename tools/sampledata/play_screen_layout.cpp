#include "tools/sampledata/play_screen_layout.h"

#include <algorithm>
#include <vector>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "tools/sampledata/interface_art.h"

namespace {

struct Rect {
    int x, y, w, h;
};

SLayoutRow row(uint16_t id, const Rect& r) { return {id, uint16_t(r.x), uint16_t(r.y), uint16_t(r.w), uint16_t(r.h)}; }

// The band is cut into a grid of cells, columns across and rows down; a control takes a block of
// cells, inset by a pixel so that neighbours do not touch.
class BandGrid {
public:
    BandGrid(const Rect& band, int columns, int rows) : m_band(band), m_columns(columns), m_rows(rows) {}
    Rect Cells(int column, int row, int columns, int rows) const {
        const int x0 = m_band.x + m_band.w * column / m_columns,
                  x1 = m_band.x + m_band.w * (column + columns) / m_columns;
        const int y0 = m_band.y + m_band.h * row / m_rows, y1 = m_band.y + m_band.h * (row + rows) / m_rows;
        return {x0 + 1, y0 + 1, x1 - x0 - 2, y1 - y0 - 2};
    }

private:
    Rect m_band;
    int m_columns, m_rows;
};

// A text button (an action or a move): as high as the text buttons' bar (a taller one would show a
// second bar under the first), centred in its cells.
SLayoutRow textButton(uint16_t id, const Rect& cells, int barHeight) {
    const int h = std::min(barHeight, cells.h + 2);
    return row(id, {cells.x, cells.y + (cells.h - h) / 2, cells.w, h});
}

// The six movement buttons: turn left, forward, turn right over strafe left, back, strafe right.
void addMovement(std::vector<SLayoutRow>& rows, const BandGrid& grid, int column, int row, int perButton, int bar) {
    for (int i = 0; i < 6; ++i)
        rows.push_back(
            textButton(uint16_t(536 + i), grid.Cells(column + (i % 3) * perButton, row + i / 3, perButton, 1), bar));
}

// The compass in its frame, centred down its cells: the frame holds the strip as tall as it is
// drawn (the small screens leave out its top and bottom rows), so that no empty ground shows
// under it.
void addCompass(std::vector<SLayoutRow>& rows, const Rect& cells, uint16_t mode, bool large) {
    const int strip = CompassHeight(large) - (IsSmallScreenType(mode) ? 2 : 0);
    const int edge = SmallFrameBorder();
    const int h = std::min(cells.h, strip + 2 * edge);
    const Rect frame{cells.x, cells.y + (cells.h - h) / 2, cells.w, h};
    rows.push_back(row(549, frame));
    rows.push_back(row(548, {frame.x + edge, frame.y + edge, frame.w - 2 * edge, h - 2 * edge}));
}

}  // namespace

SLayoutMode PlayScreenLayout(uint16_t mode, int screenWidth, int screenHeight, const SLayoutRow& view) {
    SLayoutMode layout{mode, uint16_t(screenWidth), uint16_t(screenHeight), {view}};
    std::vector<SLayoutRow>& rows = layout.rows;
    const bool below = view.height < screenHeight && view.width == screenWidth;
    const Rect band = below ? Rect{0, view.height, screenWidth, screenHeight - view.height}
                            : Rect{view.width, 0, screenWidth - view.width, screenHeight};
    rows.push_back(row(534, band));
    const bool large = IsLargeScreenMode(mode);
    const int bar = TextButtonBarHeight(large);
    if (below) {
        // Twelve columns by four rows: portrait and bars, the action buttons, the compass over the
        // movement buttons, the automap.
        const BandGrid grid(band, 12, 4);
        rows.push_back(row(36, grid.Cells(0, 0, 2, 4)));
        const Rect bars = grid.Cells(2, 0, 1, 4);
        rows.push_back(row(544, {bars.x, bars.y, bars.w / 2, bars.h}));
        rows.push_back(row(545, {bars.x + bars.w / 2 + 1, bars.y, bars.w / 2, bars.h}));
        for (int i = 0; i < 4; ++i)
            rows.push_back(textButton(uint16_t(i < 2 ? 542 + i : 544 + i), grid.Cells(3, i, 3, 1), bar));
        addCompass(rows, grid.Cells(6, 0, 3, 2), mode, large);
        addMovement(rows, grid, 6, 2, 1, bar);
        rows.push_back(row(721, grid.Cells(9, 0, 3, 4)));
        rows.push_back(row(535, grid.Cells(9, 0, 3, 4)));
    } else {
        // Six columns by twelve rows: portrait and bars, the action buttons (two by two, or one
        // a row where the large font's "Potions" needs the band's width), the compass, the
        // movement buttons, the automap.
        const BandGrid grid(band, 6, 12);
        rows.push_back(row(36, grid.Cells(0, 0, 4, 2)));
        rows.push_back(row(544, grid.Cells(4, 0, 1, 2)));
        rows.push_back(row(545, grid.Cells(5, 0, 1, 2)));
        const int actionRows = large ? 4 : 2;
        for (int i = 0; i < 4; ++i) {
            const Rect cells = large ? grid.Cells(0, 2 + i, 6, 1) : grid.Cells((i % 2) * 3, 2 + i / 2, 3, 1);
            rows.push_back(textButton(uint16_t(i < 2 ? 542 + i : 544 + i), cells, bar));
        }
        const int compassRow = 2 + actionRows;
        addCompass(rows, grid.Cells(0, compassRow, 6, 1), mode, large);
        addMovement(rows, grid, 0, compassRow + 1, 2, bar);
        rows.push_back(row(721, grid.Cells(0, compassRow + 3, 6, 9 - compassRow)));
        rows.push_back(row(535, grid.Cells(0, compassRow + 3, 6, 9 - compassRow)));
    }
    return layout;
}
