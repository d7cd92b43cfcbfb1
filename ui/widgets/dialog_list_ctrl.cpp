#include "ui/widgets/dialog_list_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "engine/packages/resource_cache.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/frames.h"

namespace {

constexpr uint32_t kUp = 1000;
constexpr uint32_t kDown = 1002;
constexpr uint32_t kListCtrlUse = 3006;

constexpr int kFrameMargin = 3;
constexpr uint32_t kAllSides = 0x0F;
constexpr uint32_t kAutoSizeRows = 8;
constexpr uint32_t kSidePictureWidth = 20;

}  // namespace

SDialogListCtrl::SDialogListCtrl() { m_input = SCtrlInput::kKeys | SCtrlInput::kPen; }

void SDialogListCtrl::SetStyle(uint32_t font, uint32_t textColor, uint32_t bgColor, const SPictureEntry* background) {
    m_font = font;
    m_textColor = textColor;
    m_bgColor = bgColor;
    m_background = background;
    m_text->SelectFont(int(font), textColor, bgColor);
    m_rowHeight = uint32_t(m_text->LineHeight());
    m_bgOn = 1;
    m_frameOn = 1;
    m_sideOn = 0;
    m_selected = -1;
}

void SDialogListCtrl::SetHighlight() {
    m_customHighlight = 1;
    m_highlightTextColor = 0x00FFFF;
    m_highlightColor = 0x062A86;
}

void SDialogListCtrl::SetShadow() {
    m_shadowOn = 1;
    m_shadowColor = 0;
}

void SDialogListCtrl::SetSideText(uint32_t width) {
    m_sideOn = 1;
    m_sideWidth = width;
    m_sidePictures = {};
}

void SDialogListCtrl::SetSidePictures(std::span<const SPictureEntry* const> pictures) {
    m_sideOn = 1;
    m_sideWidth = kSidePictureWidth;
    m_sidePictures = pictures;
}

void SDialogListCtrl::Layout(bool keepSelection) {
    m_rowsPerPage = m_rowHeight ? m_h / m_rowHeight : 0;
    m_top = 0;
    if (m_rows.Count() == 0)
        m_selected = -1;
    else if (!keepSelection || !hasSelection())
        m_selected = 0;
    SetDirty();
}

void SDialogListCtrl::AutoSize(int maxWidth) {
    m_text->SelectFont(1, m_textColor, m_bgColor);
    int widest = 0;
    for (int i = 0; i < m_rows.Count(); ++i) {
        int rowWidest = 0, lines = 0;
        m_text->Measure(m_rows[i].text.Text(), maxWidth, rowWidest, lines);
        widest = std::max(widest, rowWidest);
    }
    m_w = uint16_t(widest + 10);
    m_rowsPerPage = std::min<uint32_t>(uint32_t(m_rows.Count()), kAutoSizeRows);
    m_h = uint16_t(m_rowsPerPage * m_rowHeight);
    m_top = 0;
    if (m_rows.Count() > 0) m_selected = 0;
    SetDirty();
}

void SDialogListCtrl::addRow(SListRow row) {
    m_rows.Add(row);
    SetDirty();
}

void SDialogListCtrl::AddRowId(uint32_t id, const char* text) {
    SListRow row;
    row.id = id;
    row.text.Assign(text);
    addRow(row);
}

void SDialogListCtrl::AddRowLabel(const char* key, const char* text, uint32_t value) {
    SListRow row;
    row.key.Assign(key);
    row.text.Assign(text);
    row.value = value;
    addRow(row);
}

void SDialogListCtrl::AddRow3(const char* key, const char* text, const char* side) {
    SListRow row;
    row.key.Assign(key);
    row.text.Assign(text);
    row.side.Assign(side);
    addRow(row);
}

void SDialogListCtrl::SetRow(int index, const char* key, const char* text, const char* side) {
    if (index < 0 || index >= m_rows.Count()) return;
    SListRow& row = m_rows[index];
    row.key.Assign(key);
    row.text.Assign(text);
    row.side.Assign(side);
    row.value &= ~0xFFu;
    SetDirty();
}

void SDialogListCtrl::ClearRows() {
    m_rows.Clear();
    m_selected = -1;
    m_top = 0;
    SetDirty();
}

void SDialogListCtrl::Select(int index) {
    m_selected = index < 0 ? -1 : std::min(index, m_rows.Count() - 1);
    ScrollToSelection();
    SetDirty();
}

void SDialogListCtrl::SelectById(uint32_t id) {
    int found = 0;
    for (int i = m_rows.Count() - 1; i >= 0; --i)
        if (m_rows[i].id == id) found = i;
    Select(found);
}

void SDialogListCtrl::SelectByText(const char* text) {
    int found = 0;
    for (int i = m_rows.Count() - 1; i >= 0; --i)
        if (m_rows[i].text.Equals(text)) found = i;
    Select(found);
}

void SDialogListCtrl::PageUp() {
    m_top = std::max<int32_t>(m_top - int32_t(m_rowsPerPage), 0);
    m_selected = m_rows.Count() > 0 ? m_top : -1;
    SetDirty();
}

void SDialogListCtrl::PageDown() {
    if (m_top + int32_t(m_rowsPerPage) < m_rows.Count()) m_top += int32_t(m_rowsPerPage);
    m_selected = m_rows.Count() > 0 ? m_top : -1;
    SetDirty();
}

