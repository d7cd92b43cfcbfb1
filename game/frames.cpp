// Frames, panels and bars: the boxes dialogs and widgets are drawn in.
#include "game/game_data.h"

namespace {

// The pieces of a frame set.
enum FramePiece { kTopLeft, kLeft, kBottomLeft, kTop, kCentre, kBottom, kTopRight, kRight, kBottomRight };
enum FrameFlag : uint32_t { kFrameTop = 0x01, kFrameLeft = 0x02, kFrameBottom = 0x04, kFrameRight = 0x08, kFrameFill = 0x80 };

int widthOf(const SPictureEntry* piece) { return piece && piece->data ? piece->picture.Width() : 0; }
int heightOf(const SPictureEntry* piece) { return piece && piece->data ? piece->picture.Height() : 0; }

}  // namespace

void SGameData::drawPiece(SPictureEntry* piece, bool keyed, int x, int y) {
    if (!piece || !m_display) return;
    if (keyed)
        m_display->BlitKeyed(*piece, x, y);
    else
        m_display->BlitOpaque(*piece, x, y);
}

void SGameData::tilePiece(SPictureEntry* piece, bool keyed, int x, int y, int w, int h) {
    if (!piece || !m_display) return;
    if (keyed)
        m_display->TileKeyed(x, y, w, h, *piece);
    else
        m_display->TileOpaque(x, y, w, h, *piece);
}

void SGameData::DrawFrame(SPictureEntry* const* set, bool keyed, int x, int y, int w, int h, uint32_t flags,
                          uint32_t colour) {
    const int left = widthOf(set[kTopLeft]), top = heightOf(set[kTopLeft]);
    const int right = widthOf(set[kTopRight]), bottom = heightOf(set[kBottomLeft]);
    const int innerW = w - left - right, innerH = h - top - bottom;
    if ((flags & kFrameFill) && m_display)
        m_display->FillRect(x + left, y + top, innerW, innerH,
                            MakeColor565(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));
    if (flags & kFrameTop) {
        drawPiece(set[kTopLeft], keyed, x, y);
        tilePiece(set[kTop], keyed, x + left, y, innerW, top);
        drawPiece(set[kTopRight], keyed, x + w - right, y);
    }
    if (flags & kFrameBottom) {
        drawPiece(set[kBottomLeft], keyed, x, y + h - bottom);
        tilePiece(set[kBottom], keyed, x + left, y + h - bottom, innerW, bottom);
        drawPiece(set[kBottomRight], keyed, x + w - right, y + h - bottom);
    }
    if (flags & kFrameLeft) {
        if (!(flags & kFrameTop)) drawPiece(set[kTopLeft], keyed, x, y);
        tilePiece(set[kLeft], keyed, x, y + top, left, h - bottom - top);
        if (!(flags & kFrameBottom)) drawPiece(set[kBottomLeft], keyed, x, y + h - bottom);
    }
    if (flags & kFrameRight) {
        if (!(flags & kFrameTop)) drawPiece(set[kTopRight], keyed, x + w - right, y);
        tilePiece(set[kRight], keyed, x + w - right, y + top, right, h - bottom - top);
        if (!(flags & kFrameBottom)) drawPiece(set[kBottomRight], keyed, x + w - right, y + h - bottom);
    }
}

void SGameData::DrawPanel(SPictureEntry* const* set, bool keyed, int x, int y, int w, int h) {
    const int left = widthOf(set[kTopLeft]), top = heightOf(set[kTopLeft]);
    const int right = widthOf(set[kTopRight]), bottom = heightOf(set[kBottomLeft]);
    const int innerW = w - left - right, middleH = h - bottom - top;
    drawPiece(set[kTopLeft], keyed, x, y);
    tilePiece(set[kTop], keyed, x + left, y, innerW, top);
    drawPiece(set[kTopRight], keyed, x + w - right, y);
    tilePiece(set[kLeft], keyed, x, y + top, left, middleH);
    tilePiece(set[kCentre], keyed, x + left, y + top, innerW, middleH);
    tilePiece(set[kRight], keyed, x + w - right, y + top, right, middleH);
    drawPiece(set[kBottomLeft], keyed, x, y + h - bottom);
    tilePiece(set[kBottom], keyed, x + left, y + h - bottom, innerW, bottom);
    drawPiece(set[kBottomRight], keyed, x + w - right, y + h - bottom);
}

void SGameData::DrawBar(SPictureEntry* const* set, bool keyed, int x, int y, int w, int h) {
    const int leftW = widthOf(set[0]), rightW = widthOf(set[2]);
    drawPiece(set[0], keyed, x, y);
    tilePiece(set[1], keyed, x + leftW, y, w - leftW - rightW, h);
    drawPiece(set[2], keyed, x + w - rightW, y);
}
