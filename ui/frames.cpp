#include "ui/frames.h"

#include "engine/draw/display.h"
#include "engine/packages/resource_cache.h"
#include "ui/colour_word.h"
#include "ui/picture_sets.h"

namespace {

// The pieces of a frame set.
enum FramePiece { kTopLeft, kLeft, kBottomLeft, kTop, kCentre, kBottom, kTopRight, kRight, kBottomRight };

void drawPiece(SDisplay& display, const SPictureEntry* piece, bool keyed, int x, int y) {
    if (!piece) return;
    if (keyed)
        display.BlitKeyed(*piece, x, y);
    else
        display.BlitOpaque(*piece, x, y);
}

void tilePiece(SDisplay& display, const SPictureEntry* piece, bool keyed, int x, int y, int w, int h) {
    if (!piece) return;
    if (keyed)
        display.TileKeyed(x, y, w, h, *piece);
    else
        display.TileOpaque(x, y, w, h, *piece);
}

}  // namespace

void DrawFrame(SDisplay& display, const SPictureEntry* const* set, bool keyed, int x, int y, int w, int h,
               uint32_t flags, uint32_t colour) {
    const int left = PictureWidth(set[kTopLeft]), top = PictureHeight(set[kTopLeft]);
    const int right = PictureWidth(set[kTopRight]), bottom = PictureHeight(set[kBottomLeft]);
    const int innerW = w - left - right, innerH = h - top - bottom;
    if (flags & kFrameFill) display.FillRect(x + left, y + top, innerW, innerH, ColourWord565(colour));
    if (flags & kFrameTop) {
        drawPiece(display, set[kTopLeft], keyed, x, y);
        tilePiece(display, set[kTop], keyed, x + left, y, innerW, top);
        drawPiece(display, set[kTopRight], keyed, x + w - right, y);
    }
    if (flags & kFrameBottom) {
        drawPiece(display, set[kBottomLeft], keyed, x, y + h - bottom);
        tilePiece(display, set[kBottom], keyed, x + left, y + h - bottom, innerW, bottom);
        drawPiece(display, set[kBottomRight], keyed, x + w - right, y + h - bottom);
    }
    if (flags & kFrameLeft) {
        if (!(flags & kFrameTop)) drawPiece(display, set[kTopLeft], keyed, x, y);
        tilePiece(display, set[kLeft], keyed, x, y + top, left, h - bottom - top);
        if (!(flags & kFrameBottom)) drawPiece(display, set[kBottomLeft], keyed, x, y + h - bottom);
    }
    if (flags & kFrameRight) {
        if (!(flags & kFrameTop)) drawPiece(display, set[kTopRight], keyed, x + w - right, y);
        tilePiece(display, set[kRight], keyed, x + w - right, y + top, right, h - bottom - top);
        if (!(flags & kFrameBottom)) drawPiece(display, set[kBottomRight], keyed, x + w - right, y + h - bottom);
    }
}

void DrawPanel(SDisplay& display, const SPictureEntry* const* set, bool keyed, int x, int y, int w, int h) {
    const int left = PictureWidth(set[kTopLeft]), top = PictureHeight(set[kTopLeft]);
    const int right = PictureWidth(set[kTopRight]), bottom = PictureHeight(set[kBottomLeft]);
    const int innerW = w - left - right, middleH = h - bottom - top;
    drawPiece(display, set[kTopLeft], keyed, x, y);
    tilePiece(display, set[kTop], keyed, x + left, y, innerW, top);
    drawPiece(display, set[kTopRight], keyed, x + w - right, y);
    tilePiece(display, set[kLeft], keyed, x, y + top, left, middleH);
    tilePiece(display, set[kCentre], keyed, x + left, y + top, innerW, middleH);
    tilePiece(display, set[kRight], keyed, x + w - right, y + top, right, middleH);
    drawPiece(display, set[kBottomLeft], keyed, x, y + h - bottom);
    tilePiece(display, set[kBottom], keyed, x + left, y + h - bottom, innerW, bottom);
    drawPiece(display, set[kBottomRight], keyed, x + w - right, y + h - bottom);
}

void DrawBar(SDisplay& display, const SPictureEntry* const* set, bool keyed, int x, int y, int w, int h) {
    const int leftW = PictureWidth(set[0]), rightW = PictureWidth(set[2]);
    drawPiece(display, set[0], keyed, x, y);
    tilePiece(display, set[1], keyed, x + leftW, y, w - leftW - rightW, h);
    drawPiece(display, set[2], keyed, x + w - rightW, y);
}

void TileOrFill(SDisplay& display, const SPictureEntry* picture, int x, int y, int w, int h, uint32_t colour) {
    if (picture && picture->data)
        display.TileOpaque(x, y, w, h, *picture);
    else
        display.FillRect(x, y, w, h, ColourWord565(colour));
}
