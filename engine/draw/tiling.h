#pragma once
// How copies of a picture cover an area, shared by every tiled drawing.

// Calls piece(left, top, w, h) for every copy of a tileWidth x tileHeight picture that covers an
// area of areaWidth x areaHeight from its top left, in area coordinates: the whole copies column by
// column, then the cut copies of the right edge top to bottom, then those of the bottom edge left
// to right, then the corner piece. Each piece is the top-left part of the picture.
template <typename Piece>
void ForEachTile(int areaWidth, int areaHeight, int tileWidth, int tileHeight, Piece piece) {
    if (tileWidth <= 0 || tileHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return;
    const int columns = areaWidth / tileWidth, rows = areaHeight / tileHeight;
    const int right = columns * tileWidth, bottom = rows * tileHeight;
    const int rightWidth = areaWidth - right, bottomHeight = areaHeight - bottom;
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) piece(i * tileWidth, j * tileHeight, tileWidth, tileHeight);
    }
    if (rightWidth > 0) {
        for (int j = 0; j < rows; ++j) piece(right, j * tileHeight, rightWidth, tileHeight);
    }
    if (bottomHeight > 0) {
        for (int i = 0; i < columns; ++i) piece(i * tileWidth, bottom, tileWidth, bottomHeight);
    }
    if (rightWidth > 0 && bottomHeight > 0) piece(right, bottom, rightWidth, bottomHeight);
}
