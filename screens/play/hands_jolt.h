#pragma once
// SHandsJolt: the bob of the first-person hands while the player walks. Each step starts a jolt
// from where the hands are; every walking tick then moves the weapon hand one way and the off hand
// the other by the step tables, and the last entry brings both back. From step to step the
// direction runs +, -, -, +, so the hands rock like a walker's shoulders.
#include <cstdint>

struct SFpsBlock;

class SHandsJolt {
public:
    // Walking ticks a jolt lasts: a step at normal pace takes eight movement ticks.
    static constexpr int kSteps = 8;
    // The hands' horizontal percentages start no higher, so that a sway never pushes them past
    // their picture's whole width.
    static constexpr uint16_t kMostHorizontal = 95;

    // A new step: the hands' percentages now become the jolt's bases.
    void Start(const SFpsBlock& fps);
    // One walking tick: the hands at their bases moved by the tables' entry for the tick. False,
    // changing nothing, once the jolt is over or before one started.
    bool Step(SFpsBlock& fps);

private:
    uint32_t m_count = 0;  // jolts started
    int m_step = kSteps;
    uint16_t m_weaponX = 0, m_weaponY = 0;
    uint16_t m_offX = 0, m_offY = 0;
};
