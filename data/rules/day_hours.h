#pragma once
// The hours of daylight: from six in the morning to the end of nine in the evening.
#include <cstdint>

inline constexpr uint32_t kFirstDayHour = 6;
inline constexpr uint32_t kLastDayHour = 21;
