#pragma once
// Progress of a long load counted in steps. It stands where the loading dialog will show the
// same progress: started with the number of steps, advanced once per step.
#include <cstdint>

class SLoadingSteps {
public:
    void Start(uint32_t count) {
        m_count = count;
        m_current = 0;
    }
    // Held at the step count.
    void Step() {
        if (m_current < m_count) ++m_current;
    }
    uint32_t Current() const { return m_current; }
    uint32_t Count() const { return m_count; }

private:
    uint32_t m_count = 0;
    uint32_t m_current = 0;
};
