#include "tools/sampledata/play_screen_layout.h"

#include <vector>

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

// The six movement buttons: turn left, forward, turn right over strafe left, back, strafe right.
void addMovement(std::vector<SLayoutRow>& rows, const BandGrid& grid, int column, int row, int perButton) {
    for (int i = 0; i < 6; ++i)
        rows.push_back(::row(uint16_t(536 + i), grid.Cells(column + (i % 3) * perButton, row + i / 3, perButton, 1)));
}

}  // namespace

SLayoutMode PlayScreenLayout(uint16_t mode, int screenWidth, int screenHeight, const SLayoutRow& view) {
    SLayoutMode layout{mode, uint16_t(screenWidth), uint16_t(screenHeight), {view}};
    std::vector<SLayoutRow>& rows = layout.rows;
    const bool below = view.height < screenHeight && view.width == screenWidth;
    const Rect band = below ? Rect{0, view.height, screenWidth, screenHeight - view.height}
                            : Rect{view.width, 0, screenWidth - view.width, screenHeight};
    rows.push_back(row(534, band));
    if (below) {
        // Twelve columns by four rows: portrait and bars, the action buttons, the compass over the
        // movement buttons, the automap.
        const BandGrid grid(band, 12, 4);
        rows.push_back(row(36, grid.Cells(0, 0, 2, 4)));
        const Rect bars = grid.Cells(2, 0, 1, 4);
        rows.push_back(row(544, {bars.x, bars.y, bars.w / 2, bars.h}));
        rows.push_back(row(545, {bars.x + bars.w / 2 + 1, bars.y, bars.w / 2, bars.h}));
        for (int i = 0; i < 4; ++i) rows.push_back(row(uint16_t(i < 2 ? 542 + i : 544 + i), grid.Cells(3, i, 3, 1)));
        rows.push_back(row(549, grid.Cells(6, 0, 3, 2)));
        rows.push_back(row(548, grid.Cells(6, 0, 3, 2)));
        addMovement(rows, grid, 6, 2, 1);
        rows.push_back(row(721, grid.Cells(9, 0, 3, 4)));
        rows.push_back(row(535, grid.Cells(9, 0, 3, 4)));
    } else {
        // Six columns by twelve rows: portrait and bars, the action buttons two by two, the
        // compass, the movement buttons, the automap.
        const BandGrid grid(band, 6, 12);
        rows.push_back(row(36, grid.Cells(0, 0, 4, 2)));
        rows.push_back(row(544, grid.Cells(4, 0, 1, 2)));
        rows.push_back(row(545, grid.Cells(5, 0, 1, 2)));
        for (int i = 0; i < 4; ++i)
            rows.push_back(row(uint16_t(i < 2 ? 542 + i : 544 + i), grid.Cells((i % 2) * 3, 2 + i / 2, 3, 1)));
        rows.push_back(row(549, grid.Cells(0, 4, 6, 1)));
        rows.push_back(row(548, grid.Cells(0, 4, 6, 1)));
        addMovement(rows, grid, 0, 5, 2);
        rows.push_back(row(721, grid.Cells(0, 7, 6, 5)));
        rows.push_back(row(535, grid.Cells(0, 7, 6, 5)));
    }
    return layout;
}
