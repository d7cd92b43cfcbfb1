#pragma once
// The game clock counts minutes; its days are this long.
#include <cstdint>

inline constexpr uint32_t kMinutesPerDay = 24 * 60;
