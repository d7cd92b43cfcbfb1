#include "ui/widgets/deck_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"

void SDeckCtrl::SetCard(uint32_t card, const SPictureEntry* picture, const SPictureEntry* overlay) {
    m_card = card;
    m_picture = picture;
    m_overlay = overlay;
    m_count = 1;
    SetDirty();
}

void SDeckCtrl::SetPicture(const SPictureEntry* picture) { SetCard(0, picture, nullptr); }

void SDeckCtrl::SetCount(uint32_t count) {
    m_count = count;
    SetDirty();
}

void SDeckCtrl::Decrement() {
    if (m_count > 0) --m_count;
    SetDirty();
}

int SDeckCtrl::Layers() const {
    const uint32_t perLayer = IsSmallScreenType(m_game->m_screenMode) ? 8 : 5;
    return int(std::max<uint32_t>(1, m_count / perLayer));
}

void SDeckCtrl::Draw() {
    // A pile counted down to nothing shows as empty, not as a last card that is no longer there.
    if (m_picture == nullptr || m_count == 0) {
        if (m_emptyPicture) m_display->BlitKeyed(*m_emptyPicture, m_x, m_y);
        return;
    }
    if (m_count == 1) {
        m_display->BlitKeyed(*m_picture, m_x, m_y);
        if (m_overlay) m_display->BlitOpaque(*m_overlay, OverlayX(m_x), OverlayY(m_y));
        return;
    }
    const int layers = Layers();
    for (int i = 0; i < layers; ++i) {
        if (i % 2)
            m_display->BlitKeyedMirrored(*m_picture, m_x - i, m_y - i);
        else
            m_display->BlitKeyed(*m_picture, m_x - i, m_y - i);
    }
}
