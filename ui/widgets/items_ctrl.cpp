#include "ui/widgets/items_ctrl.h"

#include <algorithm>
#include <vector>

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialog.h"
#include "ui/fill_around.h"
#include "ui/frames.h"

namespace {

constexpr uint32_t kKeyUp = 1000, kKeyDown = 1002, kKeyLeft = 1004, kKeyRight = 1006;
constexpr uint32_t kButtonLeft = 3004, kButtonRight = 3005, kButtonUse = 3006;
constexpr uint32_t kItemsCtrlAllSides = 0x0F;
// The order of the equip marks among the interface pictures.
constexpr int kMarkEquipped = 0, kMarkEquippable = 1, kMarkUnusable = 2;

// Cells follow their own grouping of the screen types: the in-between type 3 draws as the small
// ones do.
enum class CellLook { kSmall, kLarge, kOther };

CellLook cellLook(uint32_t screenType) {
    if (IsSmallScreenType(screenType) || screenType == 3) return CellLook::kSmall;
    return IsLargeScreenType(screenType) ? CellLook::kLarge : CellLook::kOther;
}

}  // namespace

SItemsCtrl::SItemsCtrl() { m_input = SCtrlInput::kKeys | SCtrlInput::kPen; }

void SItemsCtrl::Setup(const SFrameSet& selFrame, const SFrameSet& gridFrame, uint32_t cellW, uint32_t cellH,
                       uint32_t columns, uint32_t rows, uint32_t frameFlags, uint32_t priceFactor, uint32_t shopMode) {
    m_selFrame = selFrame;
    m_gridFrame = gridFrame;
    m_cellW = cellW;
    m_cellH = cellH;
    m_columns = columns;
    m_rows = rows;
    m_frameFlags = frameFlags;
    m_priceFactor = priceFactor;
    m_shopMode = shopMode;
    m_bgColor = 0;
    m_font = 1;
    const uint32_t type = m_game->m_screenMode;
    m_cornerSize = IsSmallScreenType(type) ? 12 : IsLargeScreenType(type) ? 20 : 16;
    m_pieceW = PictureWidth(gridFrame[0]);
    m_pieceH = PictureHeight(gridFrame[0]);
    m_originX = m_x + ((frameFlags & kFrameLeft) ? m_pieceW : 0);
    m_originY = m_y + ((frameFlags & kFrameTop) ? m_pieceH : 0);
    m_first = 0;
    m_selected = -1;
    m_selectedEntry = nullptr;
}

void SItemsCtrl::Fill(const SItemList& list, uint32_t category, std::optional<uint16_t> merchantCategories,
                      const SWandPricing& wands) {
    m_selectedEntry = nullptr;
    const SItemFillRules rules{category, merchantCategories, m_shopMode, m_merchantPays, m_priceFactor};
    FillItemEntries(m_entries, list, rules, *m_game, wands);
    m_selected = -1;
    m_first = 0;
}

SItemEntry* SItemsCtrl::Entry(int index) const {
    return index >= 0 && index < EntryCount() ? m_entries[size_t(index)].get() : nullptr;
}

void SItemsCtrl::Select(int index) {
    // Before Setup there are no pages to place a selection on.
    if (pageSize() == 0) return;
    m_selected = index >= 0 && index < EntryCount() ? index : EntryCount() - 1;
    m_selectedEntry = Entry(m_selected);
    if (m_selected >= 0 && (m_selected < m_first || m_selected >= m_first + pageSize()))
        m_first = m_selected / pageSize() * pageSize();
    SetDirty();
}

void SItemsCtrl::SelectItem(const SItem* item) {
    for (int i = EntryCount() - 1; i >= 0; --i) {
        if (m_entries[size_t(i)]->item == item) {
            Select(i);
            return;
        }
    }
}

void SItemsCtrl::NextPage() {
    if (pageSize() == 0 || m_first + pageSize() >= EntryCount()) return;
    m_first += pageSize();
    Select(m_first);
}

void SItemsCtrl::PrevPage() {
    if (pageSize() == 0 || m_first < pageSize()) return;
    m_first -= pageSize();
    if (m_selected >= 0)
        Select(m_selected - pageSize());
    else
        SetDirty();
}

int SItemsCtrl::keyTarget(uint32_t key) const {
    const int columns = int(m_columns), last = EntryCount() - 1;
    switch (key) {
        case kKeyUp: return m_selected >= columns ? m_selected - columns : 0;
        case kKeyDown:
            if (m_selected < 0) return 0;
            return m_selected + columns <= last ? m_selected + columns : last;
        case kKeyLeft:
        case kButtonLeft: return m_selected > 0 ? m_selected - 1 : -1;
        case kButtonRight:
        case kKeyRight: return m_selected < last ? m_selected + 1 : -1;
        default: return -1;
    }
}

