#pragma once
// An exact digital differential analyser over one polygon edge segment, stepped from pixel centre
// to pixel centre of the major axis.
#include <cstdint>

// The value is the exact edge value truncated towards the segment's start value; error / divisor
// is the part cut off. Products that can pass 32 bits (a value times a depth, a difference times
// 16) are formed in 64 bits; a value between two 32-bit end values is stepped in wrapping
// arithmetic, so it comes out right even when a narrowed whole step does not fit.
struct EdgeStepper {
    int32_t m_value = 0;
    int32_t m_direction = 0;  // +1 or -1
    int32_t m_wholeStep = 0;
    int32_t m_remainderStep = 0;
    int32_t m_divisor = 1;
    int32_t m_error = 0;
    bool m_rising = false;  // the value grows along the segment

    // To the next pixel centre, 16 further along the major axis.
    void Step() {
        m_value = int32_t(uint32_t(m_value) + uint32_t(m_wholeStep));
        m_error += m_remainderStep;
        if (m_error >= m_divisor) {
            m_error -= m_divisor;
            m_value = int32_t(uint32_t(m_value) + uint32_t(m_direction));
        }
    }
};

// Sets the stepper up for the segment from value a0 at major coordinate m0 to a1 at m1 (28.4, m1
// greater than m0), holding the value at the first pixel centre at or after m0.
void SetupEdge4(EdgeStepper& stepper, int32_t a0, int32_t m0, int32_t a1, int32_t m1);

// The first pixel centre (8 mod 16) at or after a 28.4 coordinate.
inline int32_t FirstCentreAtOrAfter(int32_t m) { return ((m + 7) & ~15) + 8; }
