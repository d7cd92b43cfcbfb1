#include "ui/widgets/item_ctrl.h"

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/picture_sets.h"

void SItemCtrl::SetItem(const SPictureEntry* picture, const SPaletteEntry* palette, uint32_t count) {
    m_picture = picture;
    m_palette = palette;
    m_cellW = m_cellH = IsSmallScreenType(m_game->m_screenMode) ? 40 : 50;
    m_count = count;
    m_bgColor = 0;
    m_marked = 0;
    SetDirty();
}

void SItemCtrl::Draw() {
    const uint32_t type = m_game->m_screenMode;
    const bool small = IsSmallScreenType(type), large = IsLargeScreenType(type);
    if (m_w > m_cellW || m_h > m_cellH || m_picture == nullptr)
        m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    const SPictureEntry* shown = m_picture ? m_picture : m_game->InterfacePicture(SInterfaceRole::kEmptyItemSlot);
    if (small) {
        if (m_picture)
            m_display->BlitShrink40(*m_picture, m_palette, m_x, m_y);
        else if (shown)
            m_display->BlitOpaque(*shown, m_x, m_y);
    } else if (shown) {
        const int x = large ? m_x + 5 : m_x + (m_w - PictureWidth(shown)) / 2;
        const int y = large ? m_y + 3 : m_y + (m_h - PictureHeight(shown)) / 2;
        m_display->BlitOpaquePal(*shown, m_picture ? m_palette : nullptr, x, y);
    }
    if (m_picture == nullptr) return;
    if (small)
        drawCount(m_x, m_y + 25, m_x + m_w - 3, m_y + 50);
    else if (large)
        drawCount(m_x, m_y + 38, m_x + 60, m_y + 53);
    else
        drawCount(m_x, m_y + 35, m_x + m_cellW - 3, m_y + 50);
    if (!m_marked) return;
    if (const SPictureEntry* mark = m_game->InterfacePicture(SInterfaceRole::kItemMark))
        m_display->BlitKeyed(*mark, large ? m_x + 10 : m_x, m_y);
}

void SItemCtrl::drawCount(int left, int top, int right, int bottom) {
    if (m_count <= 1) return;
    SString text;
    text.Format("%u", unsigned(m_count));
    ToDigitGlyphsHigh(text);
    m_text->SelectFont(1, 0xFFFFFF, 0);
    m_text->DrawText(left, top, right, bottom, text.Text(), kTextRight | kTextOneLine);
}
