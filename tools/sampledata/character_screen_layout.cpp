#include "tools/sampledata/character_screen_layout.h"

#include <algorithm>
#include <cstring>

#include "engine/files/settings.h"
#include "screens/inventory/character_header.h"
#include "screens/inventory/character_page.h"
#include "screens/inventory/skills_page.h"
#include "screens/inventory/state_inventory.h"
#include "tools/sampledata/inventory_screen_layout.h"
#include "tools/sampledata/journal_screen_layout.h"
#include "tools/sampledata/layout_rows.h"

namespace {

using Header = SCharacterHeader;
using Main = SCharacterPage;
using Skills = SSkillsPage;

constexpr int kPortrait = 50;  // the sample portraits' size

// The sizes the sample pictures are drawn at (inventory_art.cpp) and the font's measures.
struct Metrics {
    uint16_t mode;
    int margin, line, raise, headerButton;
    int frame, headerFrame;  // the thickness of the tabs' frames and of the header's
    double charW;            // a rough mean width of a character of font 1

    int TextW(const char* text) const { return int(double(std::strlen(text)) * charW) + 4; }
};

Metrics metricsOf(uint16_t mode, int fontHeight) {
    const bool large = IsLargeScreenMode(mode);
    // A line is at least as high as a raise button, so that the buttons of two lines never meet.
    const int raise = large ? 22 : 13;
    return {mode,          large ? 4 : 2,   std::max(large ? fontHeight + 1 : fontHeight, raise),
            raise,         large ? 26 : 16, large ? 14 : 3,
            large ? 4 : 3, fontHeight * 0.5};
}

// Rows added while they fit on the screen; what falls below its bottom is left out.
struct Page {
    std::vector<SLayoutRow>& rows;
    int height;

