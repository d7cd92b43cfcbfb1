#pragma once
#include <cstdint>

namespace HAL {

// The framework's millisecond clock. It reads the high-resolution counter when the device has one
// and falls back to the tick count otherwise; the choice is made on the first reading.
class Clock {
public:
    uint32_t Now();

private:
    bool m_started = false;
    uint64_t m_divisor = 0;  // counter ticks per millisecond; 0 = use the tick count
};

// Milliseconds since an arbitrary origin; wraps at 2^32, so elapsed times are always taken as the
// unsigned difference of two readings.
uint32_t GetTime();

}  // namespace HAL
