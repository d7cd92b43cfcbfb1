#pragma once
// The items page's grid on each screen mode: cell size, columns and rows, the picture set of its
// frames (1 small frames, 2 large frames, 3 the scene frames) and which outer sides it frames.
#include <cstdint>

struct SItemGridGeometry {
    uint32_t cellW = 40;
    uint32_t cellH = 40;
    uint32_t columns = 4;
    uint32_t rows = 5;
    uint32_t pictureSet = 3;
    uint32_t frameFlags = 15;
};

// Modes 12 and 13 (wide and narrow small screens the modes table leaves out) and any mode outside
// the table take mode 6's grid, the smallest of the small screens.
SItemGridGeometry ItemGridGeometry(uint32_t screenMode);
