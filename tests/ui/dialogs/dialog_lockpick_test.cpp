#include "ui/dialogs/dialog_lockpick.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/maps/placed_object.h"
#include "platform/headless/headless.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/tool_dialog_fixture.h"

namespace dialog_lockpick_test {

namespace {

constexpr uint32_t kLockpicking = 18;

class LockpickTest : public ToolDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartTools(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        Play().m_lockTarget = &door;
        return rig;
    }
    // As the play screen opens it at a locked door.
    void show() {
        dialog.Open();
        dialog.Reset();
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    void lock(int level, int trap = 0) {
        door.SetLockLevel(level * 10);
        door.SetTrapLevel(trap * 10);
    }
    SItem& pick(uint32_t condition, uint16_t maxCondition = 2000, const char* name = "Lockpick") {
        const std::string id = std::string("base_") + name;
        SItemType* type = Game().m_items.FindItemType(id.c_str());
        if (type == nullptr) type = &Tool(id.c_str(), kItemKey, kKeySubtypeLockpick, name, maxCondition, 0xFE60);
        return Give(*type, condition);
    }
    std::string chance() const { return dialog.m_chance.m_words.Text(); }

    SPlacedObject door;
    SDialogLockpick dialog;
};

// Score 52: Lockpicking 50 and a pick whose 1,200 condition stays above 1,000 after any wear. A try succeeds
// when 52 x 4 / 5 + Random(20) = 41 to 60 is above ten times the lock's level.
TEST_F(LockpickTest, score52AgainstLevels4To8GivesTheChanceWordAndTheSuccesses) {
    struct Case {
        int level;
        const char* word;
        int lowestSuccess;  // of Random(20)
    };
    const Case cases[] = {{4, "very good", 0}, {5, "very good", 10}, {6, "moderate", 20}, {8, "slight", 20}};
    for (const Case& c : cases) {
        open();
        ASSERT_FALSE(HasFailure());
        Player().SetBaseSkill(kLockpicking, 50);
        SItem& tool = pick(1200);
        lock(c.level);
        show();
        EXPECT_EQ(chance(), std::string("Chance: ") + c.word) << c.level;
        SRandom twin;
        twin.Seed(kSeed);
        int successes = 0, failures = 0;
        for (int attempt = 0; attempt < 40; ++attempt) {
            tool.m_amount = 1200;
            lock(c.level);
            Play().m_commands.clear();
            twin.Next(20);
            twin.Next(50);
            const bool success = twin.Next(20) >= c.lowestSuccess;
            dialog.OnCommand(SDialogLockpick::kTry);
            ASSERT_EQ(Play().m_commands.size(), success ? 1u : 0u) << c.level << " try " << attempt;
            ASSERT_EQ(door.LockLevel(), success ? 0 : c.level * 10) << c.level << " try " << attempt;
            (success ? successes : failures)++;
        }
        EXPECT_TRUE(c.lowestSuccess != 0 || failures == 0) << c.level;
        EXPECT_TRUE(c.lowestSuccess != 20 || successes == 0) << c.level;
        EXPECT_TRUE(c.level != 5 || (successes > 0 && failures > 0));
    }
}

TEST_F(LockpickTest, fromSkill100APickWears10To29) {
    open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kLockpicking, 100);
    SItem& tool = pick(60000, 60000);
    lock(15);
    show();
    int least = 1000, most = 0;
    for (int attempt = 0; attempt < 200; ++attempt) {
        const uint32_t before = tool.m_amount;
        dialog.OnCommand(SDialogLockpick::kTry);
        const int wear = int(before - tool.m_amount);
        least = std::min(least, wear);
        most = std::max(most, wear);
    }
    EXPECT_EQ(least, 10);
    EXPECT_EQ(most, 29);
}

// The second is a difference of ticks: a counter that wraps during it neither ends it at once nor
// holds it for ever.
TEST_F(LockpickTest, aFailedTryShowsFailedForASecondOfTheClock) {
    for (uint32_t start : {5000u, 0xFFFFFE00u}) {
        UiRig& rig = open();
        ASSERT_FALSE(HasFailure());
        pick(1000);
        lock(15);
        show();
        const std::string before = chance();
        platform::headless::SetTickCount(start);
        rig.Sounds().Clear();
        dialog.OnCommand(SDialogLockpick::kTry);
        EXPECT_EQ(chance(), "Failed");
        EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_lockpicktry 10"});
        EXPECT_TRUE(Play().m_commands.empty());
        rig.AdvanceClock(SDialogLockpick::kFailedMilliseconds - 41);
        rig.Frame();  // 999 ms
        EXPECT_EQ(chance(), "Failed") << start;
        EXPECT_TRUE(rig.Shot("lockpick_failed_mode7"));
        EXPECT_TRUE(rig.MatchesFullRepaint());
        rig.Frame();
        EXPECT_EQ(chance(), before) << start;
        EXPECT_TRUE(rig.MatchesFullRepaint());
    }
}

TEST_F(LockpickTest, aFailedTryAtATrappedDoorGoesToTheParent) {
    open();
    ASSERT_FALSE(HasFailure());
    pick(1000);
    lock(15, 3);
    show();
    dialog.OnCommand(SDialogLockpick::kTry);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogLockpick::kTry});
    EXPECT_EQ(dialog.m_failedShown, 0u);
    EXPECT_EQ(door.LockLevel(), 150);
}

