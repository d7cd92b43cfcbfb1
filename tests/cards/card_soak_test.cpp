// Computer against computer, many times over: every game must end and the numbers must stay sane.
#include <gtest/gtest.h>

#include "cards/card_game.h"
#include "engine/base/random.h"

namespace card_soak_test {

namespace {

constexpr int kGames = 10000;
// Far beyond any real game (the longest seen runs to a few hundred landings); reaching it means
// the game would never end.
constexpr int kMaxLandings = 5000;

// Checks the hit points whenever they change, from inside the rules.
struct BoundsListener : SCardListener {
    void OnHpChanged(uint32_t side) override {
        const SCardSide& s = game->Side(side);
        if (s.hp < 0 || s.hp > s.maxHp) ++hpOutOfBounds;
    }
    void OnGameOver(bool) override { ++ends; }

    const SCardGame* game = nullptr;
    int hpOutOfBounds = 0;
    int ends = 0;
};

// Counts markers whose count is below zero, and with spent also those at zero.
int BadMarkers(const SCardGame& game, bool spent) {
    int bad = 0;
    for (uint32_t side : {kCardOpponent, kCardPlayer}) {
        for (const SCardMarker& marker : game.Side(side).markers) {
            if (marker.card && (marker.count < 0 || (spent && marker.count == 0))) ++bad;
        }
    }
    return bad;
}

TEST(CardSoak, tenThousandComputerGamesAllEndWithinTheirBounds) {
    SCardTable table;
    table.Init(7);
    SRandom random;
    random.Seed(20260101);
    BoundsListener listener;
    int unfinished = 0, refused = 0, negativeMarkers = 0, spentMarkersKept = 0, playerWins = 0;
    int longest = 0;
    for (int g = 0; g < kGames; ++g) {
        SCardGame game(table, random, listener);
        listener.game = &game;
        const int endsBefore = listener.ends;
        game.Start();
        int landings = 0;
        int32_t slot = -1;
        while (!game.IsOver() && landings < kMaxLandings) {
            const uint32_t side = game.Turn();
            if (side == kCardPlayer) slot = game.ChooseCard(kCardPlayer);
            if (!game.Land(side, slot)) {
                ++refused;
                break;
            }
            ++landings;
            negativeMarkers += BadMarkers(game, false);
            slot = game.FinishPause();
            spentMarkersKept += BadMarkers(game, true);
        }
        unfinished += !game.IsOver();
        playerWins += game.PlayerWon();
        longest = std::max(longest, landings);
        EXPECT_EQ(listener.ends - endsBefore, game.IsOver() ? 1 : 0);
    }
    EXPECT_EQ(unfinished, 0);
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(listener.hpOutOfBounds, 0);
    EXPECT_EQ(negativeMarkers, 0);
    EXPECT_EQ(spentMarkersKept, 0);
    // Both sides play the same way, so neither should win almost every game.
    EXPECT_GT(playerWins, kGames / 5);
    EXPECT_LT(playerWins, kGames * 4 / 5);
    RecordProperty("longestGame", longest);
    RecordProperty("playerWins", playerWins);
}

}  // namespace

}  // namespace card_soak_test
