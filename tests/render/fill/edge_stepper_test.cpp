#include "render/fill/edge_stepper.h"

#include <gtest/gtest.h>

#include <random>

namespace edge_stepper_test {

namespace {

// The stepper's promise at every pixel centre c of its segment: value + direction x error / divisor
// is the exact edge value a0 + (c - m0) x (a1 - a0) / (m1 - m0), with the error below the divisor,
// so that the value is the exact one truncated towards a0.
void ExpectExactAlongSegment(int32_t a0, int32_t m0, int32_t a1, int32_t m1) {
    EdgeStepper stepper;
    SetupEdge4(stepper, a0, m0, a1, m1);
    const int64_t d = int64_t(m1) - m0;
    for (int64_t c = FirstCentreAtOrAfter(m0); c < m1; c += 16) {
        const int64_t exact = int64_t(a0) * d + (c - m0) * (int64_t(a1) - a0);  // times d
        ASSERT_EQ(int64_t(stepper.m_value) * d + int64_t(stepper.m_direction) * stepper.m_error, exact)
            << a0 << " at " << m0 << " to " << a1 << " at " << m1 << ", centre " << c;
        ASSERT_GE(stepper.m_error, 0);
        ASSERT_LT(stepper.m_error, stepper.m_divisor);
        stepper.Step();
    }
}

TEST(EdgeStepperTest, holdsTheExactEdgeValueAtEveryPixelCentre) {
    struct Segment {
        int32_t a0, m0, a1, m1;
    };
    // Centres on the ends, just after them, negative coordinates, a flat edge, and values of
    // perspective size whose differences and products pass 32 bits.
    for (Segment s :
         {Segment{0, 0, 160, 160}, Segment{8, 8, 8, 200}, Segment{100, 9, -37, 333}, Segment{-50, -100, 77, 50},
          Segment{5, 24, 6, 200}, Segment{2000000000, 3, -2000000000, 900}, Segment{-2100000000, 0, 2100000000, 25}}) {
        ExpectExactAlongSegment(s.a0, s.m0, s.a1, s.m1);
    }
    std::mt19937 random(3);
    std::uniform_int_distribution<int32_t> value(-5000, 5000), major(-400, 400), length(1, 900);
    for (int i = 0; i < 2000; ++i) {
        const int32_t m0 = major(random);
        ExpectExactAlongSegment(value(random), m0, value(random), m0 + length(random));
    }
}

// pre is the way from m0 to the first pixel centre at or after it: 8 from a pixel's left edge, 0 on
// a centre, 15 just past one.
TEST(EdgeStepperTest, startsAtTheFirstPixelCentreAtOrAfterTheSegmentStart) {
    EXPECT_EQ(FirstCentreAtOrAfter(0), 8);
    EXPECT_EQ(FirstCentreAtOrAfter(8), 8);
    EXPECT_EQ(FirstCentreAtOrAfter(9), 24);
    EXPECT_EQ(FirstCentreAtOrAfter(-8), -8);
    EXPECT_EQ(FirstCentreAtOrAfter(-9), -8);
    EdgeStepper stepper;
    SetupEdge4(stepper, 0, 0, 16, 16);  // slope 1: the value at centre 8 is 8
    EXPECT_EQ(stepper.m_value, 8);
    EXPECT_TRUE(stepper.m_rising);
    SetupEdge4(stepper, 16, 0, 0, 16);
    EXPECT_EQ(stepper.m_value, 8);
    EXPECT_FALSE(stepper.m_rising);
    EXPECT_EQ(stepper.m_direction, -1);
}

}  // namespace

}  // namespace edge_stepper_test
