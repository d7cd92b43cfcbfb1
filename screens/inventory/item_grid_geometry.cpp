#include "screens/inventory/item_grid_geometry.h"

SItemGridGeometry ItemGridGeometry(uint32_t screenMode) {
    switch (screenMode) {
        case 2: return {40, 44, 4, 5, 3, 15};
        case 3: return {40, 40, 6, 4, 1, 15};
        case 4: return {50, 50, 4, 5, 1, 15};
        case 5:
        case 8: return {40, 40, 5, 2, 3, 15};
        case 7: return {40, 40, 5, 3, 3, 15};
        case 9: return {60, 57, 5, 7, 1, 5};
        case 10: return {60, 57, 6, 4, 1, 15};
        case 11: return {60, 57, 6, 3, 1, 15};
        case 14: return {64, 57, 7, 7, 1, 5};
        case 15: return {64, 60, 7, 8, 1, 5};
        case 16: return {40, 40, 6, 5, 3, 15};
        default: return {40, 40, 3, 5, 3, 15};
    }
}
