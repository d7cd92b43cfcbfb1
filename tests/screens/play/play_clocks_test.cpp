#include "screens/play/play_clocks.h"

#include <gtest/gtest.h>

#include <array>

namespace play_clocks_test {

namespace {

using Counts = std::array<uint32_t, SPlayClocks::kCount>;

// Frames of one interval from a start tick; the counts are A, B, C, S, D, E, F, M, G.
struct PacingRow {
    const char* name;
    uint32_t interval;
    uint32_t start;
    int frames;
    bool skyDrifts;
    Counts expected;
};

// The clocks fire when more than their period has passed: on 40 ms frames the 30 ms clocks fire
// every frame, on 30 ms frames every second one; the 20 ms movement clock fires every frame.
const PacingRow kPacing[] = {
    {"40 ms frames", 40, 1000, 10, false, {1, 1, 2, 0, 10, 0, 10, 10, 10}},
    {"30 ms frames", 30, 1000, 10, false, {1, 1, 1, 0, 5, 0, 5, 10, 5}},
    {"30 ms frames for 1.2 s", 30, 1000, 40, true, {5, 5, 6, 1, 20, 20, 20, 40, 20}},
    {"40 ms frames across the tick counter's wrap", 40, 0xFFFFFFFFu - 45, 10, false, {1, 1, 2, 0, 10, 0, 10, 10, 10}},
    {"30 ms frames across the wrap", 30, 0xFFFFFFFFu - 10, 40, true, {5, 5, 6, 1, 20, 20, 20, 40, 20}},
};

TEST(PlayClocksTest, eachClockFiresByItsPeriodAtMostOnceAFrame) {
    for (const PacingRow& row : kPacing) {
        SPlayClocks clocks;
        clocks.Restart(row.start);
        uint32_t now = row.start;
        for (int frame = 0; frame < row.frames; ++frame) {
            now += row.interval;
            clocks.Advance(now, row.skyDrifts, false);
        }
        for (int c = 0; c < SPlayClocks::kCount; ++c)
            EXPECT_EQ(clocks.Count(SPlayClock(c)), row.expected[size_t(c)]) << row.name << ", clock " << c;
    }
}

// A frame that comes late, even by minutes, fires each clock once; the clocks then count from it.
TEST(PlayClocksTest, aLongPauseFiresEachClockOnceAndRestartsItsPeriod) {
    SPlayClocks clocks;
    clocks.Restart(500);
    EXPECT_EQ(clocks.Advance(500 + 300'000, false, false),
              ~SPlayClocks::Bit(SPlayClock::kSkyDrift) & ((1u << SPlayClocks::kCount) - 1));
    EXPECT_EQ(clocks.Advance(500 + 300'020, false, false), 0u) << "exactly the period is not more than it";
    EXPECT_EQ(clocks.Advance(500 + 300'021, false, false), SPlayClocks::Bit(SPlayClock::kMovement));
}

TEST(PlayClocksTest, aForcedCreatureFrameFiresAtOnce) {
    SPlayClocks clocks;
    clocks.Restart(100);
    EXPECT_EQ(clocks.Advance(101, false, true), SPlayClocks::Bit(SPlayClock::kCreatureFrame));
    EXPECT_TRUE(clocks.FiredLast(SPlayClock::kCreatureFrame));
    EXPECT_EQ(clocks.Advance(102, false, false), 0u);
}

}  // namespace

}  // namespace play_clocks_test
