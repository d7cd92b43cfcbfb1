#include <gtest/gtest.h>

#include "data/effects/effect.h"
#include "data/effects/effect_type.h"
#include "data/monsters/monster_fixture.h"
#include "support/item_records.h"

namespace player_hit_test {

namespace {

constexpr uint32_t kDexterity = 2;
constexpr uint32_t kBlock = 1;

class PlayerHitTest : public MonsterTest {
protected:
    PlayerHitTest() {
        EXPECT_TRUE(Open("")) << error;
        random.Seed(99);
        // No armour class: Dexterity below 10 and nothing worn.
        player.SetBaseAttribute(kDexterity, 5);
        player.SetHp(40, false);
    }
    void Damage(uint16_t min, uint16_t max) {
        monster->m_stats[kStatDamageMin] = min;
        monster->m_stats[kStatDamageMax] = max;
    }
};

TEST_F(PlayerHitTest, aBlowComesFromTheOppositeSideOrTheOneStoredWithTheAttacker) {
    Damage(5, 5);
    SCreature& orc = Place(monster, 3, 3);
    screen.actingSide = 2;
    const struct {
        int32_t side;
        int32_t seenFrom;
    } cases[] = {{0, 2}, {1, 3}, {2, 0}, {3, 1}, {-1, 2}};
    for (const auto& c : cases) {
        playerScreen.hits.clear();
        player.TakeHit(*context, orc, c.side, false);
        EXPECT_EQ(playerScreen.hits, (std::vector<std::pair<int32_t, int32_t>>{{c.seenFrom, 5}})) << c.side;
    }
    EXPECT_EQ(player.Hp(), 40 - 25);
}

TEST_F(PlayerHitTest, rainAndNightWeakenAMissileOnTheSurfaceOnly) {
    Damage(100, 100);
    SCreature& orc = Place(monster, 3, 3);
    const struct {
        const char* name;
        bool weather;
        bool surface;
        int rain;
        uint32_t minutes;
        int32_t damage;
    } cases[] = {
        {"noon, dry", true, true, 0, 12 * 60, 100},
        {"noon, rain", true, true, 400, 12 * 60, 80},
        {"night of the second day", true, true, 400, 1440 + 23 * 60, 30},
        {"early morning", true, true, 0, 5 * 60 + 59, 50},
        {"underground", true, false, 400, 2 * 60, 100},
        {"a melee blow", false, true, 400, 2 * 60, 100},
    };
    for (const auto& c : cases) {
        screen.surface = c.surface;
        screen.rain = c.rain;
        screen.minutes = c.minutes;
        player.SetHp(200, false);
        playerScreen.hits.clear();
        player.TakeHit(*context, orc, 0, c.weather);
        ASSERT_EQ(playerScreen.hits.size(), 1u) << c.name;
        EXPECT_EQ(playerScreen.hits[0].second, c.damage) << c.name;
    }
}

TEST_F(PlayerHitTest, aBlowTheArmourTakesWholeStillGrazesHalfTheTime) {
    Damage(0, 0);
    SCreature& orc = Place(monster, 3, 3);
    screen.pendingSide = 2;
    screen.pendingSound = "bsnd_parry";
    int hits = 0;
    int parried = 0;
    for (int blow = 0; blow < 400; ++blow) {
        player.SetHp(40, false);
        playerScreen.hits.clear();
        screen.sounds.clear();
        player.TakeHit(*context, orc, blow % 4, false);
        if (playerScreen.hits.empty()) {
            parried += !screen.sounds.empty();
            continue;
        }
        ++hits;
        ASSERT_GE(playerScreen.hits[0].second, 1);
        ASSERT_LE(playerScreen.hits[0].second, 4);
    }
    // 49 in 100 blows graze, and 4 in 5 of those for more than 0.
    EXPECT_GT(hits, 120);
    EXPECT_LT(hits, 200);
    // Only the misses from the side of the shown attack are parried, each with its sound.
    EXPECT_GT(parried, 40);
    EXPECT_EQ(player.UseCount(kBlock), uint32_t(std::min(parried, 255)));
    EXPECT_EQ(screen.sounds.size() <= 1, true);
}

TEST_F(PlayerHitTest, aBlowBeyondTheHitPointsLeavesThePlayerAtZero) {
    Damage(500, 500);
    SCreature& orc = Place(monster, 3, 3);
    player.TakeHit(*context, orc, 0, false);
    EXPECT_EQ(player.Hp(), 0);
    player.ApplyTrapDamage(30, -1);
    EXPECT_EQ(player.Hp(), 0);
}

TEST_F(PlayerHitTest, aPoisonStrikeOfSevenPoisonsForOne) {
    Damage(7, 7);
    monster->m_effects.Add(ItemEffect(kEffectPoison, 200, 0, "", kSourceStrike));
    SCreature& orc = Place(monster, 3, 3);
    // A seed whose resistance roll (10 percent) lets the poison through.
    random.Seed(5);
    player.TakeHit(*context, orc, 0, false);
    EXPECT_EQ(player.PoisonTotal(), 1);
    // The poison hurts at once, but leaves a hit point.
    EXPECT_LE(player.Hp(), 40 - 7);
}

TEST_F(PlayerHitTest, aDrainingStrikeHealsTheAttackerByWhatThePlayerLost) {
    Damage(20, 20);
    monster->m_effects.Add(ItemEffect(kEffectDrainHp, 200, 0, "", kSourceStrike));
    SCreature& orc = Place(monster, 3, 3);
    orc.hp = 5;
    player.SetHp(100, false);
    random.Seed(5);
    player.TakeHit(*context, orc, 0, false);
    // Half the blow, less the magic resistance of 10 percent.
    const int32_t lost = 100 - player.Hp() - 20;
    EXPECT_EQ(lost, 9);
    EXPECT_EQ(orc.hp, 5 + lost);
}

TEST_F(PlayerHitTest, aStrikeEffectActsAtItsChance) {
    Damage(30, 30);
    // Stored 100 is a chance of 0.
    monster->m_effects.Add(ItemEffect(kEffectCurse, 100, 0, "", kSourceStrike));
    SCreature& orc = Place(monster, 3, 3);
    for (int blow = 0; blow < 20; ++blow) {
        player.SetHp(100, false);
        player.TakeHit(*context, orc, 0, false);
    }
    EXPECT_FALSE(player.IsCursed());
}

}  // namespace

}  // namespace player_hit_test
