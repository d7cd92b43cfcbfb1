#pragma once
// The play screen's fixed tables: directions and sides, the masks of the eight neighbours that the
// ground and wall pictures are chosen by, the ladder of amounts and the places inside a cell. They
// never change, so they are built at compile time rather than filled into each screen.
#include <array>
#include <cstdint>

namespace play_tables {

// Sides of a cell: 0 north (y - 1), 1 east (x + 1), 2 south (y + 1), 3 west (x - 1).
inline constexpr int32_t kSideDx[4] = {0, 1, 0, -1};
inline constexpr int32_t kSideDy[4] = {-1, 0, 1, 0};
// The side a movement goes to by heading quarter plus the movement's own quarter.
inline constexpr uint32_t kSideByQuarter[7] = {0, 1, 2, 3, 0, 1, 2};

// The eight neighbours of a cell clockwise from north; neighbour n has bit 1 << n in a neighbour
// mask (1 north, 2 north-east, 4 east ... 128 north-west).
inline constexpr int kNeighbours = 8;
inline constexpr int32_t kNeighbourDx[kNeighbours] = {0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr int32_t kNeighbourDy[kNeighbours] = {-1, -1, 0, 1, 1, 1, 0, -1};
// A corner of a mask stays only where both edges beside it are set: the corner rule.
uint8_t KeepCornersBetweenEdges(uint8_t mask);

// The townspeople's steps, two rounds of the four sides. Their side labels count west as 1 and
// east as 3, unlike the cell sides above: the persons' moves read them that way.
inline constexpr int32_t kPersonStepDx[8] = {0, 1, 0, -1, 0, 1, 0, -1};
inline constexpr int32_t kPersonStepDy[8] = {-1, 0, 1, 0, -1, 0, 1, 0};
inline constexpr uint32_t kPersonStepSide[8] = {0, 3, 2, 1, 0, 3, 2, 1};

// The side of a one-cell step, indexed (dx + 1) + (dy + 1) * 3 like the monsters' direction
// table; again west 1 and east 3.
inline constexpr uint32_t kSideByStep[9] = {0, 0, 0, 1, 0, 3, 0, 2, 0};

// The 47 eight-neighbour masks that survive the corner rule (a corner bit only beside both of its
// edge bits): bits 1 north, 2 north-east, 4 east, 8 south-east, 16 south, 32 south-west, 64 west,
// 128 north-west.
inline constexpr int kCornerRuleMasks = 47;
// The blended ground picture of a mask: 1 to 46, and 0 for mask 0 and every mask the corner rule
// removes.
uint8_t MaskNumber(uint8_t mask);
// The wall variant of a mask: 1 to 47 but 16, and 0 for mask 255 and every removed mask.
uint16_t WallVariant(uint8_t mask);

// Amounts from 0 to 1,000,000,000 in steps that grow with the amount.
inline constexpr int kAmountSteps = 228;
const std::array<uint32_t, kAmountSteps>& AmountLadder();

// Two sets of sixteen places inside a cell, 1/65,536 of a cell each.
inline constexpr uint16_t kSubCellFirst[16] = {14000, 26000, 40000, 52000, 18000, 25000, 19000, 22000,
                                               51536, 39536, 25536, 13536, 47536, 40536, 46536, 43536};
inline constexpr uint16_t kSubCellSecond[16] = {18000, 25000, 19000, 22000, 14000, 26000, 40000, 52000,
                                                47536, 40536, 46536, 43536, 51536, 39536, 25536, 13536};

}  // namespace play_tables
