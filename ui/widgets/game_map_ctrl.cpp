#include "ui/widgets/game_map_ctrl.h"

#include <algorithm>

#include "data/map_objects/map_object_type.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "engine/draw/screen_type.h"
#include "engine/draw/text.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"

namespace {

constexpr uint16_t kForbidsAutomap = 0x0001;  // the map's flag word
constexpr uint32_t kDeniedColour = 0x151C34, kDeniedBlend = 0x336FAB;
constexpr uint8_t kMarkerTypeCode = 18;
// The rows and columns of the grid on which the current section begins and ends.
constexpr int kSectionFirst = 7, kSectionLast = 27;

// The border piece of a cell of the section's edge: the corners (top-left, top-right,
// bottom-left, bottom-right), then the edges (top, right, bottom, left); -1 inside or outside.
int borderPiece(int x, int y) {
    const bool inX = x >= kSectionFirst && x <= kSectionLast, inY = y >= kSectionFirst && y <= kSectionLast;
    if (!inX || !inY) return -1;
    const bool top = y == kSectionFirst, bottom = y == kSectionLast;
    const bool left = x == kSectionFirst, right = x == kSectionLast;
    if ((top || bottom) && (left || right)) return (bottom ? 2 : 0) + (right ? 1 : 0);
    if (top) return 4;
    if (right) return 5;
    if (bottom) return 6;
    if (left) return 7;
    return -1;
}

// The picture index an automap marker object on the side carries, or -1 when the side has none:
// the marker type stands on the side as its wall or as its decoration.
int sideMarker(const SStateGame& play, const SMapCellSide& side, int cx, int cy) {
    const bool marker = (side.wallType && side.wallType->m_typeCode == kMarkerTypeCode) ||
                        (side.decorationType && side.decorationType->m_typeCode == kMarkerTypeCode);
    if (!marker) return -1;
    const SPlacedObject* object = play.FindObjectAt(cx, cy, side.objectId);
    return object ? object->byteA : -1;
}

}  // namespace

SGameMapCtrl::SGameMapCtrl() { m_input = SCtrlInput::kPen; }

void SGameMapCtrl::Setup() {
    const uint32_t type = m_game->m_screenMode;
    m_cell = IsLargeScreenType(type) ? 16 : IsSmallScreenType(type) ? 8 : 10;
    // A control narrower than a cell shows the player's cell alone.
    m_halfX = uint32_t(std::max(0, (int(m_w) / int(m_cell) - 1) / 2));
    m_halfY = uint32_t(std::max(0, (int(m_h) / int(m_cell) - 1) / 2));
    const int32_t cell = int32_t(m_cell);
    const int32_t a = (cell - kMarkerSize) / 2, b = cell + a, c = a - cell;
    const int32_t x[4] = {a, b, a, c}, y[4] = {c, a, b, a};
    std::copy(x, x + 4, m_markerX);
    std::copy(y, y + 4, m_markerY);
}

void SGameMapCtrl::ComputeCenter() {
    m_centerX = m_x + int32_t(m_cell * m_halfX);
    m_centerY = m_y + int32_t(m_cell * m_halfY);
}

uint32_t SGameMapCtrl::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    const bool inside = Contains(x, y);
    if (!m_dragMode) return down == 0 && drag == 0 && inside ? m_id : 0;
    if (m_dragging && down && inside) {
        m_centerX += x - m_lastX;
        m_centerY += y - m_lastY;
        SetDirty();
    } else if (down && !drag && inside) {
        m_dragging = 1;
    } else {
        m_dragging = 0;
        return 0;
    }
    m_lastX = x;
    m_lastY = y;
    return 0;
}

void SGameMapCtrl::Draw() {
    if (const SPictureEntry* tile = m_game->InterfacePicture(SInterfaceRole::kAutomapTile))
        m_display->TileOpaque(m_x, m_y, m_w, m_h, *tile);
    const auto* play = SStateGame::Of(*m_game);
    if (play == nullptr) return;
    if (play->m_currentMap && (play->m_currentMap->Flags() & kForbidsAutomap)) {
        drawDenied();
        return;
    }
    drawCells(*play);
    // Outside drag mode the map moves under the player, whose arrow stays at the centre and turns.
    if (m_dragMode) return;
    if (const SPictureEntry* arrow = m_game->InterfacePicture(SInterfaceRole::kPlayerArrow, kTurningArrow))
        m_display->BlitRotated(*arrow, m_centerX + int(m_cell) / 2, m_centerY + int(m_cell) / 2,
                               int(play->m_heading % 360));
}

