#pragma once
// What the automap shows of a grid cell: a floor picture, a picture on each side and a decoration,
// each an index into the game's map picture table. The play screen describes each cell from what
// stands in it as it builds the cell; since the table comes from data, the automap checks every
// index against it before it draws.
#include <cstdint>

struct SMapCell;

struct SAutomapCell {
    static constexpr uint16_t kNone = 0xFFFF;
    // The map picture table holds floors, then the walls along a side (north, east, south, west),
    // then what stands in a cell.
    static constexpr uint16_t kOpenFloor = 0;
    static constexpr uint16_t kWallFloor = 1;  // a wall fills the cell
    static constexpr uint16_t kFirstSide = 23;
    static constexpr uint16_t kDoor = 46;
    static constexpr uint16_t kWayOn = 47;     // stairs, a hole, a teleport: it leads elsewhere
    static constexpr uint16_t kObstacle = 48;  // a tree, a block: something that bars the way

    uint16_t floorKind = kOpenFloor;
    uint16_t sidePictures[4] = {kNone, kNone, kNone, kNone};  // north, east, south, west
    uint16_t decoration = kNone;
};

// The automap's pictures of a cell: a wall in its centre fills it, a wall on a side runs along
// that side, and a door, a way on or an obstacle in its centre is marked.
SAutomapCell DescribeAutomapCell(const SMapCell& cell);
