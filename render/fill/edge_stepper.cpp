#include "render/fill/edge_stepper.h"

void SetupEdge4(EdgeStepper& stepper, int32_t a0, int32_t m0, int32_t a1, int32_t m1) {
    const int64_t divisor = int64_t(m1) - m0;
    const int64_t delta = int64_t(a1) - a0;
    const int64_t pre = FirstCentreAtOrAfter(m0) - int64_t(m0);
    stepper.m_value = int32_t(a0 + pre * delta / divisor);
    stepper.m_wholeStep = int32_t(delta * 16 / divisor);
    stepper.m_rising = delta > 0;
    stepper.m_direction = stepper.m_rising ? 1 : -1;
    const int64_t magnitude = stepper.m_rising ? delta : -delta;
    stepper.m_divisor = int32_t(divisor);
    stepper.m_error = int32_t(magnitude * pre % divisor);
    stepper.m_remainderStep = int32_t(magnitude * 16 % divisor);
}
