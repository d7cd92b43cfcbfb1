#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/base/string.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "game/layout_record.h"
#include "platform/headless/headless.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"

namespace play_frame_test {

namespace {

constexpr uint32_t kHandheld = 7;  // 240x320, 40 ms frames
constexpr uint32_t kLarge = 15;    // 800x600, 30 ms frames, the fast flag

class PlayFrameTest : public PlayDriverTest {
protected:
    SStateGame& play() { return m_driver->Play(); }
    uint32_t movementTicks() { return play().Clocks().Count(SPlayClock::kMovement); }
};

TEST_F(PlayFrameTest, aNewPlayScreenStandsOnTheAfternoonOfDayOneFacingEast) {
    Start();
    SString time;
    play().FormatTime(time);
    EXPECT_STREQ(time.Text(), "2:40 pm");
    EXPECT_EQ(play().m_minutes / 1440 + 1, 1u);
    EXPECT_EQ(play().m_heading, 270u);
    EXPECT_EQ(play().FacingSide(), 1u) << "east";
    EXPECT_EQ(play().m_fractionX, SStateGame::kCellCentre);
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kFree);
}

// The frame fires each clock by its period on the frames of the screen mode, at most once a frame,
// also across the wrap of the tick counter.
TEST_F(PlayFrameTest, theFramesFireTheClocksByTheirPeriods) {
    struct Row {
        const char* name;
        uint32_t mode;
        uint32_t start;
        int frames;
        uint32_t expected[SPlayClocks::kCount];  // A, B, C, S, D, E, F, M, G
    };
    const Row rows[] = {
        {"40 ms frames", kHandheld, 5000, 10, {1, 1, 2, 0, 10, 0, 10, 10, 10}},
        {"30 ms frames", kLarge, 5000, 40, {5, 5, 6, 1, 20, 0, 20, 40, 20}},
        {"40 ms frames over the wrap", kHandheld, 0xFFFFFFFFu - 100, 10, {1, 1, 2, 0, 10, 0, 10, 10, 10}},
        {"30 ms frames over the wrap", kLarge, 0xFFFFFFFFu - 10, 40, {5, 5, 6, 1, 20, 0, 20, 40, 20}},
    };
    for (const Row& row : rows) {
        PlayDriver& driver = Start(row.mode);
        platform::headless::SetTickCount(row.start);
        driver.Game().SwitchState(kPlayScreen);
        uint32_t before[SPlayClocks::kCount];
        for (int c = 0; c < SPlayClocks::kCount; ++c) before[c] = play().Clocks().Count(SPlayClock(c));
        driver.Frames(row.frames);
        for (int c = 0; c < SPlayClocks::kCount; ++c)
            EXPECT_EQ(play().Clocks().Count(SPlayClock(c)) - before[c], row.expected[c]) << row.name << ", clock " << c;
    }
}

// A quarter turn takes six movement ticks of 15 degrees, five of 18 on the fast screens, and ends
// exactly on the quarter.
TEST_F(PlayFrameTest, aQuarterTurnEndsExactlyOnItsHeading) {
    struct Row {
        uint32_t mode;
        uint32_t action;
        uint32_t from, to;
        uint32_t ticks;
    };
    const Row rows[] = {{kHandheld, kActionTurnLeft, 0, 90, 6},
                        {kHandheld, kActionTurnRight, 0, 270, 6},
                        {kHandheld, kActionTurnLeft, 270, 0, 6},
                        {kLarge, kActionTurnLeft, 0, 90, 5},
                        {kLarge, kActionTurnRight, 90, 0, 5}};
    for (const Row& row : rows) {
        PlayDriver& driver = Start(row.mode);
        play().m_heading = row.from;
        const uint32_t before = movementTicks();
        driver.Press(row.action);
        for (int frame = 0; frame < 20 && play().m_turning != 0; ++frame) driver.Frame();
        EXPECT_EQ(play().m_heading, row.to) << row.mode << " from " << row.from;
        EXPECT_EQ(movementTicks() - before, row.ticks) << row.mode << " from " << row.from;
    }
}

TEST_F(PlayFrameTest, aKeyInTheEntryFrameAndKeysWhileBusyDoNothing) {
    PlayDriver& driver = Start();
    driver.Game().SwitchState(kPlayScreen);  // entered again: this is the entry frame
    driver.Press(kActionTurnLeft);
    EXPECT_EQ(play().m_turning, 0u);
    EXPECT_EQ(play().m_heading, 270u);
    ASSERT_TRUE(driver.RunUntilIdle(10));

    driver.Press(kActionTurnLeft);
    ASSERT_EQ(play().m_turning, 1u);
    EXPECT_TRUE(play().IsBusy());
    driver.Press(kActionTurnRight);
    driver.Press(kActionTurnLeft);
    ASSERT_TRUE(driver.RunUntilIdle(20));
    EXPECT_EQ(play().m_heading, 0u) << "one quarter turn left of east, the other keys dropped";
}

// A held key repeats once the screen is free again: two quarter turns from one long press.
TEST_F(PlayFrameTest, aHeldTurnRepeatsWhenTheScreenIsFree) {
    PlayDriver& driver = Start();
    driver.Hold(kActionTurnLeft);
    driver.Frames(7);
    driver.Release();
    ASSERT_TRUE(driver.RunUntilIdle(20));
    EXPECT_EQ(play().m_heading, 90u);
}

TEST_F(PlayFrameTest, withAMessageBoxOpenTheKeysGoToTheBox) {
    PlayDriver& driver = Start();
    play().QueueMessage("The door is locked.", 1, nullptr);
    EXPECT_EQ(driver.QueuedEventTypes(), std::vector<uint32_t>{SGameEvent::kMessage});
    driver.Frame();
    ASSERT_EQ(driver.OpenDialogKind(), "message");
    EXPECT_EQ(driver.OpenMessageText(), "The door is locked.");
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kMessage);
    EXPECT_TRUE(driver.QueuedEventTypes().empty());
    driver.Frame();

