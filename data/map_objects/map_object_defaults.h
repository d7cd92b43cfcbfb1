#pragma once
// What every map-object type code brings before its record says more: one row per type code 0 to 43.
#include <cstdint>

struct SMapObjectDefaults {
    // Words 0 and 2 of the row belong to the renderer and the play screen; they are carried as the
    // game defines them.
    uint32_t word0;
    uint16_t flags;  // the type's flags in data older than version 11, which store none
    uint32_t word2;
    uint16_t renderValue;
};

constexpr int kMapObjectTypeCodes = 44;
// Codes 1 to 43 name classes; 0 is the row of no type.
constexpr int kFirstMapObjectTypeCode = 1;
constexpr int kLastMapObjectTypeCode = 43;

// The row of a type code; codes outside 0..43 get the row of code 0.
const SMapObjectDefaults& MapObjectDefaults(int typeCode);
