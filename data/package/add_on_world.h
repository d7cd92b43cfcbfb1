#pragma once
// An installed add-on world package, as the add-on worlds screen lists it.
#include <cstdint>

#include "engine/base/string.h"

struct SAddOnWorld {
    SString name;
    uint8_t official = 0;  // non-zero: shipped by the game's own maker
    uint8_t enabled = 0;
};
