#include "framework/hal_clock.h"

#include "platform/clock.h"

namespace HAL {

uint32_t Clock::Now() {
    if (!m_started) {
        m_started = true;
        uint64_t frequency = 0;
        if (platform::QueryCounterFrequency(frequency)) m_divisor = frequency / 1000;
    }
    if (m_divisor == 0) return platform::TickCount();
    return uint32_t(platform::QueryCounter() / m_divisor);
}

uint32_t GetTime() {
    static Clock clock;
    return clock.Now();
}

}  // namespace HAL
