#include "tools/sampledata/journal_screen_layout.h"

#include <algorithm>
#include <cstring>

#include "engine/draw/screen_type.h"
#include "engine/files/settings.h"
#include "screens/inventory/character_lists.h"
#include "screens/inventory/quests_page.h"
#include "screens/inventory/spells_page.h"
#include "screens/inventory/state_inventory.h"
#include "tools/sampledata/inventory_screen_layout.h"
#include "tools/sampledata/layout_rows.h"

namespace {

using Inv = SStateInventory;

// The arrow buttons' pictures (interface_art.cpp) and the spell book's school buttons.
constexpr int kArrowW = 20, kArrowH = 12;

struct Metrics {
    int margin, line, frame, schoolW, schoolH;
    double charW;

    int TextW(const char* text) const { return int(double(std::strlen(text)) * charW) + 4; }
};

Metrics metricsOf(uint16_t mode, int fontHeight) {
    const bool large = IsLargeScreenMode(mode);
    return {large ? 4 : 2,
            large ? fontHeight + 1 : fontHeight,
            IsSmallScreenType(mode) ? 3 : 14,
            large ? 36 : 24,
            large ? 28 : 18,
            fontHeight * 0.5};
}

struct Area {
    int x, y, w, bottom;
};

// A frame round the inside rectangle, its sides drawn within its own rectangle.
void addFramed(std::vector<SLayoutRow>& rows, const Metrics& k, uint32_t frame, uint32_t inside, int x, int y, int w,
               int h) {
    rows.push_back(ClampedRow(int(frame), x - k.frame, y - k.frame, w + 2 * k.frame, h + 2 * k.frame));
    rows.push_back(ClampedRow(int(inside), x, y, w, h));
}

// The two page buttons at the right of a framed box, one at its top and one at its bottom.
void addArrows(std::vector<SLayoutRow>& rows, uint32_t up, uint32_t down, int x, int y, int h) {
    rows.push_back(ClampedRow(int(up), x, y, kArrowW, kArrowH));
    rows.push_back(ClampedRow(int(down), x, y + std::max(h - kArrowH, kArrowH), kArrowW, kArrowH));
}

// Choosers flowing in rows from the area's top; answers the bottom edge of the last row.
int addChoosers(std::vector<SLayoutRow>& rows, const Metrics& k, const Area& area, const char* label, uint32_t labelId,
                const uint32_t* ids, const char* const* names, int count) {
    int x = area.x, y = area.y;
    const int labelW = k.TextW(label);
    rows.push_back(ClampedRow(int(labelId), x, y, labelW, k.line));
    x += labelW + k.margin;
    for (int i = 0; i < count; ++i) {
        // A topic button leaves room for its bullet before the word; its words are measured as the
        // character page's tabs are, closer than the labels'.
        const int w = int(double(std::strlen(names[i])) * k.charW * 0.8) + k.line + 4;
        if (x > area.x + labelW && x + w > area.x + area.w) {
            x = area.x + labelW + k.margin;
            y += k.line;
        }
        rows.push_back(ClampedRow(int(ids[i]), x, y, w, k.line));
        x += w + k.margin;
    }
    return y + k.line + k.margin;
}

// The title, the list and the description, the list taking `listShare` percent of the height
// that the two boxes share; the description's label, when the page has one, above its box.
void addListAndText(std::vector<SLayoutRow>& rows, const Metrics& k, const SJournalListIds& ids, const Area& area,
                    int listShare, uint32_t descriptionLabel) {
    int y = area.y;
    rows.push_back(ClampedRow(int(ids.title), area.x, y, area.w, k.line));
    y += k.line + k.frame;
    const int boxW = area.w - kArrowW - k.margin - 2 * k.frame;
    const int boxX = area.x + k.frame;
    const int arrowX = area.x + area.w - kArrowW;
    const int labelH = descriptionLabel ? k.line : 0;
    const int shared = area.bottom - y - 3 * k.frame - labelH - k.margin;
    // Whole rows, so that a page ends on a row's edge; two at the least, so that a page turns by one.
    const int listH = std::max(shared * listShare / 100 / k.line, 2) * k.line;
    addFramed(rows, k, ids.listFrame, ids.list, boxX, y, boxW, listH);
    addArrows(rows, ids.pageUp, ids.pageDown, arrowX, y, listH);
    y += listH + k.frame + k.margin;
    if (descriptionLabel) {
        rows.push_back(ClampedRow(int(descriptionLabel), area.x, y, area.w, k.line));
        y += k.line;
    }
    y += k.frame;
    const int textH = std::max(area.bottom - k.frame - y, k.line);
    addFramed(rows, k, ids.textFrame, ids.text, boxX, y, boxW, textH);
    addArrows(rows, ids.previousText, ids.nextText, arrowX, y, textH);
}

// The frame of the inventory with the page under its band; answers the page's area. Wide screens
// keep the status at the right under the band, beside the page; the others move it to the bottom
// left, under the page.
Area framePage(SLayoutMode& layout, const Metrics& k, int width, int height) {
    int bandBottom = 0, statusH = 0, statusX = width, frameH = 0;
    for (const SLayoutRow& row : layout.rows) {
        if (row.id == Inv::kPageFrame) bandBottom = row.y;
        if (row.id == Inv::kStatusFrame) statusX = row.x, frameH = row.height;
        if (row.id == Inv::kStatusText) statusH = row.height;
    }
    if (width > height) return {2 * k.margin, bandBottom + 2 * k.margin, statusX - 4 * k.margin, height - 2 * k.margin};
    // The frame lies round the text by the same margin on every side, and on the screen.
    const int inset = (frameH - statusH) / 2;
    const int statusY = height - statusH - inset;
    for (SLayoutRow& row : layout.rows) {
        if (row.id == Inv::kStatusText) row = ClampedRow(row.id, k.margin + inset, statusY, row.width, row.height);
        if (row.id == Inv::kStatusFrame) row = ClampedRow(row.id, k.margin, statusY - inset, row.width, row.height);
    }
    return {2 * k.margin, bandBottom + 2 * k.margin, width - 4 * k.margin, statusY - 3 * k.margin};
}

}  // namespace

