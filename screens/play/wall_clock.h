#pragma once
// The wall-clock timers of the play screen (thunder, ambient voices) count local seconds.
#include <cstdint>

// The seconds since `last`. A clock that went back (the device's time was set) restarts the wait
// from now instead of holding it for as long as it went back.
inline uint32_t SecondsSince(uint32_t& last, uint32_t now) {
    if (now < last) last = now;
    return now - last;
}
