#pragma once
// SPerson: a townsperson within sight of the player, as the play screen walks it about: wandering
// cell by cell inside its own 7 x 7 zone, waiting, pausing, looking at others or at the player.
// Cells are grid cells; the person's sprite keeps where in the cell it stands.
#include <cstdint>

class SMap;
struct SCreature;

struct SPerson {
    enum State : uint8_t { kChoose = 0, kWalking = 1, kWaiting = 2, kPausing = 3 };

    SCreature* creature = nullptr;
    SMap* map = nullptr;
    int32_t timer = 0;  // walking: the distance left in 1/65,536 cell; waiting: the time left
    int16_t stepX = 0, stepY = 0;
    int8_t homeX = 0, homeY = 0;
    int8_t targetX = 0, targetY = 0;
    int8_t cellX = 0, cellY = 0;
    bool seen = false;
    uint8_t state = kChoose;
    int8_t facing = 0;       // side 0..3: north, east, south, west
    int8_t turnFacing = -1;  // a side shown for a few ticks on the way round, -1 none
    uint8_t turnCount = 0;
    // Where its sprite stood and how it posed, to put it back after the grid is built again.
    uint16_t displayX = 0, displayY = 0, pose = 0;
};

// The person nearest the player's reach, within 2 cells; what the player uses there talks to it.
struct SNearbyPerson {
    SCreature* creature = nullptr;
    int x = 0, y = 0;
};