void SGameMapCtrl::drawDenied() {
    m_text->SelectFont(1, kDeniedColour, kDeniedBlend);
    if (IsSmallScreenType(m_game->m_screenMode))
        m_text->DrawText(m_x + 2, m_y + 2, m_x + m_w, m_y + m_h, "Denied", 0);
    else
        m_text->DrawText(m_x + 10, m_y + 10, m_x + m_w, m_y + m_h, "Denied by strong magic.", 0);
}

void SGameMapCtrl::drawCells(const SStateGame& play) {
    const int cell = int(m_cell), px = play.m_playerX, py = play.m_playerY;
    // Walking across the cell moves the map the other way, by as much of a cell as was walked.
    const auto shift = [cell](int32_t fraction) {
        const int64_t square = int64_t(cell) * cell;
        return int((square - square * fraction / 65536) / cell - cell / 2);
    };
    const int ox = shift(play.m_fractionX), oy = shift(play.m_fractionY);
    const int halfX = int(m_halfX), halfY = int(m_halfY);
    const int firstX = m_dragMode ? 0 : px - halfX - 1, lastX = m_dragMode ? SStateGame::kGridSize - 1 : px + halfX + 1;
    const int firstY = m_dragMode ? 0 : py - halfY - 1, lastY = m_dragMode ? SStateGame::kGridSize - 1 : py + halfY + 1;
    const SClipRect clip{m_x, m_y, m_x + (2 * halfX + 1) * cell, m_y + (2 * halfY + 1) * cell};

    for (int cy = firstY; cy <= lastY; ++cy) {
        for (int cx = firstX; cx <= lastX; ++cx) {
            const int x = m_centerX - (px - cx) * cell + ox, y = m_centerY - (py - cy) * cell + oy;
            // A marker shows in the neighbour cell, which may be in view when its own cell is not.
            collectMarkers(play, cx, cy, x, y);
            if (x >= clip.right || y >= clip.bottom || x + cell <= clip.left || y + cell <= clip.top) continue;
            drawCell(play, cx, cy, x, y, clip);
        }
    }
    for (const SMarker& marker : m_markers)
        BlitClipped(*m_display, m_game->InterfacePicture(SInterfaceRole::kAutomapMarkers, int(marker.picture)),
                    marker.x, marker.y, clip, true);
    m_markers.clear();
}

void SGameMapCtrl::drawCell(const SStateGame& play, int cx, int cy, int x, int y, const SClipRect& clip) {
    // Null outside the grid, where a cell has nothing but the background.
    const SAutomapCell* shown = play.GetAutomapCell(cx, cy);
    // Every picture index comes from map data: one past the end of its table finds no picture and
    // draws nothing.
    const auto draw = [&](SInterfaceRole role, int index, bool keyed) {
        BlitClipped(*m_display, m_game->InterfacePicture(role, index), x, y, clip, keyed);
    };
    if (shown == nullptr || !play.IsCellExplored(cx, cy)) {
        draw(SInterfaceRole::kAutomapTile, 0, false);
    } else {
        draw(SInterfaceRole::kAutomapPictures, shown->floorKind, false);
        if (shown->decoration != SAutomapCell::kNone) draw(SInterfaceRole::kAutomapPictures, shown->decoration, true);
        for (uint16_t side : shown->sidePictures)
            if (side != SAutomapCell::kNone) draw(SInterfaceRole::kAutomapPictures, side, true);
        const int piece = borderPiece(cx, cy);
        if (play.m_sectionBorder && piece >= 0) draw(SInterfaceRole::kSectionBorders, piece, true);
    }
    if (shown != nullptr && m_dragMode && cx == play.m_playerX && cy == play.m_playerY)
        draw(SInterfaceRole::kPlayerArrow, int(play.m_heading % 360) / 90, true);
}

void SGameMapCtrl::collectMarkers(const SStateGame& play, int cx, int cy, int x, int y) {
    const SMapCell* cell = play.GetCell(cx, cy);
    if (cell == nullptr) return;
    for (int s = 0; s < 4; ++s) {
        const int marker = sideMarker(play, cell->sides[s], cx, cy);
        if (marker >= 0) m_markers.push_back({x + m_markerX[s], y + m_markerY[s], uint32_t(marker)});
    }
}
