#pragma once
// The nine clocks that pace the play screen's world against the millisecond tick count. A clock
// fires when more than its period has passed since it last fired, at most once a frame, however
// long the frame took. Elapsed time is the unsigned difference of two tick counts, so the wrap of
// the counter after 49.7 days passes unnoticed.
#include <cstdint>

enum class SPlayClock : uint8_t {
    kNearbyCellsA,    // 200 ms: the nearby-cell update
    kNearbyCellsB,    // 200 ms: the same update, second flag
    kGround,          // 150 ms: ground animation
    kCreatureSecond,  // 1000 ms: the walking creatures' next frame
    kDoors,           // 30 ms: map objects that move, such as doors
    kSkyDrift,        // 30 ms, only while the sky drifts
    kCreatureFrame,   // 30 ms, or at once when forced: the creatures' pose timers count down
    kMovement,        // 20 ms: turning, walking, bumps and the view
    kPersons,         // 30 ms: the townspeople in view
    kCount
};

class SPlayClocks {
public:
    static constexpr int kCount = int(SPlayClock::kCount);

    // The clocks that fire at `now`, as bits 1 << clock; each fired clock records now and counts
    // one. The sky-drift clock stands still while the sky does not drift; the creature frame
    // fires at once when forced.
    uint32_t Advance(uint32_t now, bool skyDrifts, bool forceCreatureFrame);
    // Every clock counts its period from now, as if it had just fired.
    void Restart(uint32_t now);

    static uint32_t Period(SPlayClock clock);
    static uint32_t Bit(SPlayClock clock) { return 1u << unsigned(clock); }
    bool FiredLast(SPlayClock clock) const { return (m_fired & Bit(clock)) != 0; }
    uint32_t FiredLast() const { return m_fired; }
    uint32_t Count(SPlayClock clock) const { return m_clocks[int(clock)].count; }

private:
    struct Clock {
        uint32_t count = 0;
        uint32_t last = 0;  // the tick count of the last firing
    };
    Clock m_clocks[kCount];
    uint32_t m_fired = 0;
};
