#include <gtest/gtest.h>

#include "data/player/player_fixture.h"

namespace player_standing_test {

namespace {

using PlayerStandingTest = BaseGamePlayerTest;

TEST_F(PlayerStandingTest, fameStopsAtItsBoundsAndZeroCountsAsAnIncrease) {
    struct Case {
        int32_t delta;
        int32_t fame;
        const char* message;
    };
    const Case cases[] = {
        {990, 990, "Your fame has been increased."},         {50, 1000, "Your fame has been increased."},
        {0, 1000, "Your fame has been increased."},          {-5000, -1000, "Your fame has been decreased."},
        {INT32_MIN, -1000, "Your fame has been decreased."}, {INT32_MAX, 1000, "Your fame has been increased."},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        player.AddFame(c.delta);
        EXPECT_EQ(player.Fame(), c.fame) << c.delta;
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message}) << c.delta;
    }
}

TEST_F(PlayerStandingTest, fameTitlesMarkOnlyTheExactEndsOfTheScale) {
    struct Case {
        int32_t fame;
        const char* title;
    };
    const Case cases[] = {
        {1000, "Blessed"}, {101, "Blessed"},    {100, "Saint"},       {99, "Blessed"},    {80, "Blessed"},
        {79, "Blameless"}, {50, "Blameless"},   {49, "Virtuous"},     {20, "Virtuous"},   {19, "Good"},
        {1, "Good"},       {0, "Neutral"},      {-1, "Immoral"},      {-19, "Immoral"},   {-20, "Corrupt"},
        {-49, "Corrupt"},  {-50, "Evil"},       {-79, "Evil"},        {-80, "Pure evil"}, {-99, "Pure evil"},
        {-100, "Demonic"}, {-101, "Pure evil"}, {-1000, "Pure evil"},
    };
    for (const Case& c : cases) {
        player.AddFame(c.fame - player.Fame());
        EXPECT_STREQ(player.GetFameTitle(), c.title) << c.fame;
    }
}

TEST_F(PlayerStandingTest, crimeStaysWithinItsBoundsAndTellsHowItStands) {
    struct Case {
        int32_t delta;
        uint32_t crime;
        const char* message;
    };
    const Case cases[] = {
        {3, 3, "You have committed a crime."},          {-5, 0, "Your crime records have been cleared."},
        {2000, 1000, "You have committed a crime."},    {-1, 999, "Your criminal status has lessened."},
        {0, 999, "Your criminal status has lessened."}, {INT32_MIN, 0, "Your crime records have been cleared."},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        player.AddCrime(c.delta);
        EXPECT_EQ(player.Crime(), c.crime) << c.delta;
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message}) << c.delta;
    }
}

TEST_F(PlayerStandingTest, clearingACleanRecordSaysNothing) {
    player.ClearCrime();
    EXPECT_TRUE(messages.shown.empty());
    player.AddCrime(4);
    player.ClearCrime();
    EXPECT_EQ(player.Crime(), 0u);
    EXPECT_EQ(messages.shown.back(), "Your crime records have been cleared.");
}

TEST_F(PlayerStandingTest, theFineIsAHundredGoldPerCrimePoint) {
    player.AddCrime(3);
    player.RemoveGold(UINT32_MAX, false);
    player.ReceiveGold(299, false, false);
    EXPECT_FALSE(player.CanPayCrimeFine());
    player.ReceiveGold(1, false, false);
    EXPECT_TRUE(player.CanPayCrimeFine());
}

}  // namespace

}  // namespace player_standing_test