    void Add(uint32_t id, int x, int y, int w, int h) {
        if (y + h <= height) rows.push_back(ClampedRow(int(id), x, y, w, h));
    }
};

struct Area {
    int x, y, w;
};

// The status of the frame moved to the place given, with its frame round it; left out where the
// screen has no room for it there.
void moveStatus(std::vector<SLayoutRow>& rows, int x, int y, int height) {
    const auto isStatus = [](const SLayoutRow& row) {
        return row.id == SStateInventory::kStatusText || row.id == SStateInventory::kStatusFrame;
    };
    // The frame lies round the text by the same margin on every side.
    int textW = 0, textH = 0, frameW = 0, frameH = 0;
    for (const SLayoutRow& row : rows) {
        if (row.id == SStateInventory::kStatusText) textW = row.width, textH = row.height;
        if (row.id == SStateInventory::kStatusFrame) frameW = row.width, frameH = row.height;
    }
    const int insetX = std::max((frameW - textW) / 2, 0), insetY = std::max((frameH - textH) / 2, 0);
    if (y + textH + insetY > height) {
        std::erase_if(rows, isStatus);
        return;
    }
    for (SLayoutRow& row : rows) {
        if (!isStatus(row)) continue;
        const bool frame = row.id == SStateInventory::kStatusFrame;
        row.x = uint16_t(std::max(x - (frame ? insetX : 0), 0));
        row.y = uint16_t(std::max(y - (frame ? insetY : 0), 0));
    }
}

int statusHeight(const std::vector<SLayoutRow>& rows) {
    for (const SLayoutRow& row : rows)
        if (row.id == SStateInventory::kStatusText) return row.height;
    return 0;
}

int bandBottom(const std::vector<SLayoutRow>& rows) {
    for (const SLayoutRow& row : rows)
        if (row.id == SStateInventory::kPageFrame) return row.y;
    return 0;
}

// The portrait with its two buttons, the name beside it and the tabs under the name; answers the
// header's bottom edge.
int addHeader(Page& page, const Metrics& k, Area area) {
    const int m = k.margin;
    const int px = area.x + 2, py = area.y + 2;
    page.Add(Header::kPortrait, px, py, kPortrait, kPortrait);
    const int rightX = px + kPortrait + 2 * m, rightW = area.x + area.w - rightX;
    const int buttonsW = 2 * k.headerButton + m;
    page.Add(Header::kName, rightX, area.y, std::max(rightW - buttonsW - m, 0), std::max(k.line, k.headerButton));
    page.Add(Header::kRename, area.x + area.w - buttonsW, area.y, k.headerButton, k.headerButton);
    page.Add(Header::kChoosePortrait, area.x + area.w - k.headerButton, area.y, k.headerButton, k.headerButton);
    // The tabs flow in rows under the name.
    constexpr const char* kNames[Header::kSubPages] = {"Main", "Skills", "Abilities", "Diseases", "Active effects"};
    int x = rightX, y = area.y + std::max(k.line, k.headerButton) + m;
    for (int tab = 0; tab < Header::kSubPages; ++tab) {
        // The tabs' words are measured closer than the labels', so that three fit a row on the
        // small screens.
        const int w = int(double(std::strlen(kNames[tab])) * k.charW * 0.8) + k.line + 4;
        if (x > rightX && x + w > area.x + area.w) {
            x = rightX;
            y += k.line;
        }
        page.Add(Header::kTabs[tab], x, y, w, k.line);
        x += w + m;
    }
    // The frames draw their sides inside their rectangles: each rectangle reaches past the tabs by
    // the frame's thickness.
    const int tabsTop = area.y + std::max(k.line, k.headerButton) + m, tabsBottom = y + k.line;
    page.Add(Header::kTabsFrame, rightX - m, tabsTop - m, area.x + area.w - rightX + m,
             tabsBottom - tabsTop + m + k.frame);
    const int bottom = std::max(py + kPortrait + 2, tabsBottom + k.frame) + m;
    page.Add(Header::kHeaderFrame, area.x - m, area.y - m, area.w + 2 * m, bottom - area.y + m + k.headerFrame);
    page.Add(Header::kFurtherFrame, area.x - m, bottom + k.headerFrame, area.w + 2 * m, k.frame);
    return bottom + k.headerFrame + k.frame + m;
}

// A label and its value side by side in a cell of a row: the label as wide as its text.
void addPair(Page& page, const Metrics& k, uint32_t label, uint32_t value, const char* text, int x, int y, int w) {
    const int labelW = std::min(k.TextW(text), w / 2 + w / 4);
    page.Add(label, x, y, labelW, k.line);
    page.Add(value, x + labelW, y, w - labelW, k.line);
}

struct RowCell {
    uint32_t label, value;
    int percent;  // of the row's width
};

// Each label as wide as the text the page gives it on this screen mode (the narrow screens show
// the level on the experience line, under a longer label); the values share what is left of the
// row by the cells' percentages.
void addRow(Page& page, const Metrics& k, Area area, int y, std::initializer_list<RowCell> cells) {
    int labels = 0;
    for (const RowCell& cell : cells) labels += k.TextW(Main::LabelText(cell.label, k.mode));
    const int rest = std::max(area.w - labels, 0);
    int x = area.x;
    for (const RowCell& cell : cells) {
        const int labelW = k.TextW(Main::LabelText(cell.label, k.mode)), valueW = rest * cell.percent / 100;
        page.Add(cell.label, x, y, labelW, k.line);
        page.Add(cell.value, x + labelW, y, valueW, k.line);
        x += labelW + valueW;
    }
}

// Race to outfit in five rows, the fame bar beside the fame; answers the bottom edge.
int addValues(Page& page, const Metrics& k, Area area) {
    int y = area.y;
    addRow(page, k, area, y, {{142, 143, 40}, {367, 368, 25}, {381, 382, 35}});
    y += k.line;
    addRow(page, k, area, y, {{365, 366, 100}});
    y += k.line;
    addPair(page, k, 378, 380, Main::LabelText(378, k.mode), area.x, y, area.w / 2);
    page.Add(Main::kFameBar, area.x + area.w / 2, y, area.w / 2, k.line);
    y += k.line;
    addRow(page, k, area, y, {{389, 390, 40}, {391, 392, 25}, {393, 394, 35}});
    y += k.line;
    addRow(page, k, area, y, {{395, 410, 35}, {396, 397, 65}});
    return y + k.line + k.margin;
}

// The attributes with their raise buttons and the unspent points, framed; answers the bottom.
int addAttributes(Page& page, const Metrics& k, Area area) {
    constexpr uint32_t kLabelIds[Main::kAttributes] = {369, 371, 375, 383, 386};
    const int m = k.margin;
    int y = area.y + m;
    page.Add(563, area.x + m, y, area.w - 2 * m, k.line);
    y += k.line;
    const int labelW = std::min(k.TextW("Intelligence:"), area.w / 2 + area.w / 8);
    for (int i = 0; i < Main::kAttributes; ++i) {
        page.Add(kLabelIds[i], area.x + m, y, labelW, k.line);
        const int buttonX = area.x + area.w - m - k.raise;
        page.Add(Main::kValueIds[Main::kFirstAttribute + i], area.x + m + labelW, y, buttonX - area.x - m - labelW,
                 k.line);
        page.Add(Main::kRaises[i], buttonX, y + (k.line - k.raise) / 2, k.raise, k.raise);
        y += k.line;
    }
    addPair(page, k, 398, 399, "Available points:", area.x + m, y, area.w - 2 * m);
    y += k.line + m;
    page.Add(Main::kAttributeFrame, area.x, area.y, area.w, y - area.y);
    return y + m;
}

// The resistances and the undo button; answers the bottom.
int addResistances(Page& page, const Metrics& k, Area area) {
    int y = area.y + k.margin;
    page.Add(401, area.x, y, area.w, k.line);
    y += k.line;
    constexpr RowCell kRows[] = {{402, 403, 100}, {404, 405, 100}, {406, 407, 100}, {408, 409, 100}};
    for (const RowCell& row : kRows) {
        // Every label as wide as the widest, so that the values line up.
        addPair(page, k, row.label, row.value, "Paralysis:", area.x, y, area.w);
        y += k.line;
    }
    page.Add(Main::kUndo, area.x, y, area.w, k.line);
    return y + k.line + k.margin;
}

// One column of skill rows under its title; answers the bottom.
int addSkillRows(Page& page, const Metrics& k, Area area, uint32_t title, int first, int count) {
    int y = area.y;
    page.Add(title, area.x, y, area.w, k.line);
    y += k.line;
    const int valueW = k.TextW("100"), buttonX = area.x + area.w - k.raise;
    for (int row = first; row < first + count; ++row) {
        page.Add(Skills::LabelId(row), area.x, y, buttonX - valueW - area.x, k.line);
        page.Add(Skills::ValueId(row), buttonX - valueW, y, valueW, k.line);
        page.Add(Skills::RaiseId(row), buttonX, y + (k.line - k.raise) / 2, k.raise, k.raise);
        y += k.line;
    }
    return y;
}

struct Columns {
    Area header, values, left, right;
};

// Tall screens stack the header, the values and the two blocks side by side; wide ones put the
// blocks one under the other in a right-hand column from the top.
Columns columnsOf(int width, int height, int top, const Metrics& k) {
    const int m = k.margin;
    if (width > height) {
        const int half = width / 2;
        const Area column{half + m, top + m, half - 2 * m};
        return {{m, top + m, half - 2 * m}, {m, 0, half - 2 * m}, column, column};
    }
    const int half = (width - 3 * m) / 2;
    return {{m, top + m, width - 2 * m}, {m, 0, width - 2 * m}, {m, 0, half}, {2 * m + half, 0, half}};
}

SLayoutMode characterLayout(uint16_t mode, int width, int height, int fontHeight, uint32_t subPage) {
    SLayoutMode layout = InventoryFramePageLayout(mode, width, height, fontHeight);
    const Metrics k = metricsOf(mode, fontHeight);
    const int statusH = statusHeight(layout.rows);
    Page page{layout.rows, height};
    Columns columns = columnsOf(width, height, bandBottom(layout.rows), k);
    const bool wide = width > height;
    const int headerBottom = addHeader(page, k, columns.header);
    if (!wide) columns.left.y = columns.right.y = headerBottom;
    switch (subPage) {
        case 0: {
            columns.values.y = headerBottom;
            const int valuesBottom = addValues(page, k, columns.values);
            if (!wide) columns.left.y = columns.right.y = valuesBottom;
            const int attributesBottom = addAttributes(page, k, columns.left);
            if (wide) columns.right.y = attributesBottom;
            const int undoBottom = addResistances(page, k, columns.right);
            if (wide)
                moveStatus(layout.rows, columns.values.x, valuesBottom, height);
            else
                moveStatus(layout.rows, columns.right.x, undoBottom, height);
            break;
        }
        case 1: {
            Area primary = wide ? columns.values : columns.left;
            if (wide) primary.y = headerBottom;
            const Area others = columns.right;
            int y = addSkillRows(page, k, primary, Skills::kPrimaryTitle, 0, Skills::kPrimaryRows);
            addPair(page, k, Skills::kPointsLabel, Skills::kPoints, "Available points:", primary.x, y, primary.w);
            y += k.line;
            page.Add(Skills::kUndo, primary.x, y, primary.w, k.line);
            addSkillRows(page, k, others, Skills::kOtherTitle, Skills::kPrimaryRows,
                         Skills::kRows - Skills::kPrimaryRows);
            moveStatus(layout.rows, primary.x, y + k.line + k.margin, height);
            break;
        }
        default: {
            // The list sheets: under the header, or in the right-hand column on wide screens.
            const Area list = wide ? columns.right : Area{columns.header.x, headerBottom, columns.header.w};
            // A screen too short for the sheet and the status under it leaves the status out.
            const int under = height - statusH - k.margin;
            const bool statusFits = under - headerBottom >= CharacterListHeight(mode, fontHeight, subPage);
            const int statusY = wide ? headerBottom : statusFits ? under : height;
            AddCharacterListRows(layout.rows, mode, fontHeight, subPage, list.x, list.y, list.w,
                                 (wide ? height : statusY) - k.margin);
            moveStatus(layout.rows, columns.header.x, statusY, height);
            break;
        }
    }
    return layout;
}

}  // namespace

void AddCharacterScreenModes(std::vector<SLayoutDialog>& dialogs, uint16_t mode, int width, int height,
                             int fontHeight) {
    for (uint32_t subPage = 0; subPage < 5; ++subPage)
        LayoutDialogOf(dialogs, uint16_t(SStateInventory::kCharacterLayouts[subPage]))
            .modes.push_back(characterLayout(mode, width, height, fontHeight, subPage));
}
