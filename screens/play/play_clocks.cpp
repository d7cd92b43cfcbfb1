#include "screens/play/play_clocks.h"

namespace {

constexpr uint32_t kPeriods[SPlayClocks::kCount] = {200, 200, 150, 1000, 30, 30, 30, 20, 30};

}  // namespace

uint32_t SPlayClocks::Period(SPlayClock clock) { return kPeriods[int(clock)]; }

uint32_t SPlayClocks::Advance(uint32_t now, bool skyDrifts, bool forceCreatureFrame) {
    m_fired = 0;
    for (int i = 0; i < kCount; ++i) {
        const auto clock = SPlayClock(i);
        if (clock == SPlayClock::kSkyDrift && !skyDrifts) continue;
        const bool forced = clock == SPlayClock::kCreatureFrame && forceCreatureFrame;
        Clock& c = m_clocks[i];
        if (!forced && now - c.last <= kPeriods[i]) continue;
        c.last = now;
        ++c.count;
        m_fired |= Bit(clock);
    }
    return m_fired;
}

void SPlayClocks::Restart(uint32_t now) {
    for (Clock& clock : m_clocks) clock.last = now;
    m_fired = 0;
}
