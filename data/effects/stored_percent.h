#pragma once
// Percentages of resistances and of the bonuses to magic, melee and single spells are kept offset
// by 100, so that a stored 0 is not mistaken for "no change": 150 means +50%, 50 means -50%, and
// values below -100 count the other way (-150 means -50%).
#include <cstdint>

constexpr int32_t StoredPercent(int32_t stored) { return stored >= -100 ? stored - 100 : stored + 100; }