void SDialogListCtrl::ScrollToSelection() {
    const int32_t page = int32_t(m_rowsPerPage);
    m_top = hasSelection() && page > 0 ? m_selected / page * page : 0;
}

uint32_t SDialogListCtrl::GetSelectedId() const { return hasSelection() ? m_rows[m_selected].id : 0; }

const char* SDialogListCtrl::GetSelectedText() const { return hasSelection() ? m_rows[m_selected].text.Text() : ""; }

const char* SDialogListCtrl::GetSelectedKey() const { return hasSelection() ? m_rows[m_selected].key.Text() : ""; }

uint32_t SDialogListCtrl::OnKey(uint32_t key) {
    const int32_t last = m_rows.Count() - 1;
    // Without rows up and down still answer, and leave the list without a selection.
    switch (key) {
        case kUp:
            if (last >= 0) m_selected = !hasSelection() ? 0 : m_selected == 0 ? last : m_selected - 1;
            break;
        case kDown:
            if (last >= 0) m_selected = !hasSelection() || m_selected == last ? 0 : m_selected + 1;
            break;
        case kListCtrlUse:
            if (!hasSelection()) return 0;
            m_action = 1;
            return m_id;
        default: return 0;
    }
    ScrollToSelection();
    m_action = 0;
    SetDirty();
    return m_id;
}

int SDialogListCtrl::rowAt(int32_t x, int32_t y) const {
    if (!Contains(x, y)) return -1;
    const int row = m_top + (y - m_y) / int(m_rowHeight);
    // A row cut by the bottom edge counts as outside.
    const bool whole = (row - m_top + 1) * int(m_rowHeight) <= int(m_h);
    return row < m_rows.Count() && whole ? row : -1;
}

uint32_t SDialogListCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    // Not styled yet: no row has a height to be hit.
    if (m_rowHeight == 0) return 0;
    const int row = rowAt(x, y);
    if (row < 0) {
        if (!m_clearOnOutside) return 0;
        m_selected = -1;
        Draw();
        m_action = -1;
        return m_id;
    }
    const bool release = down == 0 && drag == 0;
    if (row == m_selected && !(release && m_renotify)) return 0;
    m_selected = row;
    Draw();
    m_action = release ? 1 : 0;
    return m_id;
}

void SDialogListCtrl::Draw() {
    if (m_bgOn) TileOrFill(*m_display, m_background, m_x, m_y, m_w, m_h, m_bgColor);
    if (m_frameOn) {
        DrawFrame(*m_display, m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet).data(), false, m_x - kFrameMargin,
                  m_y - kFrameMargin, m_w + 2 * kFrameMargin, m_h + 2 * kFrameMargin, kAllSides, 0);
    }
    for (int i = 0; i < int(m_rowsPerPage) && m_top + i < m_rows.Count(); ++i)
        drawRow(m_top + i, m_y + i * int(m_rowHeight));
}

void SDialogListCtrl::drawRow(int row, int top) {
    const bool selected = row == m_selected;
    const int rowHeight = int(m_rowHeight);
    if (selected)
        m_display->FillRect(m_x, top, m_w, rowHeight,
                            ColourWord565(m_customHighlight ? m_highlightColor : m_textColor));
    const int textRight = m_x + m_w - (m_sideOn ? int(m_sideWidth) : 0);
    m_text->SelectFont(int(m_font), m_textColor, m_bgColor);
    const int textTop = top + (rowHeight - m_text->LineHeight()) / 2;
    const SListRow& entry = m_rows[row];
    if (m_shadowOn) {
        const int d = IsLargeScreenType(m_game->m_screenMode) ? 2 : 1;
        m_text->SelectFont(int(m_font), m_shadowColor, m_bgColor);
        if (m_centered) {
            for (auto [dx, dy] : {std::pair{d, 0}, std::pair{-d, 0}, std::pair{0, d}, std::pair{0, -d}})
                m_text->DrawText(m_x + 1 + dx, textTop + dy, textRight - 1 + dx, top + rowHeight + dy,
                                 entry.text.Text(), kTextCentred);
        } else {
            m_text->DrawText(m_x + d + 1, textTop + d, textRight - 1 + d, top + rowHeight + d, entry.text.Text(),
                             kTextOneLine);
        }
    }
    drawRowText(entry, textRight, textTop, top, selected);
}

void SDialogListCtrl::drawRowText(const SListRow& row, int textRight, int textTop, int top, bool selected) {
    uint32_t ink = m_textColor, paper = m_bgColor;
    if (selected && m_customHighlight) {
        ink = m_highlightTextColor;
        paper = m_highlightColor;
    } else if (selected) {
        std::swap(ink, paper);
    }
    m_text->SelectFont(int(m_font), ink, paper);
    const int bottom = top + int(m_rowHeight);
    m_text->DrawText(m_x + 1, textTop, textRight - 1, bottom, row.text.Text(),
                     m_centered ? kTextCentred : kTextOneLine);
    if (!m_sideOn) return;
    const int sideX = m_x + m_w - int(m_sideWidth);
    if (m_sidePictures.empty()) {
        m_text->DrawText(sideX, top, m_x + m_w - 1, bottom, row.side.Text(), kTextOneLine);
        return;
    }
    const size_t index = row.value & 0xFF;
    const SPictureEntry* picture = index < m_sidePictures.size() ? m_sidePictures[index] : nullptr;
    if (picture && picture->data) m_display->BlitKeyed(*picture, sideX, top);
}
