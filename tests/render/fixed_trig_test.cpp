#include "render/fixed_trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fixed_trig_test {

namespace {

TEST(FixedTrigTest, staysWithinAThousandthOfTheRealFunctions) {
    for (int32_t x = 0; x < kFixedTwoPi; x += 3) {
        const double radians = x / 65536.0;
        ASSERT_NEAR(FixedSin(x) / 65536.0, std::sin(radians), 0.001) << "sin at " << x;
        ASSERT_NEAR(FixedCos(x) / 65536.0, std::cos(radians), 0.001) << "cos at " << x;
    }
}

// The series is cut after x^7 and works in 3.13, so a quarter turn comes out 8 short of one.
TEST(FixedTrigTest, aQuarterTurnComesOutEightShortOfOne) {
    EXPECT_EQ(FixedSin(kFixedHalfPi), 65528);
    EXPECT_EQ(FixedCos(0), 65528);
    EXPECT_EQ(FixedSin(0), 0);
}

// The series divides by 3!, 5! and 7!, truncating: shifting instead would round every term down.
TEST(FixedTrigTest, theSeriesDividesItsTermsTruncating) {
    // t = 8191 (just under 1.0 in 3.13): t^3 = 8189, t^5 = 8187, t^7 = 8185 after the shifts, and
    // 8191 - 1364 + 68 - 1 = 6894, times 8.
    EXPECT_EQ(FixedSinPoly(8191 << 3), 55152);
}

TEST(FixedTrigTest, degreesBecomeRadiansTruncating) {
    struct Row {
        int32_t degrees;  // 16.16
        int32_t radians;
    };
    // (a >> 12) x 12867 / 180: the low 12 bits of the degrees are dropped first, so the result moves
    // in steps of a sixteenth of a degree, and a quarter turn lands 7 short of pi / 2.
    for (Row row : {Row{0, 0}, Row{90 << 16, 102936}, Row{30 << 16, 34312}, Row{(30 << 16) + 4095, 34312},
                    Row{(30 << 16) + 4096, 34383}, Row{359 << 16, 410600}}) {
        EXPECT_EQ(DegreesToRadians(row.degrees), row.radians) << row.degrees;
    }
}

}  // namespace

}  // namespace fixed_trig_test
