#pragma once
// A status or refusal message in a screen's panel stays for three seconds; the screen's tick asks
// whether it is over and then clears the panel.
#include <cstdint>

class SStatusTimer {
public:
    static constexpr uint32_t kShowMs = 3000;

    // Every new message shows for the full time.
    void Start(uint32_t now) {
        m_shownAt = now;
        m_running = true;
    }
    // True once, on the first tick at least kShowMs after the message appeared; the difference is
    // taken unsigned so that the tick counter's wrap cuts no message short.
    bool Expired(uint32_t now) {
        if (!m_running || now - m_shownAt < kShowMs) return false;
        m_running = false;
        return true;
    }
    bool Running() const { return m_running; }

private:
    uint32_t m_shownAt = 0;
    bool m_running = false;
};
