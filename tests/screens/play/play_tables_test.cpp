#include "screens/play/play_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace play_tables_test {

namespace {

using namespace play_tables;

// The corner rule keeps a corner bit only where both edge bits beside it are set.
uint8_t cornerRule(uint8_t mask) {
    constexpr uint8_t corners[4][3] = {{2, 1, 4}, {8, 4, 16}, {32, 16, 64}, {128, 64, 1}};
    uint8_t kept = mask;
    for (const auto& c : corners)
        if ((mask & c[0]) && !((mask & c[1]) && (mask & c[2]))) kept &= uint8_t(~c[0]);
    return kept;
}

TEST(PlayTablesTest, theAmountLadderClimbsFromNothingToAThousandMillionIn228Steps) {
    const auto& ladder = AmountLadder();
    ASSERT_EQ(ladder.size(), 228u);
    EXPECT_EQ(ladder[0], 0u);
    EXPECT_EQ(ladder[20], 20u);
    EXPECT_EQ(ladder[21], 25u);
    EXPECT_EQ(ladder[24], 100u);
    EXPECT_EQ(ladder[25], 150u);
    EXPECT_EQ(ladder[218], 100'000'000u);
    EXPECT_EQ(ladder[219], 200'000'000u);
    EXPECT_EQ(ladder[227], 1'000'000'000u);
    for (size_t i = 1; i < ladder.size(); ++i) EXPECT_GT(ladder[i], ladder[i - 1]) << i;
}

// Every mask that survives the corner rule has a number of its own, 0 for the empty mask; every
// other mask has none, as the ground record build never asks for one.
TEST(PlayTablesTest, maskNumbersCoverExactlyTheMasksThatSurviveTheCornerRule) {
    std::set<int> numbers, variants;
    int surviving = 0;
    for (int m = 0; m < 256; ++m) {
        const auto mask = uint8_t(m);
        if (cornerRule(mask) != mask) {
            EXPECT_EQ(MaskNumber(mask), 0) << m;
            EXPECT_EQ(WallVariant(mask), 0) << m;
            continue;
        }
        ++surviving;
        numbers.insert(MaskNumber(mask));
        variants.insert(WallVariant(mask));
        if (m != 0) {
            EXPECT_NE(MaskNumber(mask), 0) << m;
        }
    }
    EXPECT_EQ(surviving, kCornerRuleMasks);
    EXPECT_EQ(numbers.size(), 47u) << "each surviving mask its own number";
    EXPECT_EQ(*numbers.rbegin(), 46);
    // Variants 1 to 47 but 16, and 0 for the full mask.
    std::set<int> expected{0};
    for (int v = 1; v <= 47; ++v)
        if (v != 16) expected.insert(v);
    EXPECT_EQ(variants, expected);
    EXPECT_EQ(WallVariant(255), 0);
    EXPECT_EQ(WallVariant(0), 15);
}

// The step tables keep the labels they were written with: the cell sides count east as 1, the
// persons and the step table east as 3.
TEST(PlayTablesTest, stepSidesFollowTheirOwnConventions) {
    EXPECT_EQ(kSideByStep[(0 + 1) + (-1 + 1) * 3], 0u);  // north
    EXPECT_EQ(kSideByStep[(-1 + 1) + (0 + 1) * 3], 1u);  // west
    EXPECT_EQ(kSideByStep[(1 + 1) + (0 + 1) * 3], 3u);   // east
    EXPECT_EQ(kSideByStep[(0 + 1) + (1 + 1) * 3], 2u);   // south
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(kPersonStepDx[i], kPersonStepDx[i + 4]);
        EXPECT_EQ(kSideDx[i], kPersonStepDx[i]);
        EXPECT_EQ(kSideDy[i], kPersonStepDy[i]);
    }
    EXPECT_EQ(kPersonStepSide[1], 3u) << "the step east";
}

}  // namespace

}  // namespace play_tables_test
