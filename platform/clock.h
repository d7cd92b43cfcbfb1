#pragma once
// The device's clocks and sleeping.
#include <cstdint>

namespace platform {

// Ticks per second of the high-resolution counter; false when the device has none.
bool QueryCounterFrequency(uint64_t& frequency);
uint64_t QueryCounter();
// Milliseconds since the device started, wrapping at 2^32.
uint32_t TickCount();

void Sleep(uint32_t milliseconds);

// The wall-clock time of the device's own time zone, in seconds since 1 January 1970 (local time,
// not UTC: the game dates its files and seeds its generator with it).
int64_t LocalTimeSeconds();

}  // namespace platform
