#pragma once
// The words item texts use for a condition, an outfit and how far an item may be enchanted.
#include <cstdint>

// From the condition in percent of the maximum: "broken" below 10, "poor" below 30, "average" below
// 70, "good" below 100, else "perfect".
const char* GetConditionWord(int32_t percent);
// The word of a condition out of a maximum, whole per cents rounded down; a maximum of 0 counts as
// undamaged. The item texts and the repair, alchemy and lock-picking dialogs all say it this way.
const char* GetConditionWord(uint32_t condition, uint32_t maxCondition);
// From ten times an item's outfit points: "plain" below 30, "regular" below 60, "fashionable"
// below 90, else "swell".
const char* GetOutfitWord(int32_t points);
// From the enchant capacity: "Unenchantable" at 0, then "Slightly", "Moderately", "May be",
// "Strongly" and "Superiorly enchantable" from 1, 100, 200, 300 and 500.
const char* GetEnchantabilityWord(uint32_t capacity);
