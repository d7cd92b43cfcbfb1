#include "ui/dialogs/dialog_rest.h"

#include <gtest/gtest.h>

#include "data/player/active_effect.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_rest_test {

namespace {

constexpr uint32_t kEndurance = 3;
constexpr uint32_t kFortifyHpKind = 5;
constexpr uint32_t kPoisonKind = 26;

class RestTest : public PlayDialogTest {
protected:
    UiRig& open(const char* host, uint32_t mode = 7) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        // A piece plays on the play screen, for the rest to pause.
        Game().m_music.Play("bmus_main");
        dialog.Init(&Game());
        dialog.Open(host);
        rig.OpenDialog(dialog);
        rig.Frame();
        return rig;
    }
    // Frames until the counter reaches hour 8, a second apart.
    void sleepThrough() {
        while (dialog.m_hours < SDialogRest::kLastHour) {
            m_rig->AdvanceClock(SDialogRest::kHourTime);
            m_rig->Frame();
        }
    }

    SDialogRest dialog;
};

TEST_F(RestTest, theCounterTakesAnHourASecondAndNoneForFasterTicks) {
    UiRig& rig = open(nullptr);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(dialog.m_hours, 1u);
    EXPECT_STREQ(dialog.m_counter.m_words.Text(), "1");
    // 24 frames of 40 ms: 960 ms, not a second.
    rig.Frames(24);
    EXPECT_EQ(dialog.m_hours, 1u);
    for (uint32_t hour = 2; hour <= SDialogRest::kLastHour; ++hour) {
        EXPECT_FALSE(dialog.m_continue.IsShown()) << "Continue before hour " << hour;
        rig.AdvanceClock(SDialogRest::kHourTime);
        rig.Frame();
        EXPECT_EQ(dialog.m_hours, hour);
        EXPECT_STREQ(dialog.m_counter.m_words.Text(), std::to_string(hour).c_str());
    }
    EXPECT_TRUE(dialog.m_continue.IsShown());
    rig.AdvanceClock(5 * SDialogRest::kHourTime);
    rig.Frame();
    EXPECT_EQ(dialog.m_hours, SDialogRest::kLastHour);
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// The steps compare tick differences: a tick count that wraps past 0 goes on counting.
TEST_F(RestTest, aWrappingTickCountDoesNotStallTheCounter) {
    UiRig& rig = open(nullptr);
    ASSERT_FALSE(HasFailure());
    dialog.m_lastStep = 0xFFFFFF00u;
    rig.AdvanceClock(SDialogRest::kHourTime);
    rig.Frame();
    EXPECT_EQ(dialog.m_hours, 2u);
}

TEST_F(RestTest, anInnLiftsHpAndManaAFourthAboveTheirMaximaAndCuresPoison) {
    struct Case {
        const char* name;
        int32_t fortifyHp;
        bool poisoned;
        int32_t hp;
    };
    const Case cases[] = {{"maximum40", 0, false, 50}, {"maximum41", 1, false, 51}, {"poisoned", 0, true, 50}};
    for (const Case& c : cases) {
        StartPlay(7);
        ASSERT_FALSE(HasFailure());
        Player().SetRace(2);
        Player().SetBaseAttribute(kEndurance, 10);
        if (c.fortifyHp) Player().AddTimedEffect(kFromSpell, nullptr, c.fortifyHp, 60, kFortifyHpKind, 0, nullptr);
        if (c.poisoned) Player().AddTimedEffect(kFromMonster, nullptr, 3, 60, kPoisonKind, 0, nullptr);
        ASSERT_EQ(Player().GetMaxHp(), 40 + c.fortifyHp) << c.name;
        Player().SetHp(20, false);
        SHPSPCtrl& bar = Play().m_hpBar;
        bar.Attach(&Play());
        bar.SetRect(0, 0, 10, 100);
        bar.Setup(1);
        bar.SetPercent(50);

        dialog.Init(&Game());
        dialog.Open("Marta");
        m_rig->OpenDialog(dialog);
        sleepThrough();
        EXPECT_EQ(Player().Hp(), c.hp) << c.name;
        EXPECT_EQ(Player().Mana(), Player().GetMaxMana() * 5 / 4) << c.name;
        EXPECT_EQ(bar.m_lengthV, bar.m_h - bar.m_topH - bar.m_bottomH) << c.name << ": above the maximum shows full";
        std::string report =
            "As you wake up, Marta serves delicious food and water.\r"
            "You feel you're fully rested.\r(hp and sp are increased for a while).\r";
        if (c.poisoned) report += "You're no longer poisoned.\r";
        EXPECT_EQ(std::string(dialog.m_report.m_words.Text()), report) << c.name;
        EXPECT_EQ(Player().PoisonTotal(), 0) << c.name;
    }
}

TEST_F(RestTest, rainChangesOnlyTheLastSentenceOfARestInTheOpen) {
    for (uint32_t rain : {0u, 1u}) {
        open(nullptr);
        ASSERT_FALSE(HasFailure());
        Player().SetHp(7, false);
        dialog.SetRainFlag(rain);
        sleepThrough();
        const std::string last = rain ? "As you have been removed from the events by your sleep, there was a rain. "
                                        "Your hp and sp may not have recovered."
                                      : "Your hp and sp have been restored.";
        EXPECT_EQ(std::string(dialog.m_report.m_words.Text()), "You eat and drink as you wake up.\r" + last);
        EXPECT_EQ(Player().Hp(), 7) << "the play screen restores the player after a rest in the open";
    }
}

TEST_F(RestTest, theFireCracklesUntilContinueWhichStopsEverySoundButTheMusic) {
    UiRig& rig = open(nullptr);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_fire 6 looped"});
    EXPECT_TRUE(Game().m_music.Paused());
    sleepThrough();
    rig.Frame();
    rig.Sounds().Clear();
    rig.Tap(dialog.m_continue.m_x + 2, dialog.m_continue.m_y + 2);
    EXPECT_EQ(rig.Sounds().Lines(), (std::vector<std::string>{"stop all", "bsnd_clickh 10"}));
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogRest::kContinue});
}

TEST_F(RestTest, theRestLooksRightCountingAndFinished) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(nullptr, mode);
        ASSERT_FALSE(HasFailure());
        rig.AdvanceClock(2 * SDialogRest::kHourTime);
        rig.Frames(3);
        const std::string suffix = "_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot("rest_counting" + suffix));
        dialog.SetRainFlag(1);
        sleepThrough();
        rig.Frame();
        EXPECT_TRUE(rig.Shot("rest_finished" + suffix));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << suffix;
    }
}

}  // namespace

}  // namespace dialog_rest_test
