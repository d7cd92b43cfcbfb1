#pragma once
// The fixed tables of the monsters' steps: which way a monster stands from the player, the three
// steps it tries for each way and preference, and where a creature stands inside its cell.
#include <cstdint>

namespace monster_steps {

// One step a monster may try; the side is the one the flowing-ground rule looks across. A step of
// (0, 0) ends the search: the monster stays.
struct SStepChoice {
    uint8_t side;
    int8_t dx, dy;
};
inline constexpr int kCandidates = 3;

// The direction of a monster from the player by the signs of its offset: 0 north, then clockwise
// to 7 north-west.
int Direction(int signX, int signY);
// The step table's candidate `index` (0..2) for the direction (0..7) and preference (0 or 1).
const SStepChoice& Candidate(int direction, int preference, int index);

// The places inside a cell (1/65,536 of a cell) a creature takes, by the side it is seen from.
enum class SSlotPlace { Alone, FirstLarge, SecondLarge, FirstSmall, SecondSmall };
struct SSubCell {
    int32_t x, y;
};
SSubCell SlotOffset(SSlotPlace place, int side);

// Writes a position inside the cell the way a cell's sprite slot holds it: 0 and 65,536 sit on the
// cell's edges, just inside it.
int32_t InsideEdges(int32_t position);

}  // namespace monster_steps
