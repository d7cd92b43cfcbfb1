#pragma once
// The game clock counts minutes; its hours and days are this long.
#include <cstdint>

inline constexpr uint32_t kMinutesPerHour = 60;
inline constexpr uint32_t kMinutesPerDay = 24 * kMinutesPerHour;