uint32_t SItemsCtrl::OnKey(uint32_t key) {
    m_equipRequest = 0;
    m_useRequest = 0;
    switch (key) {
        case kKeyUp:
        case kKeyDown:
        case kKeyLeft:
        case kKeyRight:
        case kButtonLeft:
        case kButtonRight: {
            if (m_entries.empty()) return 0;
            const int target = keyTarget(key);
            if (target >= 0) Select(target);
            return m_id;
        }
        case kButtonUse:
            if (marksEquipment() && m_selectedEntry) {
                if (m_selectedEntry->flags & SItemEntryFlags::kEquippable)
                    m_equipRequest = 1;
                else
                    m_useRequest = 1;
            }
            m_owner->ResetPenGate();
            return m_id;
        default: return 0;
    }
}

uint32_t SItemsCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t) {
    if (down == 0) return 0;
    m_equipRequest = 0;
    m_useRequest = 0;
    if (pageSize() == 0) return 0;
    int column = -1, row = -1;
    for (int c = 0; c < int(m_columns) && column < 0; ++c)
        if (x >= cellX(c) && x < cellX(c) + int(m_cellW)) column = c;
    for (int r = 0; r < int(m_rows) && row < 0; ++r)
        if (y >= cellY(r) && y < cellY(r) + int(m_cellH)) row = r;
    if (column < 0 || row < 0) return 0;
    const int index = m_first + row * int(m_columns) + column;
    if (index >= EntryCount()) return 0;
    const int old = m_selected;
    m_selected = index;
    m_selectedEntry = Entry(index);
    DrawEntry(old);
    DrawEntry(index);
    const bool inCorner = x < cellX(column) + int(m_cornerSize) && y < cellY(row) + int(m_cornerSize);
    if (marksEquipment() && inCorner && (m_selectedEntry->flags & SItemEntryFlags::kEquippable)) m_equipRequest = 1;
    m_owner->ResetPenGate();
    return m_id;
}

void SItemsCtrl::DrawEntry(int index) {
    const SItemEntry* entry = Entry(index);
    if (entry == nullptr || pageSize() == 0 || index < m_first || index >= m_first + pageSize()) return;
    const int onPage = index - m_first;
    m_text->SelectFont(int(m_font), 0xFFFFFF, 0);
    drawCell(*entry, index == m_selected, cellX(onPage % int(m_columns)), cellY(onPage / int(m_columns)));
}

void SItemsCtrl::Draw() {
    const int drawnCells = pageSize() == 0 ? 0 : std::clamp(EntryCount() - m_first, 0, pageSize());
    fillAroundCells(drawnCells);
    auto tile = [this](const SPictureEntry* picture, const SScreenBox& box) {
        TileOrFill(*m_display, picture, box.left, box.top, box.right - box.left, box.bottom - box.top, m_bgColor);
    };
    for (int c = 0; c + 1 < int(m_columns); ++c) tile(m_gridFrame[1], verticalSeparator(c));
    for (int r = 0; r + 1 < int(m_rows); ++r) tile(m_gridFrame[3], horizontalSeparator(r));
    if (m_frameFlags) DrawFrame(*m_display, m_gridFrame.data(), false, m_x, m_y, m_w, m_h, m_frameFlags, 0);
    for (int i = 0; i < pageSize(); ++i) DrawEntry(m_first + i);
}

void SItemsCtrl::fillAroundCells(int drawnCells) {
    // The separators are left out too: each is tiled with its picture or filled with the ground.
    std::vector<SScreenBox> covered;
    for (int c = 0; c + 1 < int(m_columns); ++c) covered.push_back(verticalSeparator(c));
    for (int r = 0; r + 1 < int(m_rows); ++r) covered.push_back(horizontalSeparator(r));
    for (int i = 0; i < drawnCells; ++i) {
        const int x = cellX(i % int(m_columns)), y = cellY(i / int(m_columns));
        covered.push_back({x, y, x + int(m_cellW), y + int(m_cellH)});
    }
    FillAround(*m_display, {m_x, m_y, m_x + m_w, m_y + m_h}, covered, ColourWord565(m_bgColor));
}

SScreenBox SItemsCtrl::verticalSeparator(int column) const {
    const int x = m_originX + (column + 1) * int(m_cellW) + column * m_pieceW;
    return {x, m_originY, x + m_pieceW, m_originY + m_h - 2 * m_pieceH};
}

