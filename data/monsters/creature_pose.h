#pragma once
// The pose and facing of a creature in its state bits, and the sprite changes that go with them.
#include <cstdint>

class SMap;
class SMapGrid;
struct SCreature;

// The player's heading in degrees as a quarter, the same measure as a creature's facing: 0 north,
// 1 west, 2 south, 3 east.
int HeadingQuarter(int heading);
int FacingOf(const SCreature& creature);
void SetFacing(SCreature& creature, int facing);
// The facing as a side of the grid (0 north, 1 east, 2 south, 3 west), the measure of the play
// screen's steps: the quarters' mirror image.
int FacingSideOf(const SCreature& creature);
void SetFacingSide(SCreature& creature, int side);

// The motion bits alone: winding up an attack, or striking; both are walking.
constexpr uint8_t kWindingUp = 0x20;
constexpr uint8_t kStriking = 0x40;

// The pose timer a hit starts.
constexpr uint8_t kHitPoseTime = 10;
// Motion bits cleared, the hit bit set and the pose timer started.
void EnterHitPose(SCreature& creature);
// The creature's sprite, while it has one, is drawn with the palette in this slot.
void SetSpritePalette(SMapGrid& grid, const SCreature& creature, uint16_t slot);
// The owner object is marked dead.
bool IsMarkedDead(const SMap& map, const SCreature& creature);
