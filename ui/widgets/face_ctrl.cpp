#include "ui/widgets/face_ctrl.h"

#include "engine/draw/display.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/picture_sets.h"
#include "ui/widgets/portrait_source.h"

SFaceCtrl::SFaceCtrl() { m_input = SCtrlInput::kPen; }

void SFaceCtrl::SetFace(const char* name) {
    const SPortraitSource* source = m_game->m_portraits;
    if (source && name) {
        if (const char* face = source->FacePictureName(name)) {
            SetPictureName(face);
            return;
        }
        if (const std::optional<SBaseTypePictures> type = source->FindBaseType(name)) {
            const size_t portrait = type->kind == kPeopleKind ? kPeoplePortrait : kCreaturePortrait;
            SetPicture(portrait < type->pictures.size() ? type->pictures[portrait] : nullptr);
            return;
        }
    }
    SetPicture(nullptr);
}

void SFaceCtrl::SetPictureName(const char* name) {
    SPictureEntry* entry = m_game->m_cache.FindPicture(name);
    if (entry && entry->data == nullptr && !m_game->m_cache.LoadPicture(*entry)) entry = nullptr;
    SetPicture(entry);
}

void SFaceCtrl::SetPicture(const SPictureEntry* picture) {
    m_portrait = picture;
    m_picW = PictureWidth(picture);
    m_picH = PictureHeight(picture);
    m_bgColor = 0;
    m_overlay = nullptr;
    m_overlayPalette = nullptr;
    SetDirty();
}

void SFaceCtrl::SetOverlay(uint32_t pictureIndex, uint32_t paletteIndex) {
    m_overlay = m_game->m_cache.Picture(pictureIndex);
    m_overlayPalette = paletteIndex ? m_game->m_cache.Palette(paletteIndex) : nullptr;
    m_overlayKeyed = 0;
    SetDirty();
}

void SFaceCtrl::SetMark(uint32_t keyed, uint32_t second) {
    SetInterfaceOverlay(m_game->InterfacePicture(SInterfaceRole::kPortraitMarks, second ? 1 : 0), keyed);
}

void SFaceCtrl::SetInterfaceOverlay(const SPictureEntry* picture, uint32_t keyed) {
    m_overlay = picture;
    m_overlayPalette = nullptr;
    m_overlayKeyed = keyed;
    SetDirty();
}

void SFaceCtrl::ClearOverlay() {
    m_overlay = nullptr;
    m_overlayPalette = nullptr;
    SetDirty();
}

uint32_t SFaceCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (m_overlay) return 0;
    return down == 0 && drag == 0 && Contains(x, y) ? m_id : 0;
}

void SFaceCtrl::Draw() {
    m_display->FillRect(m_x, m_y, m_w, m_h, ColourWord565(m_bgColor));
    if (m_portrait == nullptr || m_portrait->data == nullptr) return;
    if (m_picW == m_w && m_picH == m_h) {
        m_display->BlitOpaque(*m_portrait, m_x, m_y);
        drawOverlay(0, 0);
    } else if (m_picW > m_w || m_picH > m_h) {
        // A 50x50 portrait in a smaller control is shrunk, not cut.
        m_display->BlitShrink40(*m_portrait, nullptr, m_x, m_y);
        drawOverlay((PictureWidth(m_overlay) - m_w) / 2, (PictureHeight(m_overlay) - m_h) / 2);
    } else {
        m_display->BlitScaled(*m_portrait, m_x, m_y, m_w, m_h);
    }
}

// A keyed overlay is drawn whole; one in its palette shows the part from the source position.
void SFaceCtrl::drawOverlay(int sourceX, int sourceY) {
    if (m_overlay == nullptr || m_overlay->data == nullptr) return;
    if (m_overlayKeyed) {
        m_display->BlitKeyed(*m_overlay, m_x, m_y);
        return;
    }
    const bool whole = sourceX == 0 && sourceY == 0;
    m_display->BlitKeyedRectPal(*m_overlay, m_overlayPalette, m_x, m_y, sourceX, sourceY,
                                whole ? PictureWidth(m_overlay) : m_w, whole ? PictureHeight(m_overlay) : m_h);
}