SScreenBox SItemsCtrl::horizontalSeparator(int row) const {
    const int y = m_originY + (row + 1) * int(m_cellH) + row * m_pieceH;
    return {m_originX, y, m_originX + m_w - ((m_frameFlags & kFrameLeft) ? 2 * m_pieceW : 0), y + m_pieceH};
}

void SItemsCtrl::drawCell(const SItemEntry& entry, bool selected, int x, int y) {
    // A cell without a picture still clears and shows its text and marks, so that a selection
    // moving away from it leaves no frame behind.
    // The cell is cleared around its picture only: the picture covers the rest anyway.
    const SScreenBox picture = opaquePictureBox(entry, x, y);
    FillAround(*m_display, {x, y, x + int(m_cellW), y + int(m_cellH)}, std::span(&picture, 1), 0);
    if (entry.picture) drawPicture(entry, x, y);
    if (m_shopMode) drawPrice(entry, x, y);
    if (entry.count > 1) drawCount(entry, x, y);
    if (selected)
        DrawFrame(*m_display, m_selFrame.data(), true, x, y, int(m_cellW), int(m_cellH), kItemsCtrlAllSides, 0);
    if (!marksEquipment() || !(entry.flags & SItemEntryFlags::kEquippable)) return;
    const int mark = (entry.flags & SItemEntryFlags::kEquipped)   ? kMarkEquipped
                     : (entry.flags & SItemEntryFlags::kUnusable) ? kMarkUnusable
                                                                  : kMarkEquippable;
    if (const SPictureEntry* picture = m_game->InterfacePicture(SInterfaceRole::kEquipMarks, mark))
        m_display->BlitOpaque(*picture, x + 1, y + 1);
}

void SItemsCtrl::drawPicture(const SItemEntry& entry, int x, int y) {
    const SPictureEntry& picture = *entry.picture;
    switch (cellLook(m_game->m_screenMode)) {
        case CellLook::kSmall:
            if (m_shopMode)
                m_display->BlitShrink40(picture, entry.palette, x + (int(m_cellW) - 40) / 2, y);
            else
                m_display->BlitShrink40(picture, entry.palette, x, y + (int(m_cellH) - 40) / 2);
            return;
        case CellLook::kLarge:
            if (m_shopMode)
                m_display->BlitOpaquePal(picture, entry.palette, x + (int(m_cellW) - 50) / 2, y + 1);
            else
                m_display->BlitOpaquePal(picture, entry.palette, x + 5, y + 3);
            return;
        case CellLook::kOther: m_display->BlitOpaquePal(picture, entry.palette, x, y); return;
    }
}

SScreenBox SItemsCtrl::opaquePictureBox(const SItemEntry& entry, int x, int y) const {
    if (entry.picture == nullptr || entry.picture->data == nullptr) return {};
    const int w = entry.picture->picture.Width(), h = entry.picture->picture.Height();
    switch (cellLook(m_game->m_screenMode)) {
        case CellLook::kSmall: return {};
        case CellLook::kLarge:
            if (m_shopMode) return {x + (int(m_cellW) - 50) / 2, y + 1, x + (int(m_cellW) - 50) / 2 + w, y + 1 + h};
            return {x + 5, y + 3, x + 5 + w, y + 3 + h};
        case CellLook::kOther: return {x, y, x + w, y + h};
    }
    return {};
}

void SItemsCtrl::drawPrice(const SItemEntry& entry, int x, int y) {
    SString text;
    ItemPriceText(entry, text);
    const uint32_t type = m_game->m_screenMode;
    int top = 49, bottom = 64;
    if (cellLook(type) == CellLook::kSmall) {
        top = 38;
        bottom = 53;
    } else if (type == 15) {
        top = 52;
    } else if (IsLargeScreenType(type)) {
        top = 47;
    }
    m_text->DrawText(x, y + top, x + int(m_cellW), y + bottom, text.Text(), kTextCentred | kTextOneLine);
}

void SItemsCtrl::drawCount(const SItemEntry& entry, int x, int y) {
    SString text;
    text.Format("%u", unsigned(entry.count));
    ToDigitGlyphsHigh(text);
    const CellLook look = cellLook(m_game->m_screenMode);
    const int top = look == CellLook::kSmall ? 25 : look == CellLook::kLarge ? 33 : 35;
    m_text->DrawText(x, y + top, x + int(m_cellW) - 3, y + 50, text.Text(), kTextRight | kTextOneLine);
}