    for (uint32_t key : {kActionForward, kActionTurnLeft}) driver.Press(key);
    driver.Frames(3);
    EXPECT_EQ(driver.OpenDialogKind(), "message") << "movement keys do not close the box";
    EXPECT_EQ(play().m_turning, 0u);
    EXPECT_EQ(play().m_heading, 270u);

    driver.Press(kActionUse);
    EXPECT_EQ(driver.OpenDialogKind(), "");
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kFree);
}

// The messages are shown one after the other, each once the one before it was answered.
TEST_F(PlayFrameTest, queuedMessagesShowInTurn) {
    PlayDriver& driver = Start();
    play().QueueMessage("first", 0, nullptr);
    play().QueueMessage("second", 0, nullptr);
    driver.Frames(3);
    EXPECT_EQ(driver.OpenMessageText(), "first");
    EXPECT_EQ(driver.QueuedEventTypes().size(), 1u);
    driver.Press(kActionUse);
    driver.Frame();
    EXPECT_EQ(driver.OpenMessageText(), "second");
}

// The lines of one happening share a box: appended paragraphs join the last queued message.
TEST_F(PlayFrameTest, appendedParagraphsJoinTheLastQueuedMessage) {
    PlayDriver& driver = Start();
    play().AppendMessage("You hit the rat.", true);
    play().AppendMessage("The rat dies.", false);
    EXPECT_EQ(driver.QueuedEventTypes(), std::vector<uint32_t>{SGameEvent::kMessage});
    driver.Frame();
    EXPECT_EQ(driver.OpenMessageText(), "You hit the rat. The rat dies.");
}

TEST_F(PlayFrameTest, fullScreenDialogsHoldTheWorldStill) {
    PlayDriver& driver = Start();
    driver.Frames(2);
    play().OnCommand(SStateGame::kAutomap);
    ASSERT_EQ(play().SubMode(), SPlaySubMode::kMap);
    EXPECT_EQ(driver.OpenDialogKind(), "map");
    const uint32_t ticks = movementTicks();
    play().m_redrawRequest = 1;
    driver.Frames(5);
    EXPECT_EQ(movementTicks(), ticks) << "the movement clock is not consumed";
    EXPECT_EQ(play().m_redrawRequest, 1u) << "no view work";
    driver.Press(kActionTurnLeft);
    EXPECT_EQ(play().m_turning, 0u);

    play().OnCommand(SDialogGameMap::kClose);
    play().OpenShipTravel("Off to the islands.", "base_port_north");
    ASSERT_EQ(play().SubMode(), SPlaySubMode::kShipTravel);
    driver.Frames(5);
    EXPECT_EQ(movementTicks(), ticks);
}

