#pragma once
// The four sides of a cell as the wall and pit builders walk them: north, west, south, east. Each
// names its neighbour, the face's two corners as offsets from the cell's north-west corner (B on
// the right of a viewer looking at the face from the neighbour) and the index of the neighbour's
// side that faces back, in the overlay arrays' order north, east, south, west.
#include <cstdint>

struct SCellSide {
    int32_t neighbourX, neighbourY;
    int32_t a[2];
    int32_t b[2];
    int facingBack;
};

inline constexpr SCellSide kCellSides[4] = {
    {0, -1, {1, 0}, {0, 0}, 2},  // north: the neighbour's south side
    {-1, 0, {0, 0}, {0, 1}, 1},  // west: its east side
    {0, 1, {0, 1}, {1, 1}, 0},   // south: its north side
    {1, 0, {1, 1}, {1, 0}, 3},   // east: its west side
};
