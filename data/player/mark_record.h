#pragma once
// SMarkRecord: a place the player marked to return to by a Recall spell.
#include <cstdint>

#include "engine/base/string.h"

struct SMarkRecord {
    SMarkRecord() { packageName.Assign("-"); }

    SString packageIdentifier;
    SString packageName;
    SString mapName;
    SString mapText;
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t direction = 0;
};
