#pragma once
// Percentages of resistances and of the bonuses to magic, melee and single spells are kept offset
// by 100, so that a stored 0 is not mistaken for "no change": 150 means +50%, 50 means -50%, and
// values below -100 count the other way (-150 means -50%).
#include <cstdint>

constexpr int32_t StoredPercent(int32_t stored) { return stored >= -100 ? stored - 100 : stored + 100; }

// The stored form of a percentage, the other way. A 0 stays 0, so that a change resisted away is
// not kept as a full 100 percent.
constexpr int32_t PercentToStored(int32_t percent) {
    if (percent == 0) return 0;
    return percent < 0 ? percent - 100 : percent + 100;
}