int CharacterListHeight(uint16_t mode, int fontHeight, uint32_t sheet) {
    const Metrics k = metricsOf(mode, fontHeight);
    const int choosers = sheet == SCharacterLists::kEffects ? k.line + k.margin : 0;
    // The title, two rows of the list and two lines of the description, each box in its frame.
    return choosers + 5 * k.line + 4 * k.frame + 2 * k.margin;
}

void AddCharacterListRows(std::vector<SLayoutRow>& rows, uint16_t mode, int fontHeight, uint32_t sheet, int x, int top,
                          int width, int bottom) {
    using Lists = SCharacterLists;
    const Metrics k = metricsOf(mode, fontHeight);
    Area area{x, top, width, bottom};
    switch (sheet) {
        case Lists::kAbilities: addListAndText(rows, k, Lists::kAbilityIds, area, 45, 0); break;
        case Lists::kDiseases: addListAndText(rows, k, Lists::kDiseaseIds, area, 45, 0); break;
        default: {
            constexpr const char* kNames[3] = {"Dynamic", "Constant", "All"};
            area.y = addChoosers(rows, k, area, "Show:", Lists::kShowLabel, Lists::kFilterButtons, kNames, 3);
            addListAndText(rows, k, Lists::kEffectIds, area, 45, 0);
            break;
        }
    }
}

SLayoutMode QuestsPageLayout(uint16_t mode, int width, int height, int fontHeight) {
    SLayoutMode layout = InventoryFramePageLayout(mode, width, height, fontHeight);
    const Metrics k = metricsOf(mode, fontHeight);
    Area area = framePage(layout, k, width, height);
    layout.rows.push_back(ClampedRow(SQuestsPage::kBackground, area.x, area.y, area.w, area.bottom - area.y));
    constexpr const char* kNames[SQuestsPage::kFilters] = {"All", "Active", "Solved", "Failed"};
    constexpr uint32_t kIds[SQuestsPage::kFilters] = {344, 345, 346, 347};
    area.y = addChoosers(layout.rows, k, area, "Show:", SQuestsPage::kShowLabel, kIds, kNames, SQuestsPage::kFilters);
    addListAndText(layout.rows, k, SQuestsPage::kIds, area, 50, SQuestsPage::kDescriptionLabel);
    return layout;
}

SLayoutMode SpellsPageLayout(uint16_t mode, int width, int height, int fontHeight) {
    SLayoutMode layout = InventoryFramePageLayout(mode, width, height, fontHeight);
    const Metrics k = metricsOf(mode, fontHeight);
    Area area = framePage(layout, k, width, height);
    layout.rows.push_back(ClampedRow(SSpellsPage::kBackground, area.x, area.y, area.w, area.bottom - area.y));
    // The seven school buttons in a row, the school's name under them.
    const int step = std::min(k.schoolW + k.margin, area.w / int(SSpellsPage::kSchools));
    for (uint32_t i = 0; i < SSpellsPage::kSchools; ++i)
        layout.rows.push_back(
            ClampedRow(int(SSpellsPage::kFirstSchoolButton + i), area.x + int(i) * step, area.y, k.schoolW, k.schoolH));
    area.y += k.schoolH + k.margin;
    layout.rows.push_back(ClampedRow(SSpellsPage::kSchoolName, area.x, area.y, area.w, k.line));
    area.y += k.line + k.margin;
    addListAndText(layout.rows, k, SSpellsPage::kIds, area, 50, SSpellsPage::kDescriptionLabel);
    return layout;
}
