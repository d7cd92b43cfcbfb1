#pragma once
// SDialogListCtrl: a one-column list of rows with one selected row, paged scrolling, selection by
// keys and stylus, an optional right-hand column of text or small pictures, an optional frame and
// background, and colours for the selected row. Every change of selection answers the control's
// id; `m_action` then tells the owner whether the row was only moved to (0), chosen (1) or the
// selection cleared (-1).
#include <cstdint>
#include <span>

#include "ui/ctrl.h"
#include "ui/widgets/list_row.h"

struct SPictureEntry;

class SDialogListCtrl : public SCtrl {
public:
    SDialogListCtrl();

    // Rows as tall as the font; background, frame on, no right-hand column, nothing selected.
    // Colours are colour words; a null background fills with bgColor.
    void SetStyle(uint32_t font, uint32_t textColor, uint32_t bgColor, const SPictureEntry* background);
    // The selected row in yellow on dark brown instead of the swapped colours.
    void SetHighlight();
    void SetShadow();
    // A right-hand column of the rows' side texts, `width` pixels wide.
    void SetSideText(uint32_t width);
    // A right-hand column, 20 pixels wide, of the pictures that the rows' value bytes pick; a value
    // past the table shows none. The table stays the caller's.
    void SetSidePictures(std::span<const SPictureEntry* const> pictures);

    // Rows per page from the height, back to the first page; the selection stays when asked and
    // still a row, else the first row.
    void Layout(bool keepSelection);
    // As wide as the widest row measured at maxWidth, + 10; as tall as the rows, at most 8 of them.
    void AutoSize(int maxWidth);

    void AddRowId(uint32_t id, const char* text);
    void AddRowLabel(const char* key, const char* text, uint32_t value);
    void AddRow3(const char* key, const char* text, const char* side);
    // Null leaves a text as it is; the row's picture is cleared. A row that does not exist is left.
    void SetRow(int index, const char* key, const char* text, const char* side);
    void ClearRows();

    // Past the last row selects the last (none without rows); below 0 selects none.
    void Select(int index);
    // The first row with that id or exactly that text; the first row when none has it.
    void SelectById(uint32_t id);
    void SelectByText(const char* text);
    // One page back or on, selecting the page's first row; never before the first or past the last
    // page.
    void PageUp();
    void PageDown();
    // The page of the selected row; the first page without a selection.
    void ScrollToSelection();

    // 0 and empty texts without a selection.
    uint32_t GetSelectedId() const;
    const char* GetSelectedText() const;
    const char* GetSelectedKey() const;
    int RowCount() const { return m_rows.Count(); }
    const SListRow& Row(int index) const { return m_rows[index]; }

    // 1000 up and 1002 down, both wrapping; 3006 chooses the selected row.
    uint32_t OnKey(uint32_t key) override;
    // A touch selects the row under it (dragging moves row by row); a release chooses it.
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;
    void Draw() override;

    int32_t m_selected = -1;
    int32_t m_action = 0;
    int32_t m_top = 0;  // the first row shown
    uint32_t m_bgOn = 0;
    uint32_t m_frameOn = 0;
    uint32_t m_centered = 0;
    uint32_t m_rowsPerPage = 0;
    uint32_t m_rowHeight = 0;  // 0 until styled: such a list takes no tap
    uint32_t m_font = 0;
    uint32_t m_textColor = 0;
    uint32_t m_bgColor = 0;
    const SPictureEntry* m_background = nullptr;
    uint32_t m_shadowOn = 0;
    uint32_t m_shadowColor = 0;
    uint32_t m_customHighlight = 0;
    uint32_t m_highlightTextColor = 0;
    uint32_t m_highlightColor = 0;
    uint32_t m_clearOnOutside = 0;  // a touch outside the rows clears the selection
    uint32_t m_renotify = 0;        // a release on the selected row chooses it
    uint32_t m_sideOn = 0;
    uint32_t m_sideWidth = 0;
    std::span<const SPictureEntry* const> m_sidePictures;  // empty: the column shows side texts
    SListRowArray m_rows{4};

private:
    bool hasSelection() const { return m_selected >= 0 && m_selected < m_rows.Count(); }
    void addRow(SListRow row);
    // The row under a point wholly inside the control, or -1.
    int rowAt(int32_t x, int32_t y) const;
    void drawRow(int row, int top);
    void drawRowText(const SListRow& row, int textRight, int textTop, int top, bool selected);
};
