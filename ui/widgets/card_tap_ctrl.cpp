#include "ui/widgets/card_tap_ctrl.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"

uint32_t SCardTapCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    return down != 0 && drag == 0 && Contains(x, y) ? m_id : 0;
}

int SCardTapCtrl::OverlayX(int x) const { return x + (IsSmallScreenType(m_game->m_screenMode) ? 8 : 10); }

int SCardTapCtrl::OverlayY(int y) const { return y + (IsSmallScreenType(m_game->m_screenMode) ? 5 : 6); }