TEST_F(LockpickTest, successClearsTheLockKeepsTheTrapAndTellsThePlayScreen) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kLockpicking, 60);
    pick(1000);
    lock(1, 5);
    door.state |= 0x8021;  // the class's own bits stay too
    show();
    rig.Sounds().Clear();
    rig.Tap(dialog.m_try.m_x + 2, dialog.m_try.m_y + 2);
    EXPECT_EQ(door.LockLevel(), 0);
    EXPECT_EQ(door.TrapLevel(), 50);
    EXPECT_EQ(door.state & 0xC03F, 0x8021);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogLockpick::kClose});
    ASSERT_EQ(Play().Events().size(), 1u);
    EXPECT_EQ(Play().Events()[0]->type, SGameEvent::kMessage);
    EXPECT_EQ(TextCtrlLines(*Play().Events()[0]->textCtrl), "You have successfully picked the lock.");
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_lockout 10"});
}

// Lockpicking 0 with a pick at a tenth of its condition scores 0, which no roll can push above 0.
TEST_F(LockpickTest, anUnlockedDoorOpensAtTheFirstTryWhateverTheScore) {
    open();
    ASSERT_FALSE(HasFailure());
    pick(200);
    lock(0, 2);
    show();
    dialog.OnCommand(SDialogLockpick::kTry);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogLockpick::kClose});
}

TEST_F(LockpickTest, withoutAUsablePickTheChanceIsNoneAndTryDoesNothing) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    pick(199);
    pick(0, 0, "Ghost pick");  // a maximum of 0 would divide
    lock(2);
    show();
    EXPECT_TRUE(dialog.m_picks.empty());
    EXPECT_EQ(chance(), "Chance: none");
    EXPECT_FALSE(dialog.m_previousPick.IsEnabled());
    EXPECT_FALSE(dialog.m_nextPick.IsEnabled());
    rig.Sounds().Clear();
    dialog.OnCommand(SDialogLockpick::kTry);
    EXPECT_TRUE(Play().m_commands.empty());
    EXPECT_TRUE(rig.Sounds().Lines().empty());
}

// The chance is not weighed again on a change of pick; a worn-out pick leaves the choice.
TEST_F(LockpickTest, stepThroughThePicksWhileTheChanceStays) {
    open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kLockpicking, 30);
    pick(250, 2000, "Bent pick");
    pick(2000, 2000, "Fine pick");
    lock(3, 1);
    show();
    EXPECT_EQ(chance(), "Chance: good") << "score 30 against level 3";
    dialog.OnCommand(SDialogLockpick::kNextPick);
    EXPECT_STREQ(dialog.m_pickText.m_title.Text(), "Fine pick");
    EXPECT_EQ(chance(), "Chance: good") << "the fine pick's score of 34 is not weighed";
    EXPECT_TRUE(dialog.m_previousPick.IsEnabled());
    EXPECT_FALSE(dialog.m_nextPick.IsEnabled());
    dialog.OnCommand(SDialogLockpick::kPreviousPick);
    EXPECT_STREQ(dialog.m_pickText.m_title.Text(), "Bent pick");
}

TEST_F(LockpickTest, lockPickingWithAPickLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        Player().SetBaseSkill(kLockpicking, 45);
        pick(1500);
        pick(900, 2000, "Bent pick");
        lock(5);
        show();
        const std::string name = "lockpick_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
        dialog.OnCommand(SDialogLockpick::kTry);
        rig.Frame();
        EXPECT_TRUE(rig.Shot(name + "_tried"));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_lockpick_test
