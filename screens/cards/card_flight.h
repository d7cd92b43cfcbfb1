#pragma once
// SCardFlight: one card moving across the card table, dealt from a pile to a hand or played from
// a hand to the table. It waits out its delay in frame ticks, then moves in equal steps with eight
// fraction bits and lands exactly on its target.
#include <cstdint>

class SCardCtrl;
struct SCard;

struct SCardFlight {
    static constexpr int32_t kSteps = 6;
    static constexpr int32_t kFractionBits = 8;

    enum class Stage { kWaiting, kStarted, kMoving, kLanded };

    // From (fromX, fromY) to (toX, toY), after `delay` ticks.
    SCardFlight(SCardCtrl& ctrl, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY, int32_t delay);
    // One frame tick: the delay counts down; once it has run out the card shows and moves a step
    // a tick (the first of them answers kStarted), and the tick after its last step it is placed
    // on the target and has landed.
    Stage Advance();

    SCardCtrl* ctrl = nullptr;
    const SCard* card = nullptr;
    uint32_t side = 0;
    int32_t slot = 0;
    bool play = false;  // played to the table, not dealt

private:
    int32_t m_stepX = 0, m_stepY = 0;
    int32_t m_x = 0, m_y = 0;  // with the fraction bits
    int32_t m_targetX = 0, m_targetY = 0;
    int32_t m_stepsLeft = kSteps;
    int32_t m_delay = 0;
};
