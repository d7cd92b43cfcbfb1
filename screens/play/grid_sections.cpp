#include "screens/play/grid_sections.h"

namespace {

constexpr int kZoneCells = 7;
constexpr int kZonesPerRow = 5;

constexpr SSectionSlot kSlots[kSectionSlots] = {
    {-1, -1, 14, 14, 7, 7, 0, 0}, {0, -1, 0, 14, 21, 7, 7, 0}, {1, -1, 0, 14, 7, 7, 28, 0},
    {-1, 0, 14, 0, 7, 21, 0, 7},  {0, 0, 0, 0, 21, 21, 7, 7},  {1, 0, 0, 0, 7, 21, 28, 7},
    {-1, 1, 14, 0, 7, 7, 0, 28},  {0, 1, 0, 0, 21, 7, 7, 28},  {1, 1, 0, 0, 7, 7, 28, 28},
};

// Zone rows top to bottom: the corners and edges take the neighbours, the middle nine the section.
constexpr uint8_t kZoneSlot[kZonesPerRow * kZonesPerRow] = {
    0, 1, 1, 1, 2,  //
    3, 4, 4, 4, 5,  //
    3, 4, 4, 4, 5,  //
    3, 4, 4, 4, 5,  //
    6, 7, 7, 7, 8,
};

}  // namespace

const SSectionSlot& SectionSlot(int slot) { return kSlots[slot]; }

int SectionSlotAt(int x, int y) { return kZoneSlot[(y / kZoneCells) * kZonesPerRow + x / kZoneCells]; }
