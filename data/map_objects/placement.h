#pragma once
// Where a picture sits on a face of a cell: the packed placement words of the side draw records,
// and points turned to the face they are seen on. A face is 32 units wide and high.
#include <cstdint>

struct SPictureSize {
    int width = 0;  // 0 and 0 for no picture
    int height = 0;
};

// Three 5-bit steps (across, along, up from bit 10) of a picture placed on face `facing` 0 to 3.
// A picture 336 or more wide fills the face; `a` places a narrower one across the face unless it
// is 16, the middle. `b` is the height step, scaled down for a picture lower than 240 unless it
// is 1.
uint16_t PackPlacement(int facing, SPictureSize picture, int a, int b);
// The same for pictures that stand out from their face: two steps and bit 0x400. The second step
// is `b` itself when `flagged`, else placed across the face as `a` is.
uint16_t PackPlacementFlagged(int facing, SPictureSize picture, bool flagged, int a, int b);

// Facing 2 turns the point half round, facing 3 a quarter; the others leave it as it is.
void RotatePoint(int& x, int& y, int facing);
