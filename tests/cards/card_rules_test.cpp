// Every card under every event it answers, from a plain table: both sides at 30 of 40 hp and
// nothing else on the table. The player owns the card.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "card_fixture.h"

namespace card_rules_test {

namespace {

constexpr uint32_t kOwn = kCardPlayer;
constexpr uint32_t kEnemy = kCardOpponent;

struct PlayCase {
    const char* name;
    uint32_t deck, index;
    int32_t ownHp, ownMaxHp, enemyHp;
    int32_t markerCount;  // of the marker the card leaves in the owner's first slot; -1 none
    int32_t combo;        // the pending combo's multiplier; 0 none
    int32_t score;        // owner healthy, nothing on the table
    int32_t scoreDire;    // owner at 10 hp, both sides' marker slots all taken
};

void PrintTo(const PlayCase& c, std::ostream* out) { *out << c.name; }

std::string CaseName(const char* name) {
    std::string out;
    for (const char* at = name; *at; ++at) {
        if (std::isalnum(static_cast<unsigned char>(*at))) out += *at;
    }
    return out;
}

class CardPlayed : public CardGameTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(CardPlayed, actsAsItsRuleSays) {
    const PlayCase& c = GetParam();
    ASSERT_STREQ(Card(c.deck, c.index).name, c.name);
    Play(kOwn, c.deck, c.index);
    EXPECT_EQ(Hp(kOwn), c.ownHp);
    EXPECT_EQ(m_game.Side(kOwn).maxHp, c.ownMaxHp);
    EXPECT_EQ(Hp(kEnemy), c.enemyHp);
    const SCardMarker& marker = m_game.Side(kOwn).markers[0];
    if (c.markerCount < 0) {
        EXPECT_EQ(marker.card, nullptr);
    } else {
        EXPECT_EQ(marker.card, &Card(c.deck, c.index));
        EXPECT_EQ(marker.count, c.markerCount);
    }
    EXPECT_EQ(m_game.ComboPending(), c.combo != 0);
}

TEST_P(CardPlayed, scoresForTheOpponent) {
    const PlayCase& c = GetParam();
    int32_t amount = 0;
    const SCard& card = Card(c.deck, c.index);
    EXPECT_EQ(m_game.ResolveCard(card, kOwn, kCardScore, amount, nullptr, 1), c.score);
    m_game.Side(kOwn).hp = 10;
    for (int32_t slot = 0; slot < kMarkerSlots; ++slot) {
        Put(kOwn, slot, 0, 7);
        Put(kEnemy, slot, 1, 1);
    }
    EXPECT_EQ(m_game.ResolveCard(card, kOwn, kCardScore, amount, nullptr, 1), c.scoreDire);
    // Scoring changes nothing.
    EXPECT_EQ(Hp(kEnemy), 30);
    EXPECT_EQ(m_game.Side(kOwn).markers[0].count, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Warrior, CardPlayed,
    ::testing::Values(
        PlayCase{"Slash", 0, 0, 30, 40, 28, -1, 0, 80, 80}, PlayCase{"Crush", 0, 1, 30, 40, 27, -1, 0, 80, 80},
        PlayCase{"Rapid stab", 0, 2, 30, 40, 26, -1, 0, 80, 80}, PlayCase{"Bleeding", 0, 3, 30, 40, 29, 3, 0, 60, 40},
        PlayCase{"Assault", 0, 4, 30, 40, 28, -1, 0, 70, 70}, PlayCase{"Dual strike", 0, 5, 30, 40, 22, -1, 0, 80, 80},
        PlayCase{"Backstab", 0, 6, 30, 40, 25, -1, 0, 80, 80}, PlayCase{"Block", 0, 7, 30, 40, 30, 2, 0, 60, 40},
        PlayCase{"War cry", 0, 8, 30, 40, 30, -1, 2, 80, 80}, PlayCase{"Tower shield", 0, 9, 30, 40, 30, 8, 0, 60, 40},
        PlayCase{"Long sword", 0, 10, 30, 40, 30, 5, 0, 60, 40},
        PlayCase{"Kite shield", 0, 11, 30, 40, 30, 12, 0, 60, 40},
        PlayCase{"Battle axe", 0, 12, 30, 40, 30, 7, 0, 60, 40},
        PlayCase{"Plate mail", 0, 13, 30, 40, 30, 15, 0, 60, 40}, PlayCase{"Mourner", 0, 14, 30, 40, 30, 2, 0, 60, 40},
        PlayCase{"Remedy", 0, 15, 35, 40, 30, -1, 0, 30, 90},
        PlayCase{"Healing potion", 0, 16, 37, 40, 30, 3, 0, 30, 90},
        PlayCase{"Rejuvenate", 0, 17, 35, 40, 30, -1, 0, 30, 90},
        PlayCase{"Heroic Remedy", 0, 18, 35, 45, 30, -1, 0, 70, 70},
        PlayCase{"Arrow storm", 0, 19, 30, 40, 30, 3, 0, 60, 40}, PlayCase{"Fosse", 0, 20, 30, 40, 30, -1, 0, 60, 60},
        PlayCase{"Raid", 0, 21, 30, 40, 30, 5, 0, 60, 40}, PlayCase{"Marksman", 0, 22, 30, 40, 30, 3, 0, 60, 40},
        PlayCase{"Bloodlust", 0, 23, 35, 40, 30, -1, 1, 45, 95}, PlayCase{"Berzerk", 0, 24, 30, 40, 30, 2, 0, 75, 40}),
    [](const auto& info) { return CaseName(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Sorcerer, CardPlayed,
    ::testing::Values(
        PlayCase{"Life node", 1, 0, 30, 40, 30, 10, 0, 70, 40}, PlayCase{"Aura of air", 1, 1, 30, 40, 30, 4, 0, 70, 40},
        PlayCase{"Death node", 1, 2, 30, 40, 30, 4, 0, 70, 40},
        PlayCase{"Aura of water", 1, 3, 30, 40, 30, 4, 0, 70, 40},
        PlayCase{"Moon node", 1, 4, 30, 40, 30, 4, 0, 70, 40}, PlayCase{"Aura of fire", 1, 5, 30, 40, 30, 4, 0, 70, 40},
        PlayCase{"Sun node", 1, 6, 30, 40, 30, 4, 0, 70, 40}, PlayCase{"Aura of earth", 1, 7, 30, 40, 30, 4, 0, 70, 40},
        PlayCase{"Ice bolt", 1, 8, 30, 40, 26, -1, 0, 80, 80},
        PlayCase{"Chain lightning", 1, 9, 30, 40, 25, -1, 0, 80, 80},
        PlayCase{"Earthquake", 1, 10, 30, 40, 25, -1, 0, 80, 80},
        PlayCase{"Whirlwind", 1, 11, 30, 40, 25, -1, 0, 80, 80}, PlayCase{"Firewall", 1, 12, 30, 40, 22, -1, 0, 80, 80},
        PlayCase{"Starfall", 1, 13, 30, 40, 30, -1, 0, 50, 90}, PlayCase{"Sandstorm", 1, 14, 30, 40, 30, 5, 0, 70, 40},
        PlayCase{"Blizzard", 1, 15, 30, 40, 30, 6, 0, 70, 40}, PlayCase{"Blade storm", 1, 16, 30, 40, 30, 2, 0, 70, 40},
        PlayCase{"Will-o'-the-wisp", 1, 17, 30, 40, 30, 3, 0, 70, 40},
        PlayCase{"Wildfire", 1, 18, 30, 40, 30, 4, 0, 70, 40},
        PlayCase{"Rage of nature", 1, 19, 30, 40, 30, 3, 0, 70, 40},
        PlayCase{"Healing shower", 1, 20, 34, 40, 30, -1, 0, 45, 85},
        PlayCase{"Healing scroll", 1, 21, 37, 40, 30, -1, 0, 45, 85},
        PlayCase{"Bless", 1, 22, 40, 40, 30, -1, 0, 45, 85},
        PlayCase{"Mana explosion", 1, 23, 35, 40, 30, -1, 1, 45, 85},
        PlayCase{"Mana storm", 1, 24, 30, 40, 30, -1, 2, 75, 75}),
    [](const auto& info) { return CaseName(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Necromancer, CardPlayed,
    ::testing::Values(
        PlayCase{"Blood chant", 2, 0, 28, 40, 26, -1, 0, 80, 20}, PlayCase{"Fang", 2, 1, 27, 40, 24, -1, 0, 80, 20},
        PlayCase{"Atrophy", 2, 2, 30, 40, 28, -1, 0, 80, 80},
        // Suffers its value1, 5, although its text names value2, 3.
        PlayCase{"Sacrifice", 2, 3, 25, 40, 25, -1, 0, 80, 20}, PlayCase{"Dark touch", 2, 4, 33, 40, 27, -1, 0, 85, 85},
        PlayCase{"Poison cloud", 2, 5, 29, 40, 26, -1, 0, 80, 80},
        PlayCase{"Blood filch", 2, 6, 29, 40, 25, -1, 0, 80, 80},
        PlayCase{"Vampire bite", 2, 7, 36, 40, 24, -1, 0, 85, 85},
        PlayCase{"Soul crush", 2, 8, 25, 40, 15, -1, 0, 80, 80}, PlayCase{"Black out", 2, 9, 40, 40, 18, -1, 0, 80, 80},
        PlayCase{"Bone wall", 2, 10, 30, 40, 30, 6, 0, 75, 40},
        PlayCase{"Blood golem", 2, 11, 30, 40, 30, 6, 0, 75, 40},
        PlayCase{"Blood moat", 2, 12, 30, 40, 30, 8, 0, 75, 40}, PlayCase{"Ghoul", 2, 13, 30, 40, 30, 4, 0, 75, 40},
        PlayCase{"Graveyard", 2, 14, 30, 40, 30, 5, 0, 75, 40}, PlayCase{"Skeleton", 2, 15, 30, 40, 30, 4, 0, 75, 40},
        PlayCase{"Vampire", 2, 16, 30, 40, 30, 3, 0, 75, 40}, PlayCase{"Acid rain", 2, 17, 30, 40, 30, 3, 0, 75, 40},
        PlayCase{"Parasite", 2, 18, 30, 40, 30, 3, 0, 75, 40}, PlayCase{"Corpse army", 2, 19, 30, 40, 30, 2, 0, 75, 40},
        PlayCase{"Vampire bats", 2, 20, 30, 40, 30, 4, 0, 75, 40},
        PlayCase{"Unholy seal", 2, 21, 30, 40, 30, 3, 0, 75, 40},
        PlayCase{"Blood boil", 2, 22, 30, 40, 30, 2, 0, 75, 40},
        PlayCase{"Heart pile", 2, 23, 35, 40, 30, -1, 1, 55, 90},
        PlayCase{"Soul pile", 2, 24, 30, 40, 30, -1, 2, 75, 75}),
    [](const auto& info) { return CaseName(info.param.name); });

// A marker in the owner's first slot with its starting count, under one event.
struct MarkerCase {
    const char* name;
    uint32_t deck, index;
    uint32_t event;
    int32_t amountIn, amountOut;  // the running amount of events 3 and 4
    int32_t count;                // the marker's count afterwards
    int32_t ownHp, enemyHp;
};

void PrintTo(const MarkerCase& c, std::ostream* out) { *out << c.name; }

class CardMarkerEvent : public CardGameTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(CardMarkerEvent, changesWhatItShould) {
    const MarkerCase& c = GetParam();
    SCardMarker& marker = Put(kOwn, 0, c.deck, c.index);
    int32_t amount = c.amountIn;
    EXPECT_EQ(m_game.ResolveCard(*marker.card, kOwn, c.event, amount, &marker, 1), 0);
    EXPECT_EQ(amount, c.amountOut);
    EXPECT_EQ(marker.count, c.count);
    EXPECT_EQ(Hp(kOwn), c.ownHp);
    EXPECT_EQ(Hp(kEnemy), c.enemyHp);
}

INSTANTIATE_TEST_SUITE_P(EachTurn, CardMarkerEvent,
                         ::testing::Values(MarkerCase{"Bleeding", 0, 3, kCardTurn, 0, 0, 3, 30, 27},
                                           MarkerCase{"HealingPotion", 0, 16, kCardTurn, 0, 0, 3, 31, 30},
                                           MarkerCase{"ArrowStorm", 0, 19, kCardTurn, 0, 0, 3, 30, 27},
                                           MarkerCase{"RaidWithoutItemsDoesNoHarm", 0, 21, kCardTurn, 0, 0, 5, 30, 30},
                                           MarkerCase{"Marksman", 0, 22, kCardTurn, 0, 0, 3, 30, 25},
                                           MarkerCase{"BlockDoesNothing", 0, 7, kCardTurn, 0, 0, 2, 30, 30},
                                           MarkerCase{"LifeNode", 1, 0, kCardTurn, 0, 0, 10, 32, 30},
                                           MarkerCase{"Sandstorm", 1, 14, kCardTurn, 0, 0, 5, 30, 29},
                                           MarkerCase{"Blizzard", 1, 15, kCardTurn, 0, 0, 6, 30, 29},
                                           MarkerCase{"BladeStorm", 1, 16, kCardTurn, 0, 0, 2, 30, 27},
                                           MarkerCase{"Wildfire", 1, 18, kCardTurn, 0, 0, 4, 30, 28},
                                           MarkerCase{"RageOfNature", 1, 19, kCardTurn, 0, 0, 3, 30, 26},
                                           MarkerCase{"BloodGolem", 2, 11, kCardTurn, 0, 0, 6, 30, 29},
                                           MarkerCase{"Ghoul", 2, 13, kCardTurn, 0, 0, 4, 30, 28},
                                           MarkerCase{"Graveyard", 2, 14, kCardTurn, 0, 0, 5, 31, 30},
                                           MarkerCase{"Skeleton", 2, 15, kCardTurn, 0, 0, 4, 30, 27},
                                           MarkerCase{"Vampire", 2, 16, kCardTurn, 0, 0, 3, 33, 27},
                                           MarkerCase{"AcidRain", 2, 17, kCardTurn, 0, 0, 3, 30, 29},
                                           MarkerCase{"Parasite", 2, 18, kCardTurn, 0, 0, 3, 31, 29},
                                           MarkerCase{"CorpseArmy", 2, 19, kCardTurn, 0, 0, 2, 30, 28},
                                           MarkerCase{"VampireBats", 2, 20, kCardTurn, 0, 0, 4, 31, 29},
                                           MarkerCase{"UnholySeal", 2, 21, kCardTurn, 0, 0, 3, 31, 29},
                                           MarkerCase{"BloodBoil", 2, 22, kCardTurn, 0, 0, 2, 30, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(OwnerDeals, CardMarkerEvent,
                         ::testing::Values(MarkerCase{"LongSwordSpendsAnAttack", 0, 10, kCardDeals, 10, 12, 4, 30, 30},
                                           MarkerCase{"BattleAxeSpendsAnAttack", 0, 12, kCardDeals, 10, 12, 6, 30, 30},
                                           MarkerCase{"BerzerkKeepsItsTurns", 0, 24, kCardDeals, 10, 15, 2, 30, 30},
                                           MarkerCase{"DeathNode", 1, 2, kCardDeals, 10, 12, 4, 30, 30},
                                           MarkerCase{"MoonNode", 1, 4, kCardDeals, 10, 12, 4, 30, 30},
                                           MarkerCase{"SunNode", 1, 6, kCardDeals, 10, 15, 4, 30, 30},
                                           MarkerCase{"SmallHitBoostedByOne", 1, 2, kCardDeals, 2, 3, 4, 30, 30},
                                           MarkerCase{"ShieldDoesNotBoost", 0, 9, kCardDeals, 10, 10, 8, 30, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OwnerReceives, CardMarkerEvent,
    ::testing::Values(MarkerCase{"BlockResistsHalf", 0, 7, kCardReceives, 10, 5, 2, 30, 30},
                      MarkerCase{"BlockHasNoMinimum", 0, 7, kCardReceives, 1, 1, 2, 30, 30},
                      MarkerCase{"TowerShield", 0, 9, kCardReceives, 10, 8, 6, 30, 30},
                      MarkerCase{"KiteShield", 0, 11, kCardReceives, 10, 8, 10, 30, 30},
                      MarkerCase{"PlateMail", 0, 13, kCardReceives, 10, 7, 12, 30, 30},
                      MarkerCase{"MournerReducesDespiteItsText", 0, 14, kCardReceives, 10, 5, 2, 30, 30},
                      MarkerCase{"BerzerkLowersASmallHit", 0, 24, kCardReceives, 3, 2, 2, 30, 30},
                      MarkerCase{"BerzerkRaisesABigHit", 0, 24, kCardReceives, 10, 13, 2, 30, 30},
                      MarkerCase{"AuraOfAir", 1, 1, kCardReceives, 10, 8, 4, 30, 30},
                      MarkerCase{"AuraOfWater", 1, 3, kCardReceives, 10, 7, 4, 30, 30},
                      MarkerCase{"AuraOfEarth", 1, 7, kCardReceives, 10, 5, 4, 30, 30},
                      MarkerCase{"WillOTheWispTakesAtLeastOne", 1, 17, kCardReceives, 5, 4, 3, 30, 30},
                      MarkerCase{"AuraOfFireStrikesBack", 1, 5, kCardReceives, 10, 10, 4, 30, 28},
                      MarkerCase{"AuraOfFireReflectsOneOfNothing", 1, 5, kCardReceives, 0, 0, 4, 30, 29},
                      MarkerCase{"BoneWallTakesWhatItCan", 2, 10, kCardReceives, 10, 4, 0, 30, 30},
                      MarkerCase{"BloodMoatTakesAllOfASmallHit", 2, 12, kCardReceives, 5, 0, 3, 30, 30},
                      MarkerCase{"SwordDoesNotProtect", 0, 10, kCardReceives, 10, 10, 5, 30, 30}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace card_rules_test
