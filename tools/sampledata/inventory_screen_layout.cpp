#include "tools/sampledata/inventory_screen_layout.h"

#include <algorithm>

#include "engine/files/settings.h"
#include "screens/inventory/item_grid_geometry.h"
#include "screens/inventory/state_inventory.h"
#include "tools/sampledata/character_screen_layout.h"
#include "tools/sampledata/journal_screen_layout.h"
#include "tools/sampledata/layout_rows.h"
#include "ui/widgets/player_equip_ctrl.h"

namespace {

using Inv = SStateInventory;

struct Size {
    int w, h;
};

// The sizes the sample pictures are drawn at (inventory_art.cpp, interface_art.cpp) and the text
// the status holds on the mode.
struct Metrics {
    int margin;
    Size pageTab, categoryTab, wideButton, squareButton, textArrow, doll, grid, status;
};

Size dollSize(uint16_t mode) {
    const int slot = DollSlotSize(mode);
    Size size{0, 0};
    for (uint32_t s = 1; s < SPlayerEquipCtrl::kSlots; ++s) {
        const SDollSlot place = DollSlotPlace(mode, s);
        size.w = std::max(size.w, place.x + slot);
        size.h = std::max(size.h, place.y + slot);
    }
    return size;
}

// The grid's cells with the separators between them and on the sides its flags frame.
Size gridSize(uint16_t mode) {
    const SItemGridGeometry grid = ItemGridGeometry(mode);
    const bool large = IsLargeScreenMode(mode);
    const int thickness = grid.pictureSet == 1 ? 3 : grid.pictureSet == 2 ? (large ? 14 : 9) : 4;
    const int sidesX = ((grid.frameFlags & 2) ? 1 : 0) + ((grid.frameFlags & 8) ? 1 : 0);
    const int sidesY = ((grid.frameFlags & 1) ? 1 : 0) + ((grid.frameFlags & 4) ? 1 : 0);
    const int columns = int(grid.columns), rows = int(grid.rows);
    return {columns * int(grid.cellW) + (columns - 1 + sidesX) * thickness,
            rows * int(grid.cellH) + (rows - 1 + sidesY) * thickness};
}

// The status has two lines on the narrow small screens, else a narrow column of five or six.
Size statusSize(uint16_t mode, int line) {
    switch (mode) {
        case 2:
        case 3:
        case 5:
        case 7:
        case 8: return {line * 7, 2 * line + 4};
        case 16: return {line * 3, 6 * line + 4};
        default: return {line * 3, 5 * line + 4};
    }
}

Metrics metricsOf(uint16_t mode, int fontHeight) {
    const bool large = IsLargeScreenMode(mode);
    const int line = fontHeight + 1;
    if (large)
        return {4,
                {84, 30},
                {50, 28},
                {60, 36},
                {36, 36},
                {20, 12},
                dollSize(mode),
                gridSize(mode),
                statusSize(mode, line)};
    return {
        2, {40, 18}, {26, 18}, {32, 20}, {24, 24}, {20, 12}, dollSize(mode), gridSize(mode), statusSize(mode, line)};
}

// Places controls left to right in an area, starting a new row where the next would not fit.
struct Flow {
    std::vector<SLayoutRow>& rows;
    int left, width, gap;
    int x, y, rowH = 0;

