#pragma once
// SPerson: a townsperson within sight of the player, as the play screen walks it about: wandering
// cell by cell inside its own 7 x 7 zone, waiting, pausing, looking at others or at the player.
// Cells are grid cells; the person's sprite keeps where in the cell it stands. The creature is held
// by its number on its map and looked up when wanted: a creature may leave the map (killed, taken
// away by a script) while its record lives, and the maps go with their world.
#include <cstdint>

class SMap;

struct SPerson {
    enum State : uint8_t { kChoose = 0, kWalking = 1, kWaiting = 2, kPausing = 3 };

    SMap* map = nullptr;  // the map (zone) it belongs to
    uint8_t id = 0;       // its creature's number on that map
    int32_t timer = 0;    // walking: the distance left in 1/65,536 cell; waiting: the time left
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

// The person nearest the player's reach, within 2 cells: its creature's number on the map of its
// grid cell (x, y); 0 for none.
struct SNearbyPerson {
    uint8_t id = 0;
    int x = 0, y = 0;
};
