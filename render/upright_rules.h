#pragma once
// The small rules the builders of upright pictures share: where a side entry's packed position puts
// it in the cell, and when a free-standing picture is drawn mirrored.
#include <cstdint>

// A side entry's place: x and y inside the cell (world units) and the height above the layer's
// floor, from steps 1 to 31 on a grid of 30 steps per cell (step 1 the near edge, 31 the far one).
struct SPackedPosition {
    int32_t xStep = 0;
    int32_t yStep = 0;
    int32_t heightStep = 0;
    bool projects = false;

    static SPackedPosition Decode(uint16_t word) {
        return {word & 31, (word >> 5) & 31, (word >> 10) & 31, (word & 0x8000) != 0};
    }
    // The grid spans a cell and a storey; the second picture of an entry uses a grid one unit
    // shorter, so that its far step stays inside the cell.
    int32_t X(int32_t cell = 1024) const { return (xStep - 1) * cell / 30; }
    int32_t Y(int32_t cell = 1024) const { return (yStep - 1) * cell / 30; }
    int32_t Height(int32_t storey = 731) const { return (heightStep - 1) * storey / 30; }
};

// Whether a free-standing picture at (x, y) inside its cell is drawn mirrored at a view angle in
// whole degrees (0 to 359): a picture seen from the left half of the cell's face toward the viewer
// is mirrored, so that a group of them looks the same from all four sides. On the middle line
// itself it is not.
inline bool IsMirroredAt(int32_t degrees, int32_t x, int32_t y) {
    if (degrees < 45 || degrees >= 315) return x < 512;
    if (degrees < 135) return y > 512;
    if (degrees < 225) return x > 512;
    return y < 512;
}
