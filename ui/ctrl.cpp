#include "ui/ctrl.h"

#include "game/game_data.h"
#include "ui/dialog.h"

void SCtrl::Attach(SDialog* dialog) {
    m_owner = dialog;
    m_game = dialog ? dialog->m_game : nullptr;
    m_display = m_game ? m_game->m_display.get() : nullptr;
    m_text = m_game ? m_game->m_text.get() : nullptr;
}

uint32_t SCtrl::OnKey(uint32_t) { return 0; }

uint32_t SCtrl::OnPen(int32_t, int32_t, uint32_t, uint32_t) { return 0; }

uint32_t SCtrl::OnTick(uint32_t) { return 0; }

void SCtrl::Draw() {}

void SCtrl::SetFromTemplate(const std::optional<SLayoutRow>& row) {
    if (!row) {
        m_flags = 0;
        return;
    }
    const int32_t originX = m_owner ? m_owner->m_x : 0;
    const int32_t originY = m_owner ? m_owner->m_y : 0;
    SetRect(int16_t(row->x + originX), int16_t(row->y + originY), row->width, row->height);
    m_id = row->id;
    m_flags = SCtrlFlags::kPlaced;
}

void SCtrl::SetPos(int16_t x, int16_t y) {
    m_x = x;
    m_y = y;
}

void SCtrl::SetRect(int16_t x, int16_t y, uint16_t w, uint16_t h) {
    SetPos(x, y);
    m_w = w;
    m_h = h;
}

void SCtrl::SetVisible(bool on) {
    if (on) {
        m_flags |= SCtrlFlags::kVisible | SCtrlFlags::kDirty;
        return;
    }
    m_flags &= uint16_t(~SCtrlFlags::kVisible);
    if (m_owner) m_owner->SetDirty();
}

void SCtrl::setRedrawn(uint16_t bit, bool on) {
    m_flags = uint16_t(on ? m_flags | bit : m_flags & ~bit);
    SetDirty();
}
