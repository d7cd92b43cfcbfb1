#include "ui/widgets/card_ctrl.h"

#include "cards/card.h"
#include "cards/card_faces.h"
#include "engine/draw/display.h"

void SCardCtrl::SetCard(const SCard* card, const SPictureEntry* cardPicture, uint32_t showValue) {
    m_card = card;
    m_showValue = showValue;
    m_picture = nullptr;
    m_overlay = nullptr;
    SetDirty();
    if (card == nullptr) {
        rememberHome();
        return;
    }
    // Without the card screen's pictures there is nothing to print the card on.
    if (m_pictures == nullptr) return;
    if (showValue == 0) {
        m_picture = m_pictures->KindPicture(card->deck);
        return;
    }
    const bool special = (card->kind & (kCardInstant | kCardCombo)) != 0;
    m_picture = special ? m_pictures->specialFace : m_pictures->plainFace;
    m_overlay = cardPicture;
}

void SCardCtrl::SetLifted(bool on) {
    if (!m_homeSet) rememberHome();
    m_lifted = on ? 1 : 0;
    m_y = int16_t(on ? m_homeY - int32_t(m_lift) : m_homeY);
    SetDirty();
}

void SCardCtrl::Draw() {
    if (m_picture == nullptr) return;
    m_display->BlitKeyed(*m_picture, m_x, m_y);
    if (m_overlay) m_display->BlitOpaque(*m_overlay, OverlayX(m_x), OverlayY(m_y));
}

void SCardCtrl::rememberHome() {
    m_homeX = m_x;
    m_homeY = m_y;
    m_homeSet = true;
}
