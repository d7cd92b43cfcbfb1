#pragma once
// SItemsCtrl: a container of items (the pack, a chest, a shop's stock) as a paged grid of picture
// cells: stacked counts, prices in a shop, marks for worn and forbidden pieces, a selected cell
// moved by keys and the stylus. The owning screen reads the selected entry and the two requests
// after each command id.
#include <cstdint>
#include <optional>

#include "ui/ctrl.h"
#include "ui/fill_around.h"
#include "ui/picture_sets.h"
#include "ui/widgets/item_fill.h"

class SItem;
class SItemList;
class SWandPricing;

class SItemsCtrl : public SCtrl {
public:
    SItemsCtrl();

    // The grid's frames and geometry. The grid frame's first picture gives the separator
    // thickness; its second is the vertical separator and its fourth the horizontal one.
    // `frameFlags` names the outer frame's sides (1 top, 2 left, 4 bottom, 8 right).
    void Setup(const SFrameSet& selFrame, const SFrameSet& gridFrame, uint32_t cellW, uint32_t cellH, uint32_t columns,
               uint32_t rows, uint32_t frameFlags, uint32_t priceFactor, uint32_t shopMode);
    // The entries of the list by the category and the merchant's mask (see SItemFillRules), with
    // no selection on the first page. Wands are priced by what their charges are worth.
    void Fill(const SItemList& list, uint32_t category, std::optional<uint16_t> merchantCategories,
              const SWandPricing& wands);
    // An index outside the entries selects the last one; the page follows the selection.
    void Select(int index);
    // The last entry whose item is this one; the selection stays when none is.
    void SelectItem(const SItem* item);
    void NextPage();
    void PrevPage();
    SItemEntry* FindStack(const SItemType* type, uint32_t amount, const SEffectList* effects) const {
        return FindItemStack(m_entries, type, amount, effects);
    }
    // Redraws one cell when it is on the current page.
    void DrawEntry(int index);
    int EntryCount() const { return int(m_entries.size()); }
    SItemEntry* Entry(int index) const;

    uint32_t OnKey(uint32_t key) override;
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    // Paints every pixel of the rectangle: what the drawn cells leave in the ground colour.
    void Draw() override;

    uint32_t m_bgColor = 0;
    uint32_t m_font = 1;
    SFrameSet m_selFrame{};
    SFrameSet m_gridFrame{};
    int32_t m_pieceW = 0;
    int32_t m_pieceH = 0;
    uint32_t m_columns = 0;
    uint32_t m_rows = 0;
    uint32_t m_cellW = 0;
    uint32_t m_cellH = 0;
    uint32_t m_frameFlags = 0;
    uint32_t m_priceFactor = 10;
    uint32_t m_shopMode = 0;
    uint32_t m_cornerSize = 16;
    uint32_t m_equipRequest = 0;
    uint32_t m_useRequest = 0;
    uint32_t m_merchantPays = 0;  // set by the shop screen
    int32_t m_originX = 0;
    int32_t m_originY = 0;
    int32_t m_first = 0;
    int32_t m_selected = -1;
    SItemEntry* m_selectedEntry = nullptr;

private:
    int pageSize() const { return int(m_columns * m_rows); }
    bool marksEquipment() const { return m_shopMode == 0 && m_merchantPays == 0; }
    int cellX(int column) const { return m_originX + column * int(m_cellW + m_pieceW); }
    int cellY(int row) const { return m_originY + row * int(m_cellH + m_pieceH); }
    // The movement keys; -1 leaves the selection.
    int keyTarget(uint32_t key) const;
    // The control's rectangle but the separators and the page's first `drawnCells` cells, which
    // paint themselves, in the ground colour.
    void fillAroundCells(int drawnCells);
    // The separator right of the column and the one below the row.
    SScreenBox verticalSeparator(int column) const;
    SScreenBox horizontalSeparator(int row) const;
    void drawCell(const SItemEntry& entry, bool selected, int x, int y);
    void drawPicture(const SItemEntry& entry, int x, int y);
    // What the entry's picture covers with opaque pixels in a cell at (x, y); empty when it is
    // drawn shrunk or not at all.
    SScreenBox opaquePictureBox(const SItemEntry& entry, int x, int y) const;
    void drawPrice(const SItemEntry& entry, int x, int y);
    void drawCount(const SItemEntry& entry, int x, int y);

    SItemEntries m_entries;
};