TEST_F(PlayFrameTest, atZeroHitPointsTheNextFrameGoesToTheDeathScreenEvenOverADialog) {
    PlayDriver& driver = Start();
    play().OnCommand(SStateGame::kSpellBook);
    ASSERT_EQ(driver.OpenDialogKind(), "spellbook");
    driver.Game().m_player.SetHp(0, false);
    play().UpdateMusic();
    EXPECT_EQ(driver.Frame(), kDeathScreen);
    EXPECT_TRUE(driver.Game().m_music.Paused());
    EXPECT_EQ(driver.Game().m_currentScreen, driver.Game().Screen(kDeathScreen));
}

// Each embedded dialog closes with its own command straight into free play, and the commands of
// the dialogs that are not built yet do the same.
TEST_F(PlayFrameTest, everyEmbeddedDialogsClosingCommandLandsInFreePlay) {
    struct Row {
        const char* name;
        std::function<void(SStateGame&)> open;
        uint32_t close;
    };
    const Row rows[] = {
        {"map", [](SStateGame& p) { p.OnCommand(SStateGame::kAutomap); }, SStateGame::kMapClosed},
        {"spellbook", [](SStateGame& p) { p.OnCommand(SStateGame::kSpellBook); }, SStateGame::kSpellBookClosed},
        {"spellbook", [](SStateGame& p) { p.OnCommand(SStateGame::kSpellBook); }, SStateGame::kCast},
        // Without potions the list never opens (the actions' tests open it with potions).
        {"", [](SStateGame& p) { p.OnCommand(SStateGame::kPotions); }, SStateGame::kPotionsClosed},
        {"", [](SStateGame&) {}, SStateGame::kDrink},
        {"rest", [](SStateGame& p) { p.OpenRestDialog(); }, SStateGame::kRestOver},
        {"ship travel", [](SStateGame& p) { p.OpenShipTravel("Away.", "nowhere"); }, SStateGame::kShipArrived},
        {"mark recall", [](SStateGame& p) { p.OpenMarkRecall(1); }, SStateGame::kMarkRecallClosed},
        {"", [](SStateGame&) {}, SStateGame::kTrapSprung},
        {"", [](SStateGame&) {}, SStateGame::kLockPickingClosed},
        {"", [](SStateGame&) {}, SStateGame::kEnchantingClosed},
        {"", [](SStateGame&) {}, SStateGame::kEnchantChooserClosed},
    };
    PlayDriver& driver = Start();
    for (const Row& row : rows) {
        row.open(play());
        EXPECT_EQ(driver.OpenDialogKind(), row.name) << row.close;
        driver.Frame();
        EXPECT_EQ(play().OnCommand(row.close), 0u) << row.close;
        EXPECT_EQ(driver.OpenDialogKind(), "") << row.close;
        EXPECT_EQ(play().SubMode(), SPlaySubMode::kFree) << row.close;
        EXPECT_TRUE(driver.RunUntilIdle(5)) << row.close;
    }
}

TEST_F(PlayFrameTest, theMovementButtonsShowPressedWhileHeld) {
    PlayDriver& driver = Start();
    const SButtonCtrl& forward = play().m_moveButtons[1];
    ASSERT_TRUE(forward.IsShown());
    const int x = forward.m_x + 2, y = forward.m_y + 2;
    driver.Game().OnStylus(x, y, 1, 0);
    EXPECT_TRUE(forward.IsPressed());
    for (int i = 0; i < 6; ++i)
        if (i != 1) {
            EXPECT_FALSE(play().m_moveButtons[i].IsPressed()) << i;
        }
    driver.Game().OnStylus(x, y, 0, 0);
    EXPECT_FALSE(forward.IsPressed());
    // The press stepped forward; the next button waits for the step.
    ASSERT_TRUE(driver.RunUntilIdle(20));

    // The turn-left button turns, once a world map is loaded.
    const SButtonCtrl& left = play().m_moveButtons[0];
    SMap* room = play().m_currentMap;
    play().m_currentMap = nullptr;
    driver.Tap(left.m_x + 2, left.m_y + 2);
    EXPECT_EQ(play().m_turning, 0u);
    play().m_currentMap = room;
    driver.Tap(left.m_x + 2, left.m_y + 2);
    EXPECT_EQ(play().m_turning, 1u);
}

