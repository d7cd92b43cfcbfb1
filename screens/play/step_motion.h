#pragma once
// SStepMotion: how one step carries the player through a cell, tick by tick, in 16.16 fractions of
// a cell. A walk goes all the way to the middle of the next cell; a bump (a blocked step) goes a
// little way towards it, stands a moment and comes back to the middle of its own.
#include <cstdint>

class SStepMotion {
public:
    // 16.16 per movement tick: a walk crosses a cell in 8 ticks, or 4 on the fast screens.
    static constexpr int32_t kWalkStep = 8192;
    static constexpr int32_t kFastWalkStep = 16384;
    static constexpr int32_t kBumpStep = 4096;

    // What a movement tick does: whether the player's place moves by the step, and whether the
    // bump's counters ran, which makes it a bump tick.
    struct STick {
        bool moves = false;
        bool bumpTick = false;
    };

    void StartWalk(int32_t dx, int32_t dy, bool fast);
    void StartBump(int32_t dx, int32_t dy, bool fast);
    STick Tick();
    // At the end of a frame with a movement tick: a bump that has gone its way and stood its pause
    // turns back towards the middle of its cell.
    void TurnBumpAround();
    void Stop() { *this = {}; }

    int32_t StepX() const { return m_stepX; }
    int32_t StepY() const { return m_stepY; }
    bool IsBump() const { return m_bump; }
    // A walk's ticks, where the hands bob: no bump, nothing left to wait or stand.
    bool IsWalking() const { return !m_bump && m_wait == 0 && m_pause == 0; }

private:
    int32_t m_stepX = 0, m_stepY = 0;
    // Ticks a bump still moves before it stands, and ticks it still stands.
    uint32_t m_wait = 0;
    uint32_t m_pause = 0;
    bool m_bump = false;
    bool m_fast = false;
};
