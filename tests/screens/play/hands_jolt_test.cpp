#include "screens/play/hands_jolt.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/view_descriptor.h"

namespace hands_jolt_test {

namespace {

SFpsBlock hands(uint16_t weaponX, uint16_t weaponY, uint16_t offX, uint16_t offY) {
    SFpsBlock fps;
    fps.m_firstWidthPercent = weaponX;
    fps.m_firstHeightPercent = weaponY;
    fps.m_secondWidthPercent = offX;
    fps.m_secondHeightPercent = offY;
    return fps;
}

// The weapon hand's horizontal offsets of one whole jolt, by walking tick.
std::vector<int> weaponSway(SHandsJolt& jolt, SFpsBlock& fps) {
    jolt.Start(fps);
    const int base = fps.m_firstWidthPercent;
    std::vector<int> offsets;
    while (jolt.Step(fps)) offsets.push_back(int(fps.m_firstWidthPercent) - base);
    return offsets;
}

TEST(HandsJoltTest, nothingMovesBeforeAJoltStarts) {
    SHandsJolt jolt;
    SFpsBlock fps = hands(80, 70, 60, 50);
    EXPECT_FALSE(jolt.Step(fps));
    EXPECT_EQ(fps.m_firstWidthPercent, 80);
    EXPECT_EQ(fps.m_secondHeightPercent, 50);
}

// The hands move apart and come back to where they were once the step's ticks are over; the off
// hand mirrors the weapon hand.
TEST(HandsJoltTest, theHandsMoveOppositeWaysAndComeBackAtTheEndOfTheStep) {
    SHandsJolt jolt;
    SFpsBlock fps = hands(80, 70, 60, 50);
    jolt.Start(fps);
    int moved = 0;
    for (int tick = 0; tick < SHandsJolt::kSteps; ++tick) {
        ASSERT_TRUE(jolt.Step(fps)) << tick;
        EXPECT_EQ(int(fps.m_firstWidthPercent) - 80, 60 - int(fps.m_secondWidthPercent)) << tick;
        EXPECT_EQ(int(fps.m_firstHeightPercent) - 70, 50 - int(fps.m_secondHeightPercent)) << tick;
        if (fps.m_firstWidthPercent != 80 || fps.m_firstHeightPercent != 70) ++moved;
    }
    EXPECT_GT(moved, SHandsJolt::kSteps / 2);
    EXPECT_EQ(fps.m_firstWidthPercent, 80);
    EXPECT_EQ(fps.m_firstHeightPercent, 70);
    EXPECT_EQ(fps.m_secondWidthPercent, 60);
    EXPECT_EQ(fps.m_secondHeightPercent, 50);
    EXPECT_FALSE(jolt.Step(fps)) << "the jolt is over";
}

// Step by step the sway runs +, -, -, +, then again from the start.
TEST(HandsJoltTest, theSwayAlternatesLikeAWalkersShoulders) {
    SHandsJolt jolt;
    SFpsBlock fps = hands(50, 50, 50, 50);
    const std::vector<int> first = weaponSway(jolt, fps);
    ASSERT_EQ(first.size(), size_t(SHandsJolt::kSteps));
    std::vector<int> mirrored;
    for (int offset : first) mirrored.push_back(-offset);
    EXPECT_EQ(weaponSway(jolt, fps), mirrored);
    EXPECT_EQ(weaponSway(jolt, fps), mirrored);
    EXPECT_EQ(weaponSway(jolt, fps), first);
    EXPECT_EQ(weaponSway(jolt, fps), first);
}

// A hand shown whole starts its sway from 95 percent, and no percentage leaves 0 to 100.
TEST(HandsJoltTest, percentagesStayWithinThePictures) {
    SHandsJolt jolt;
    SFpsBlock fps = hands(100, 100, 100, 0);
    jolt.Start(fps);
    while (jolt.Step(fps)) {
        EXPECT_LE(fps.m_firstWidthPercent, 100);
        EXPECT_LE(fps.m_firstHeightPercent, 100);
        EXPECT_LE(fps.m_secondWidthPercent, 100);
        EXPECT_LE(fps.m_secondHeightPercent, 100);
    }
    EXPECT_EQ(fps.m_firstWidthPercent, SHandsJolt::kMostHorizontal);
    EXPECT_EQ(fps.m_secondWidthPercent, SHandsJolt::kMostHorizontal);
    EXPECT_EQ(fps.m_firstHeightPercent, 100);
    EXPECT_EQ(fps.m_secondHeightPercent, 0);
}

}  // namespace

}  // namespace hands_jolt_test
