#pragma once
// SActingMonster: a creature's part in a monster turn, from the turn's start until its action is
// done: where it stood, what it does, the cell it walks to and how far it still has to go.
#include <cstdint>

class SMap;
struct SCreature;

struct SActingMonster {
    enum Action : uint8_t {
        kStrike = 1,  // a blow, or a missile when in line
        kCast = 2,
        kCloseIn = 3,
        kStay = 4,
        kAttackDone = 5,
        kBackOff = 6,
        kCloseInRanged = 7,
        kTurnAndShoot = 8,
    };
    // The actions that walk one cell.
    static bool Walks(uint8_t action) { return action == kCloseIn || action == kBackOff || action == kCloseInRanged; }
    // The actions that start an attack on the turn's first frames.
    static bool Attacks(uint8_t action) { return action == kStrike || action == kCast || action == kTurnAndShoot; }

    SCreature* creature = nullptr;
    SMap* map = nullptr;  // the zone's map that held the creature when the turn began
    uint8_t slot = 0;
    int8_t startX = 0, startY = 0;
    uint8_t slotChoice = 0;
    int8_t targetX = 0, targetY = 0;
    int8_t currentX = 0, currentY = 0;
    uint8_t side = 0;  // where the creature stands as seen from the player
    uint8_t action = kStay;
    int32_t remaining = 0;  // of the walk, in 1/65,536 cells
    int32_t stepX = 0, stepY = 0;
    int8_t dx = 0, dy = 0;
    uint8_t ranged = 0;
};
