#include "data/player/experience_table.h"

#include <gtest/gtest.h>

namespace experience_table_test {

namespace {

TEST(ExperienceTableTest, entriesFollowTheListAndTheGrowingSteps) {
    struct Case {
        uint32_t level;
        uint32_t xp;
    };
    // 42 tells the growth after entry 41 from one after entry 40 (which would give 13,170,000).
    const Case cases[] = {
        {0, 0},         {1, 0},         {2, 400},       {30, 4130000},  {31, 4570000},  {32, 5150000},  {33, 5770000},
        {40, 11230000}, {41, 12170000}, {42, 13150000}, {43, 14190000}, {50, 23150000}, {51, 24670000}, {99, 215990000},
    };
    for (const Case& c : cases) EXPECT_EQ(ExperienceForLevel(c.level), c.xp) << "level " << c.level;
}

TEST(ExperienceTableTest, levelsPastTheTableNeedWhatTheLastDoes) {
    EXPECT_EQ(ExperienceForLevel(100), ExperienceForLevel(99));
    EXPECT_EQ(ExperienceForLevel(255), ExperienceForLevel(99));
}

}  // namespace

}  // namespace experience_table_test