    Flow(std::vector<SLayoutRow>& out, int areaX, int areaY, int areaW, int margin)
        : rows(out), left(areaX), width(areaW), gap(margin), x(areaX), y(areaY) {}
    void Place(uint32_t id, Size size) {
        if (x > left && x + size.w > left + width) NewRow();
        rows.push_back(ClampedRow(int(id), x, y, size.w, size.h));
        x += size.w + gap;
        rowH = std::max(rowH, size.h);
    }
    void NewRow() {
        if (rowH == 0) return;
        y += rowH + gap;
        x = left;
        rowH = 0;
    }
};

// The page tabs, and the main-menu and close buttons at the right end.
int addTopBand(std::vector<SLayoutRow>& rows, const Metrics& k, int x, int y, int w) {
    const int closeX = x + w - k.squareButton.w, menuX = closeX - k.margin - k.wideButton.w;
    rows.push_back(ClampedRow(Inv::kClose, closeX, y, k.squareButton.w, k.squareButton.h));
    rows.push_back(ClampedRow(Inv::kMainMenu, menuX, y, k.wideButton.w, k.wideButton.h));
    Flow tabs(rows, x, y, menuX - k.margin - x, 1);
    for (uint32_t tab : Inv::kPageTabs) tabs.Place(tab, k.pageTab);
    tabs.NewRow();
    return std::max({tabs.y, y + k.squareButton.h + k.margin, y + k.wideButton.h + k.margin});
}

void addCategoryTabs(Flow& flow, const Metrics& k) {
    for (int tab = 0; tab < Inv::kCategoryTabs; ++tab)
        flow.Place(Inv::kFirstCategoryTab + uint32_t(tab), k.categoryTab);
    flow.NewRow();
}

// The page arrows and the view button (both views share a place), then take, drop and use.
void addButtons(Flow& flow, const Metrics& k) {
    flow.Place(Inv::kPreviousPage, k.squareButton);
    flow.Place(Inv::kNextPage, k.squareButton);
    const int viewX = flow.x, viewY = flow.y;
    flow.Place(Inv::kDescriptionView, k.wideButton);
    flow.rows.push_back(ClampedRow(Inv::kCompactView, viewX, viewY, k.wideButton.w, k.wideButton.h));
    flow.NewRow();
    for (uint32_t id : {Inv::kTake, Inv::kDrop, Inv::kUse}) flow.Place(id, k.wideButton);
    flow.NewRow();
}

void addDoll(std::vector<SLayoutRow>& rows, const Metrics& k, int x, int y) {
    rows.push_back(ClampedRow(Inv::kPaperDoll, x, y, k.doll.w, k.doll.h));
    rows.push_back(ClampedRow(Inv::kDollFrame, x - 2, y - 2, k.doll.w + 4, k.doll.h + 4));
    // The text arrows sit in the doll's bottom right corner, where the description takes its place.
    const int arrowX = x + k.doll.w - k.textArrow.w, arrowY = y + k.doll.h - 2 * k.textArrow.h - 1;
    rows.push_back(ClampedRow(Inv::kTextUp, arrowX, arrowY, k.textArrow.w, k.textArrow.h));
    rows.push_back(ClampedRow(Inv::kTextDown, arrowX, arrowY + k.textArrow.h + 1, k.textArrow.w, k.textArrow.h));
}

// The height the category tabs (unless they are placed elsewhere) and the buttons take, flowed in
// a width.
int flowHeight(const Metrics& k, int width, bool withTabs) {
    std::vector<SLayoutRow> scratch;
    Flow flow(scratch, 0, 0, width, 1);
    if (withTabs) addCategoryTabs(flow, k);
    addButtons(flow, k);
    return flow.y;
}

// On the modes whose description keeps the panel's own place while the doll is hidden, the panel is
// where the doll is; the wide keyboard screen keeps its doll in sight, so its panel lies elsewhere.
bool panelOverDoll(uint16_t mode) { return mode == 5 || mode == 7 || mode == 8; }

void addPanel(std::vector<SLayoutRow>& rows, uint16_t mode, const Metrics& k, int dollX, int dollY, int x, int y, int w,
              int bottom) {
    if (panelOverDoll(mode))
        rows.push_back(ClampedRow(Inv::kInfoPanel, dollX, dollY, k.doll.w, k.doll.h));
    else
        rows.push_back(ClampedRow(Inv::kInfoPanel, x, y, w, bottom - y));
}

SLayoutMode tallLayout(uint16_t mode, int width, int height, const Metrics& k) {
    std::vector<SLayoutRow> rows;
    const int m = k.margin;
    const int bandBottom = addTopBand(rows, k, m, m, width - 2 * m);
    rows.push_back(ClampedRow(Inv::kSecondFrame, 0, 0, width, bandBottom));
    rows.push_back(ClampedRow(Inv::kPageFrame, 0, bandBottom, width, height - bandBottom));
    const int besideGrid = width - k.grid.w - 3 * m;
    const bool statusBesideGrid = besideGrid >= k.status.w && k.grid.h >= k.status.h;
    const int columnX = k.doll.w + 3 * m + 4, columnW = width - columnX - m;
    const int columnH = flowHeight(k, columnW, true) + (statusBesideGrid ? 0 : k.status.h + m);
    // Where the doll's frame or the column beside it would leave the screen below the grid, the
    // grid moves up into the band's margin, the doll down to the bottom, the column up to the grid,
    // and the status keeps no room below its lines.
    const int below = bandBottom + m + k.grid.h + 2 * m;
    const bool tight = below + k.doll.h + 4 > height || below + columnH > height - m;
    const int gridY = tight ? bandBottom - m + 2 : bandBottom + m;
    const int statusH = tight ? k.status.h - 4 : k.status.h;
    rows.push_back(ClampedRow(Inv::kItemGrid, m, gridY, k.grid.w, k.grid.h));
    if (statusBesideGrid) {
        rows.push_back(ClampedRow(Inv::kStatusText, k.grid.w + 2 * m, gridY, besideGrid, k.status.h));
        rows.push_back(ClampedRow(Inv::kStatusFrame, k.grid.w + m, gridY - m, besideGrid + 2 * m, k.status.h + 2 * m));
    }
    const int dollY = tight ? height - k.doll.h - 4 : gridY + k.grid.h + 2 * m;
    addDoll(rows, k, m + 2, dollY + 2);
    const int columnY = tight ? gridY + k.grid.h + m : dollY;
    rows.push_back(ClampedRow(Inv::kControlsFrame, columnX - m, columnY - m, columnW + 2 * m, height - columnY + m));
    Flow column(rows, columnX, columnY, columnW, 1);
    addCategoryTabs(column, k);
    addButtons(column, k);
    if (!statusBesideGrid) {
        rows.push_back(ClampedRow(Inv::kStatusText, columnX, column.y, columnW, statusH));
        rows.push_back(ClampedRow(Inv::kStatusFrame, columnX - m, column.y - m, columnW + 2 * m, statusH + 2 * m));
        column.y += statusH + m;
    }
    addPanel(rows, mode, k, m + 2, dollY + 2, columnX, column.y, columnW, height - m);
    return {mode, uint16_t(width), uint16_t(height), rows};
}

SLayoutMode wideLayout(uint16_t mode, int width, int height, const Metrics& k) {
    std::vector<SLayoutRow> rows;
    const int m = k.margin;
    rows.push_back(ClampedRow(Inv::kItemGrid, m, m, k.grid.w, k.grid.h));
    const int regionX = k.grid.w + 2 * m, regionW = width - regionX - m;
    // The category tabs go under the grid when they fit there, else beside it.
    Flow under(rows, m, k.grid.h + 2 * m, k.grid.w, 1);
    const int tabsPerRow = std::max(1, (k.grid.w + 1) / (k.categoryTab.w + 1));
    const int tabRows = (Inv::kCategoryTabs + tabsPerRow - 1) / tabsPerRow;
    const bool tabsUnderGrid = k.grid.h + 2 * m + tabRows * (k.categoryTab.h + 1) <= height - m;
    if (tabsUnderGrid) addCategoryTabs(under, k);
    const int bandBottom = addTopBand(rows, k, regionX, m, regionW);
    rows.push_back(ClampedRow(Inv::kSecondFrame, regionX - m, 0, regionW + 2 * m, bandBottom));
    rows.push_back(ClampedRow(Inv::kPageFrame, 0, 0, regionX, height));
    const int dollX = regionX + 2, dollY = bandBottom + 2;
    addDoll(rows, k, dollX, dollY);
    const int besideDoll = regionW - k.doll.w - 2 * m - 4;
    const bool statusBesideDoll = besideDoll >= k.status.w;
    int y = dollY + k.doll.h + m;
    const int besideX = dollX + k.doll.w + 2 * m + 2;
    // A screen too low for the tabs and buttons under the doll puts them beside it, left of a
    // status of its own width, and keeps the room under the doll for the description.
    const int flowBesideW = besideDoll - k.status.w - 2 * m;
    const bool flowBesideDoll = statusBesideDoll && y + flowHeight(k, regionW, !tabsUnderGrid) > height - m &&
                                flowHeight(k, flowBesideW, !tabsUnderGrid) <= k.doll.h && k.status.h <= k.doll.h;
    if (flowBesideDoll) {
        const int statusX = besideX + flowBesideW + 2 * m;
        rows.push_back(ClampedRow(Inv::kStatusText, statusX, dollY, k.status.w, k.status.h));
        rows.push_back(ClampedRow(Inv::kStatusFrame, statusX - m, dollY - m, k.status.w + 2 * m, k.status.h + 2 * m));
    } else if (statusBesideDoll) {
        rows.push_back(ClampedRow(Inv::kStatusText, besideX, dollY, besideDoll, k.status.h));
        rows.push_back(ClampedRow(Inv::kStatusFrame, besideX - m, dollY - m, besideDoll + 2 * m, k.status.h + 2 * m));
    } else {
        rows.push_back(ClampedRow(Inv::kStatusText, regionX, y, regionW, k.status.h));
        rows.push_back(ClampedRow(Inv::kStatusFrame, regionX - m, y - m, regionW + 2 * m, k.status.h + 2 * m));
        y += k.status.h + m;
    }
    const int flowX = flowBesideDoll ? besideX : regionX, flowY = flowBesideDoll ? dollY : y;
    const int flowW = flowBesideDoll ? flowBesideW : regionW;
    Flow region(rows, flowX, flowY, flowW, 1);
    if (!tabsUnderGrid) addCategoryTabs(region, k);
    addButtons(region, k);
    const int framed = flowBesideDoll ? region.y - flowY : height - flowY;
    rows.push_back(ClampedRow(Inv::kControlsFrame, flowX - m, flowY - m, flowW + 2 * m, framed + m));
    addPanel(rows, mode, k, dollX, dollY, regionX, flowBesideDoll ? y : region.y, regionW, height - m);
    return {mode, uint16_t(width), uint16_t(height), rows};
}

}  // namespace

