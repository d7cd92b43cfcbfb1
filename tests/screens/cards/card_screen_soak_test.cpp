// Many seeded duels through the card table as a player plays them: every one must end, settle
// once, and keep the purse within its bounds.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/persons/npc_type.h"
#include "engine/draw/raster_target.h"
#include "screens/cards/card_table_driver.h"
#include "screens/play/state_game.h"

namespace card_screen_soak_test {

namespace {

constexpr int kDuels = 1000;
// Far beyond the ticks of any real duel; reaching it means the duel would never end.
constexpr int kMostTicks = 100000;

class CardScreenSoak : public UiRigTest {};

TEST_F(CardScreenSoak, aThousandSeededDuelsAllEndAndSettleOnceWithinTheGoldBounds) {
    UiRig& rig = Start(8);
    ASSERT_FALSE(HasFailure());
    CardTableDriver driver(rig);
    SGameData& game = rig.Game();
    SPlayer& player = game.m_player;
    const SStateGame& play = *SStateGame::Of(game);
    SNpcType person;
    person.signedValue = int16_t(1000);
    // The soak is about the play and the settlement through the screen, not the drawing, which the
    // other tests check: with no surface to draw on, the thousand duels take seconds, not minutes.
    SRasterTarget& target = game.m_display->Target();
    uint16_t* const pixels = target.m_pixels;
    target.m_pixels = nullptr;
    // Purses from nothing to the cap, so that both the floor and the cap are met.
    const uint32_t purses[] = {0, 7, 120, 5000, SPlayer::kMaxGold - 30, SPlayer::kMaxGold};
    int unfinished = 0, wrongSettlements = 0, outOfBounds = 0, wins = 0;
    for (int duel = 0; duel < kDuels; ++duel) {
        game.m_random->Seed(uint32_t(9000 + duel));
        player.RemoveGold(player.Gold(), false);
        player.ReceiveGold(purses[duel % std::size(purses)], false, false);
        const uint32_t goldBefore = player.Gold();
        const uint32_t minutesBefore = play.GameMinutes();
        driver.Open(uintptr_t(100 + duel), &person);
        SStateCard& table = driver.Table();
        const uint32_t stake = table.Stake();
        int ticks = 0;
        while (!table.IsOver() && ticks < kMostTicks) {
            if (table.CanPlay()) {
                const uint32_t id = SStateCard::kPlayerHand[size_t(driver.FirstCard())];
                table.OnCommand(id);
                table.OnCommand(id);
            } else if (table.IsPausing()) {
                rig.AdvanceClock(SStateCard::kPauseMs);
            }
            game.OnTimer();
            outOfBounds += player.Gold() > SPlayer::kMaxGold;
            ++ticks;
        }
        unfinished += !table.IsOver();
        const bool won = table.Rules() && table.Rules()->PlayerWon();
        wins += won;
        const uint32_t expected = won ? std::min<uint64_t>(uint64_t(goldBefore) + stake, SPlayer::kMaxGold)
                                      : goldBefore - stake;
        wrongSettlements += player.Gold() != expected || play.GameMinutes() != minutesBefore + 60;
        game.SwitchState(ScreenId(table.OnCommand(SDialogMessage::kOk)));
        ASSERT_EQ(game.m_currentScreen, game.Screen(kPlayScreen)) << "duel " << duel;
    }
    target.m_pixels = pixels;
    EXPECT_EQ(unfinished, 0);
    EXPECT_EQ(wrongSettlements, 0);
    EXPECT_EQ(outOfBounds, 0);
    EXPECT_GT(wins, 0);
    EXPECT_LT(wins, kDuels);
    RecordProperty("playerWins", wins);
}

}  // namespace

}  // namespace card_screen_soak_test
