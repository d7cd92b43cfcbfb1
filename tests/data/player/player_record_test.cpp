#include <gtest/gtest.h>

#include "data/player/player_fixture.h"

namespace player_record_test {

namespace {

TEST_F(PlayerTest, aNewPlayerHoldsTheConstructionDefaults) {
    const SPlayer fresh;
    EXPECT_EQ(fresh.Hp(), 40);
    EXPECT_EQ(fresh.Mana(), 40);
    EXPECT_EQ(fresh.Level(), 1u);
    EXPECT_EQ(fresh.NextLevelXp(), 400u);
    EXPECT_EQ(fresh.Race(), 1);
    EXPECT_TRUE(fresh.IsMale());
    EXPECT_EQ(fresh.HeaderKind(), 1);
    EXPECT_EQ(fresh.Gold(), 0u);
}

TEST_F(PlayerTest, theBaseWorldsNewGameSetsTheDefaults) {
    player.AddXp(5000, false);
    player.AddTimedEffect(kFromSpell, nullptr, 5, 10, 2, 1, nullptr);
    StartBaseGame();
    EXPECT_STREQ(player.Name().Text(), "Player");
    EXPECT_STREQ(player.Face().Text(), "bres_head34");
    EXPECT_EQ(player.Hp(), 100);
    EXPECT_EQ(player.Mana(), 100);
    EXPECT_EQ(player.Level(), 1u);
    EXPECT_EQ(player.Xp(), 0u);
    EXPECT_EQ(player.NextLevelXp(), 400u);
    EXPECT_EQ(player.Gold(), 100u);
    EXPECT_EQ(player.Race(), 2);
    EXPECT_EQ(player.Fame(), 0);
    EXPECT_EQ(player.Crime(), 0u);
    EXPECT_EQ(player.AttributePoints(), 0u);
    EXPECT_EQ(player.SkillPoints(), 0u);
    // The unused word at index 0 is set along with the rest.
    for (uint32_t a = 0; a <= SPlayer::kLastAttribute; ++a) EXPECT_EQ(player.BaseAttribute(a), a ? 15u : 0u);
    for (uint32_t s = 1; s <= SPlayer::kLastSkill; ++s) {
        EXPECT_EQ(player.SkillValue(s), s == 12 ? 0 : 10) << s;
        EXPECT_EQ(player.UseCount(s), 0u);
    }
    for (uint32_t type = 1; type < kPlayerEffectTypes; ++type) EXPECT_FALSE(player.Effects().Has(type));
    EXPECT_TRUE(player.IsMajorSkill(6));
    EXPECT_FALSE(player.IsMajorSkill(7));
}

TEST_F(PlayerTest, anotherWorldLeavesThePlayerAsItIs) {
    OpenWorld("dune");
    player.AddXp(500, false);
    player.ResetForNewGame();
    EXPECT_EQ(player.Level(), 2u);
    EXPECT_EQ(player.Race(), 1);
    EXPECT_STREQ(player.Name().Text(), "");
}

TEST_F(PlayerTest, withoutAPackageTheResetDoesNothing) {
    player.AddXp(500, false);
    player.ResetForNewGame();
    EXPECT_EQ(player.Level(), 2u);
}

TEST_F(PlayerTest, clearReturnsToTheConstructionDefaults) {
    StartBaseGame();
    player.SetHeaderKind();
    EXPECT_EQ(player.HeaderKind(), SPlayer::kHeaderKindInGame);
    player.AddXp(2000, false);
    player.Clear();
    EXPECT_EQ(player.Level(), 1u);
    EXPECT_EQ(player.Hp(), 40);
    EXPECT_EQ(player.Race(), 1);
    EXPECT_EQ(player.BaseAttribute(1), 0u);
    EXPECT_STREQ(player.Name().Text(), "");
    EXPECT_EQ(player.HeaderKind(), 1);
}

TEST_F(PlayerTest, theRaceIsNamedByTheRaceTable) {
    player.SetRace(3);
    EXPECT_STREQ(player.RaceId(), "base_seiry");
    EXPECT_STREQ(player.RaceName(), "Seiry");
    player.SetRace(9);
    EXPECT_STREQ(player.RaceId(), "");
    EXPECT_EQ(player.Item(0), nullptr);
    EXPECT_EQ(player.Mark(0), nullptr);
    EXPECT_EQ(player.MainHandWeapon(), nullptr);
}

TEST(MarkRecordTest, aNewMarkNamesNoPlace) {
    const SMarkRecord mark;
    EXPECT_STREQ(mark.packageName.Text(), "-");
    EXPECT_STREQ(mark.mapName.Text(), "");
    EXPECT_EQ(mark.x + mark.y + mark.direction, 0);
}

}  // namespace

}  // namespace player_record_test