// Combat animations without a handler stay queued; the others finish and leave the queue.
// Back from a screen it was kept for, the play screen lays itself out again with every button
// released and draws the whole screen.
TEST_F(PlayFrameTest, comingBackFromAnotherScreenRedrawsEverything) {
    PlayDriver& driver = Start();
    SGameData& game = driver.Game();
    const SButtonCtrl& forward = play().m_moveButtons[1];
    game.OnStylus(forward.m_x + 2, forward.m_y + 2, 1, 0);
    ASSERT_TRUE(forward.IsPressed());
    play().m_keep = 1;
    game.SwitchState(kInventoryScreen);
    ASSERT_EQ(game.m_currentScreen, game.Screen(kInventoryScreen));
    game.SwitchState(kGoBack);
    ASSERT_EQ(game.m_currentScreen, &play());
    EXPECT_FALSE(forward.IsPressed());
    EXPECT_TRUE(forward.IsShown());
    driver.Frames(2);
    EXPECT_TRUE(driver.Rig().MatchesFullRepaint());
    // The step the press began goes on to its end.
    EXPECT_TRUE(driver.RunUntilIdle(20));
}

TEST_F(PlayFrameTest, theCombatRoundWalksItsQueue) {
    PlayDriver& driver = Start();
    for (uint32_t kind : {1u, 8u, 2u, 11u}) {
        auto anim = std::make_unique<SCombatAnim>();
        anim->kind = kind;
        play().QueueCombatAnim(std::move(anim));
    }
    EXPECT_TRUE(play().IsBusy());
    driver.Frame();
    EXPECT_EQ(play().CombatAnimCount(), 2u);
}

TEST_F(PlayFrameTest, twoRunsWithTheSameSeedLeaveTheSameTrace) {
    auto run = [this](uint32_t seed) {
        PlayDriver& driver = Start(kHandheld, seed);
        std::vector<std::string> trace;
        driver.Hold(kActionTurnLeft);
        for (int i = 0; i < 20; ++i) {
            driver.Frame();
            trace.push_back(driver.TraceLine());
        }
        driver.Release();
        play().QueueMessage("Hello", 0, nullptr);
        for (int i = 0; i < 5; ++i) {
            driver.Frame();
            trace.push_back(driver.TraceLine());
        }
        return trace;
    };
    const std::vector<std::string> first = run(7);
    m_driver.reset();
    platform::headless::Reset();
    EXPECT_EQ(run(7), first);
}

TEST_F(PlayFrameTest, aFrameMatchesAFullRepaint) {
    for (uint32_t mode : {kHandheld, kLarge}) {
        PlayDriver& driver = Start(mode);
        driver.Frames(2);
        EXPECT_TRUE(driver.Rig().MatchesFullRepaint()) << mode;
        driver.Press(kActionTurnLeft);
        driver.Frames(2);
        EXPECT_TRUE(driver.Rig().MatchesFullRepaint()) << mode << " while turning";
        driver.Rig().Shot(mode == kHandheld ? "play-240x320" : "play-800x600");
    }
}

// A layout that lacks the view's row, or some of the controls' rows, gives a screen without them:
// the frame, keys and taps go on.
TEST_F(PlayFrameTest, aLayoutWithRowsMissingGivesAScreenWithoutThoseControls) {
    struct Row {
        const char* name;
        std::vector<uint16_t> ids;
    };
    const Row rows[] = {{"no layout for the play screen", {}},
                        {"the controls without the view", {534, 535, 36, 544, 545, 542, 543, 536, 537, 538}},
                        {"only the view", {550}},
                        {"the view and two buttons", {550, 537, 546}}};
    std::vector<std::vector<uint8_t>> records;
    for (const Row& row : rows) {
        PlayDriver& driver = Start();
        SLayoutMode mode{kHandheld, 240, 320, {}};
        for (uint16_t id : row.ids) mode.rows.push_back({id, 10, 10, 40, 40});
        records.push_back(SLayoutRecord::Build({SLayoutDialog{43, {mode}}}));
        driver.Game().m_layout = SLayoutRecord(records.back());
        driver.Game().SwitchState(kPlayScreen);
        driver.Frames(2);

        const bool hasView = std::find(row.ids.begin(), row.ids.end(), 550) != row.ids.end();
        EXPECT_EQ(play().m_ctrls.Count(),
                  int(row.ids.size()) + (hasView ? -1 : 0) + (std::count(row.ids.begin(), row.ids.end(), 534) ? 1 : 0))
            << row.name << ": a panel brings its border";
        EXPECT_EQ(play().m_moveButtons[1].IsShown(), std::count(row.ids.begin(), row.ids.end(), 537) == 1) << row.name;
        driver.Press(kActionTurnLeft);
        driver.Tap(20, 20);
        driver.Tap(120, 120);
        EXPECT_TRUE(driver.RunUntilIdle(20)) << row.name;
        EXPECT_EQ(play().m_heading, 0u) << row.name;
    }
}

}  // namespace

}  // namespace play_frame_test
