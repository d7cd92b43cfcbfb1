#include "ui/widgets/pic_ctrl.h"

#include <algorithm>

#include "engine/draw/display.h"
#include "engine/draw/pixel_loops.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/frames.h"

namespace {
constexpr uint32_t kPicCtrlAllSides = 0x0F;
}

SPicCtrl::SPicCtrl() { m_input = SCtrlInput::kPen; }

void SPicCtrl::SetPicture(const SPictureEntry* picture, uint32_t keyed, uint32_t, uint32_t bgOn) {
    m_raw = {};
    m_picture = picture;
    m_keyed = keyed;
    m_bgOn = bgOn;
    m_bgColor = 0;
    m_picW = PictureWidth(picture);
    m_picH = PictureHeight(picture);
    m_stretched = 0;
    m_drawX = m_x;
    m_drawY = m_y;
    if (picture && (m_picW != m_w || m_picH != m_h)) {
        // Keeping the proportions needs the picture's own width; a picture without one fills.
        m_picH = m_keepAspect && m_picW > 0 ? m_picH * m_w / m_picW : m_h;
        m_picW = m_w;
        m_stretched = 1;
    }
    SetDirty();
}

void SPicCtrl::SetRaw(std::span<const uint16_t> image, int32_t width, int32_t height) {
    const bool whole = width > 0 && height > 0 && image.size() >= size_t(width) * size_t(height);
    m_raw = whole ? image : std::span<const uint16_t>();
    m_picture = nullptr;
    m_picW = whole ? width : 0;
    m_picH = whole ? height : 0;
    SetDirty();
}

void SPicCtrl::SetFrame(const SFrameSet& frameSet) {
    m_frameSet = frameSet;
    m_frameOn = 1;
    m_frameMarginX = 4;
    m_frameMarginY = 4;
}

uint32_t SPicCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    const bool onPicture = x >= m_drawX && x < m_drawX + m_picW && y >= m_drawY && y < m_drawY + m_picH;
    return down != 0 && drag == 0 && onPicture ? m_id : 0;
}

void SPicCtrl::Draw() {
    if (!m_raw.empty()) {
        drawRaw();
        return;
    }
    if (m_picture == nullptr) {
        drawPlaceholder();
        return;
    }
    if (!m_keyed) {
        if (m_bgOn) m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
        if (m_stretched)
            m_display->BlitScaled(*m_picture, m_drawX, m_drawY, m_picW, m_picH);
        else
            m_display->BlitOpaque(*m_picture, m_drawX, m_drawY);
    } else if (!m_stretched) {
        m_display->BlitKeyed(*m_picture, m_drawX, m_drawY);
    }
    if (m_frameOn) {
        const int mx = int(m_frameMarginX), my = int(m_frameMarginY);
        DrawFrame(*m_display, m_frameSet.data(), true, m_drawX - mx, m_drawY - my, m_picW + 2 * mx, m_picH + 2 * my,
                  kPicCtrlAllSides, 0);
    }
}

void SPicCtrl::drawRaw() {
    m_drawX = m_x;
    m_drawY = m_y;
    m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    // Along each side the whole image when the control has room for it, else its middle part.
    const int w = std::min<int>(m_w, m_picW), h = std::min<int>(m_h, m_picH);
    const int sourceX = (m_picW - w) / 2, sourceY = (m_picH - h) / 2;
    SPixelLoops::CopyPixelsRaw(m_display->Target(), m_x, m_y, m_raw, m_picW, m_picH, sourceX, sourceY, w, h);
}

void SPicCtrl::drawPlaceholder() {
    m_drawX = m_x;
    m_drawY = m_y;
    if (m_bgOn) m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    const SPictureEntry* placeholder = m_placeholder ? m_placeholder
                                                     : m_game->InterfacePicture(SInterfaceRole::kDefaultPicture);
    if (placeholder == nullptr || placeholder->data == nullptr) return;
    m_display->BlitKeyed(*placeholder, m_x + (m_w - PictureWidth(placeholder)) / 2,
                         m_y + (m_h - PictureHeight(placeholder)) / 2);
}
