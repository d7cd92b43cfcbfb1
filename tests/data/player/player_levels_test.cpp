#include <gtest/gtest.h>

#include "data/player/experience_table.h"
#include "data/player/player_fixture.h"

namespace player_levels_test {

namespace {

class PlayerLevelTest : public PlayerTest {
protected:
    void SetUp() override { StartBaseGame(); }
};

TEST_F(PlayerLevelTest, reachingLevelsPaysEachLevelAndAnnouncesOnce) {
    struct Case {
        uint32_t xp;
        uint32_t level;
        uint32_t attributePoints;
        uint32_t skillPoints;
        uint32_t nextLevelXp;
    };
    const Case cases[] = {
        {399, 1, 0, 0, 400},
        {400, 2, 5, 10, 900},
        {1500, 4, 15, 30, 2500},
    };
    for (const Case& c : cases) {
        StartBaseGame();
        screen.queued.clear();
        player.AddXp(int32_t(c.xp), false);
        EXPECT_EQ(player.Level(), c.level) << c.xp;
        EXPECT_EQ(player.AttributePoints(), c.attributePoints) << c.xp;
        EXPECT_EQ(player.SkillPoints(), c.skillPoints) << c.xp;
        EXPECT_EQ(player.NextLevelXp(), c.nextLevelXp) << c.xp;
        EXPECT_EQ(player.AttributeAllowance(1), (c.level - 1) * 2) << c.xp;
        // The excluded skill (Undead Magic for race 2) gets no allowance.
        EXPECT_EQ(player.SkillAllowance(1), (c.level - 1) * 2) << c.xp;
        EXPECT_EQ(player.SkillAllowance(12), 0u) << c.xp;
        ASSERT_EQ(screen.queued.size(), c.level > 1 ? 1u : 0u) << c.xp;
        if (c.level > 1) {
            EXPECT_EQ(screen.queued[0].sound, "bsnd_newlevel");
        }
    }
}

TEST_F(PlayerLevelTest, theLevelMessageNamesTheRaisedSkills) {
    struct Case {
        std::vector<uint32_t> used;
        const char* skillsLine;
    };
    const Case cases[] = {
        {{}, ""},
        {{7}, "\rYour Accuracy skill has been increased."},
        {{7, 2}, "\rYour Light Weapon and Accuracy skills have been increased."},
        {{7, 2, 18}, "\rYour Light Weapon, Accuracy and Lockpick skills have been increased."},
    };
    for (const Case& c : cases) {
        StartBaseGame();
        screen.queued.clear();
        for (uint32_t skill : c.used) player.CountSkillUse(skill);
        player.AddXp(400, false);
        ASSERT_EQ(screen.queued.size(), 1u);
        EXPECT_EQ(screen.queued[0].text, std::string("You have reached level 2.\r--------------") + c.skillsLine +
                                             "\rYou can spend the available points on your attributes and skills, "
                                             "check your status screen.");
        for (uint32_t skill : c.used) EXPECT_EQ(player.SkillValue(skill), 11);
    }
}

TEST_F(PlayerLevelTest, aLossDropsOneLevelPerCheckAndRegainedLevelsPayNothing) {
    player.AddXp(1500, false);
    ASSERT_EQ(player.Level(), 4u);
    screen.queued.clear();
    player.RemoveXp(1000, false, false);
    EXPECT_EQ(player.Level(), 3u);
    ASSERT_EQ(screen.queued.size(), 1u);
    EXPECT_EQ(screen.queued[0].text, "You have lost a level.");
    EXPECT_EQ(screen.queued[0].sound, "bsnd_loselevel");
    player.CheckLevelUp();
    EXPECT_EQ(player.Level(), 2u);
    EXPECT_EQ(player.NextLevelXp(), 900u);

    screen.queued.clear();
    player.AddXp(900, false);  // 1,400: below the peak of 1,500
    EXPECT_EQ(player.Level(), 3u);
    EXPECT_EQ(player.AttributePoints(), 15u);
    EXPECT_TRUE(screen.queued.empty());
    player.AddXp(1100, false);  // 2,500: level 5 is new
    EXPECT_EQ(player.Level(), 5u);
    EXPECT_EQ(player.AttributePoints(), 25u);
    EXPECT_EQ(screen.queued.size(), 1u);
}

TEST_F(PlayerLevelTest, losingMoreThanIsHeldStopsAtZeroAndCanBeRestored) {
    player.AddXp(300, false);
    player.RemoveXp(500, true, true);
    EXPECT_EQ(player.Xp(), 0u);
    EXPECT_EQ(player.SavedXp(), 300u);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"You have lost 300 xp.", "It can be restored somehow."}));
    messages.shown.clear();
    player.RestoreSavedXp();
    player.RestoreSavedXp();
    EXPECT_EQ(player.Xp(), 300u);
    EXPECT_FALSE(player.HasSavedXp());
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"300 xp has been restored.", "You don't have xp to be restored."}));
}

TEST_F(PlayerLevelTest, aNegativeAmountLargerThanTheExperienceStopsAtZero) {
    player.AddXp(300, true);
    player.AddXp(-1000, true);
    EXPECT_EQ(player.Xp(), 0u);
    EXPECT_EQ(player.Level(), 1u);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"You have received 300 xp.", "You have lost 1000 xp."}));
}

TEST_F(PlayerLevelTest, levelNinetyNineIsTheLast) {
    player.AddXp(int32_t(ExperienceForLevel(99)), false);
    EXPECT_EQ(player.Level(), 99u);
    player.AddXp(INT32_MAX, false);
    EXPECT_EQ(player.Level(), 99u);
    EXPECT_EQ(screen.queued.size(), 1u);
}

TEST_F(PlayerLevelTest, drainingTakesAHundredthLessTheMagicResistance) {
    player.AddXp(100000, false);
    // Intelligence 15: magic resistance 7; the roll passes almost always, so drain until it does.
    for (int i = 0; i < 20 && player.Xp() == 100000; ++i) player.DrainXp();
    EXPECT_EQ(player.Xp(), 100000u - (1000 - 1000 * 7 / 100));
    EXPECT_EQ(player.SavedXp(), 930u);
}

}  // namespace

}  // namespace player_levels_test