SLayoutMode InventoryFramePageLayout(uint16_t mode, int width, int height, int fontHeight) {
    const Metrics k = metricsOf(mode, fontHeight);
    std::vector<SLayoutRow> rows;
    const int m = k.margin;
    const int bandBottom = addTopBand(rows, k, m, m, width - 2 * m);
    rows.push_back(ClampedRow(Inv::kSecondFrame, 0, 0, width, bandBottom));
    rows.push_back(ClampedRow(Inv::kPageFrame, 0, bandBottom, width, height - bandBottom));
    const int statusX = width - m - k.status.w, statusY = bandBottom + m;
    rows.push_back(ClampedRow(Inv::kStatusText, statusX, statusY, k.status.w, k.status.h));
    rows.push_back(ClampedRow(Inv::kStatusFrame, statusX - m, statusY - m, k.status.w + 2 * m, k.status.h + 2 * m));
    return {mode, uint16_t(width), uint16_t(height), rows};
}

void AddInventoryScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height,
                             int fontHeight) {
    const Metrics k = metricsOf(mode, fontHeight);
    LayoutDialogOf(dialogs, uint16_t(Inv::kItemsLayout))
        .modes.push_back(width > height ? wideLayout(mode, width, height, k) : tallLayout(mode, width, height, k));
    LayoutDialogOf(dialogs, uint16_t(Inv::kQuestsLayout))
        .modes.push_back(QuestsPageLayout(mode, width, height, fontHeight));
    LayoutDialogOf(dialogs, uint16_t(Inv::kSpellsLayout))
        .modes.push_back(SpellsPageLayout(mode, width, height, fontHeight));
    AddCharacterScreenModes(dialogs, mode, width, height, fontHeight);
}
