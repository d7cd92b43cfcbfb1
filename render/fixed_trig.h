#pragma once
// Sine and cosine in 16.16 fixed point, and the turn from 16.16 degrees to 16.16 radians, as the
// 3-D view computes them once per frame or per projection change.
#include <cstdint>

inline constexpr int32_t kFixedHalfPi = 102943;
inline constexpr int32_t kFixedPi = 205887;
inline constexpr int32_t kFixedThreeHalfPi = 308831;
inline constexpr int32_t kFixedTwoPi = 411774;

// 16.16 degrees to 16.16 radians, truncating.
int32_t DegreesToRadians(int32_t degrees);
// The sine's Taylor series to the x^7 term, for 0 to pi/2; a value below that goes through the
// series as it is.
int32_t FixedSinPoly(int32_t x);
// For 0 to 2 pi, folded onto the series.
int32_t FixedSin(int32_t x);
int32_t FixedCos(int32_t x);
