#include "engine/draw/screen_type.h"

bool IsSmallScreenType(uint32_t screenType) {
    switch (screenType) {
        case 2:
        case 5:
        case 6:
        case 7:
        case 8:
        case 12:
        case 13:
        case 16: return true;
        default: return false;
    }
}

bool IsLargeScreenType(uint32_t screenType) {
    switch (screenType) {
        case 9:
        case 10:
        case 11:
        case 14:
        case 15: return true;
        default: return false;
    }
}
