#include "ui/widgets/game_world_map_ctrl.h"

#include <algorithm>

#include "data/package/module.h"
#include "engine/draw/display.h"
#include "game/game_data.h"
#include "ui/dialog.h"
#include "ui/picture_sets.h"
#include "ui/widgets/clipped_blit.h"

SGameWorldMapCtrl::SGameWorldMapCtrl() { m_input = SCtrlInput::kPen; }

void SGameWorldMapCtrl::Setup() {
    const SModule* world = m_game->m_packages.Current();
    m_map = world ? world->PackagePicture() : nullptr;
    m_mapW = PictureWidth(m_map);
    m_mapH = PictureHeight(m_map);
    m_scrollX = std::max(0, (int32_t(m_w) - m_mapW) / 2);
    m_scrollY = std::max(0, (int32_t(m_h) - m_mapH) / 2);
    m_here = m_game->InterfacePicture(SInterfaceRole::kWorldMapMarkers, 0);
    m_hereW = PictureWidth(m_here);
    m_hereH = PictureHeight(m_here);
    m_mark = m_game->InterfacePicture(SInterfaceRole::kWorldMapMarkers, 1);
    m_markW = PictureWidth(m_mark);
    m_markH = PictureHeight(m_mark);
}

void SGameWorldMapCtrl::SetMarker(int32_t cellX, int32_t cellY) {
    m_markCellX = cellX;
    m_markCellY = cellY;
    SetDirty();
}

uint32_t SGameWorldMapCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    const bool inside = Contains(x, y);
    if (!m_dragging && down && inside) {
        m_lastX = x;
        m_lastY = y;
        if (m_owner) m_owner->OnCommand(m_id);
        if (!drag) m_dragging = 1;
    } else if (m_dragging && down && inside) {
        m_scrollX += x - m_lastX;
        m_scrollY += y - m_lastY;
        m_lastX = x;
        m_lastY = y;
        SetDirty();
    } else {
        m_dragging = 0;
    }
    return 0;
}

void SGameWorldMapCtrl::Draw() {
    if (const SPictureEntry* tile = m_game->InterfacePicture(SInterfaceRole::kAutomapTile))
        m_display->TileOpaque(m_x, m_y, m_w, m_h, *tile);
    const SClipRect clip{m_x, m_y, m_x + m_w, m_y + m_h};
    const int left = m_x + m_scrollX, top = m_y + m_scrollY;
    BlitClipped(*m_display, m_map, left, top, clip, false);
    if (const SModule* world = m_game->m_packages.Current())
        BlitClipped(*m_display, m_here, left + world->WorldX() - 2, top + world->WorldY() - m_hereH + 2, clip, true);
    if (HasMarker())
        BlitClipped(*m_display, m_mark, left + m_markCellX * kMapPixels, top + m_markCellY * kMapPixels, clip, true);
}
