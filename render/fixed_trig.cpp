#include "render/fixed_trig.h"

int32_t DegreesToRadians(int32_t degrees) { return (degrees >> 12) * 12867 / 180; }

int32_t FixedSinPoly(int32_t x) {
    // In 3.13, where the powers up to t^7 keep their products inside 32 bits.
    const int32_t t = x >> 3;
    const int32_t t3 = ((t * t >> 13) * t) >> 13;
    const int32_t t5 = ((t3 * t >> 13) * t) >> 13;
    const int32_t t7 = ((t5 * t >> 13) * t) >> 13;
    return (t - t3 / 6 + t5 / 120 - t7 / 5040) * 8;
}

int32_t FixedSin(int32_t x) {
    if (x < kFixedHalfPi) return FixedSinPoly(x);
    if (x < kFixedPi) return FixedSinPoly(kFixedPi - x);
    if (x < kFixedThreeHalfPi) return -FixedSinPoly(x - kFixedPi);
    return -FixedSinPoly(kFixedTwoPi - x);
}

int32_t FixedCos(int32_t x) {
    if (x < kFixedHalfPi) return FixedSinPoly(kFixedHalfPi - x);
    if (x < kFixedPi) return -FixedSinPoly(x - kFixedHalfPi);
    if (x < kFixedThreeHalfPi) return -FixedSinPoly(kFixedThreeHalfPi - x);
    return FixedSinPoly(x - kFixedThreeHalfPi);
}
