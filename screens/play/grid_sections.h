#pragma once
// How the play screen's 35 x 35 grid is made of map sections on the surface: the current section
// in its middle (cells 7 to 27 on both axes) and a 7-cell border taken from each of the eight
// neighbours. The grid falls into 5 x 5 zones of 7 x 7 cells; each zone shows one section slot.
#include <cstdint>

struct SSectionSlot {
    int dx, dy;  // the section's offset from the current one, in sections
    int x, y;    // the part of the section the grid shows, in the section's own cells
    int w, h;
    int gx, gy;  // where that part lies on the grid
};

// On the surface the player stands in the middle section, grid cells 7 to 27 on both axes.
inline constexpr int kFirstMiddleCell = 7;
inline constexpr int kLastMiddleCell = 27;
inline constexpr int kSectionSlots = 9;
inline constexpr int kCurrentSectionSlot = 4;

const SSectionSlot& SectionSlot(int slot);
// The slot whose section covers grid cell (x, y), which must lie on the grid.
int SectionSlotAt(int x, int y);
