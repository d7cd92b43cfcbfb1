#include "ui/dialogs/dialog_training.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "data/persons/npc_type.h"
#include "engine/draw/digit_glyphs.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_training_test {

namespace {

constexpr uint8_t kHealMagic = 8;
constexpr uint8_t kUndeadMagic = 12;
constexpr uint8_t kAlchemy = 16;  // governed by Intelligence
constexpr uint32_t kIntelligence = 4;

// The Part's example curve: 50 at level 0 and 150 at level 10, then on in steps of 100.
constexpr std::array<uint32_t, 11> kExampleCurve{50, 150, 250, 350, 450, 550, 650, 750, 850, 950, 2000};

TEST(TrainingPriceTest, theCurveInterpolatesAndNeverReadsPastItsLastPoint) {
    EXPECT_EQ(SSkillTable::LevelCostOn(kExampleCurve, 4), 90u) << "50 + (4 x 100) / 10";
    for (int t = 0; t <= 10; ++t) EXPECT_EQ(SSkillTable::LevelCostOn(kExampleCurve, 10 * t), kExampleCurve[t]) << t;
    EXPECT_EQ(SSkillTable::LevelCostOn(kExampleCurve, 99), 950u + 9 * 1050 / 10);
    for (int level : {100, 105, 255, 65535}) EXPECT_EQ(SSkillTable::LevelCostOn(kExampleCurve, level), 2000u) << level;
}

class TrainingTest : public PlayDialogTest {
protected:
    UiRig& open(uint32_t mode, uint8_t skill, uint8_t limit) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        trainer.texts[0].Assign("Marra");
        trainer.smallValues[0] = skill;
        trainer.smallValues[1] = limit;
        dialog.Init(&Game());
        return rig;
    }
    void show() {
        dialog.Open(trainer);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
        m_rig->Sounds().Clear();
    }
    void setSkill(uint32_t skill, int32_t value) {
        Player().AddSkillValue(skill, value - Player().SkillValue(skill), false);
    }
    void setGold(uint32_t gold) {
        Player().RemoveGold(Player().Gold(), false);
        Player().ReceiveGold(gold, false, false);
    }
    // The price of the next level from the skill's level, as the player buys.
    uint32_t price(int32_t level) const {
        return m_rig->Game().m_player.AdjustPrice(SSkillTable::GetLevelCost(level), true);
    }
    static std::string glyphs(const char* text) {
        SString s;
        s.Assign(text);
        ToDigitGlyphs(s);
        return s.Text();
    }

    SNpcType trainer;
    SDialogTraining dialog;
};

TEST_F(TrainingTest, refusesInOrderBarredLimitAttributeElseNamesThePrice) {
    struct Case {
        const char* what;
        uint32_t race;
        uint8_t skill;
        int32_t value;
        uint8_t limit;
        uint16_t intelligence;
        std::string status;
    };
    open(7, kAlchemy, 50);
    ASSERT_FALSE(HasFailure());
    const Case cases[] = {
        {"undead magic is barred to the living, before the limit", 2, kUndeadMagic, 40, 10, 10,
         "You cannot learn Undead Magic."},
        {"the limit before the attribute", 2, kAlchemy, 50, 50, 10, "Marra cannot train you anymore."},
        {"twice the base attribute is not enough", 2, kAlchemy, 40, 50, 20,
         "You need higher Intelligence to learn Alchemy."},
        {"one below twice", 2, kAlchemy, 39, 50, 20, "Cost for the next level: " + std::to_string(price(39)) + "\t"},
    };
    for (const Case& c : cases) {
        Player().SetRace(c.race);
        Player().SetBaseAttribute(kIntelligence, c.intelligence);
        setSkill(c.skill, c.value);
        trainer.smallValues[0] = c.skill;
        trainer.smallValues[1] = c.limit;
        setGold(1000000);
        show();
        EXPECT_EQ(std::string(dialog.m_status.m_words.Text()), c.status) << c.what;
        EXPECT_EQ(dialog.m_train.IsShown(), c.status.starts_with("Cost")) << c.what;
    }
}

TEST_F(TrainingTest, aRaceOnePlayerAtAHealMagicTrainerSeesLevelZeroAndCannotLearnIt) {
    open(7, kHealMagic, 100);
    ASSERT_FALSE(HasFailure());
    Player().SetRace(1);
    show();
    EXPECT_EQ(std::string(dialog.m_level.m_words.Text()), glyphs("Your skill level: 0"));
    EXPECT_STREQ(dialog.m_status.m_words.Text(), "You cannot learn Heal Magic.");
    EXPECT_STREQ(dialog.m_title.m_words.Text(), "Marra trains Heal Magic.");
    EXPECT_FALSE(dialog.m_train.IsShown());
}

TEST_F(TrainingTest, goldEqualToThePriceTrainsAndOneLessHidesTrain) {
    open(7, kAlchemy, 22);
    ASSERT_FALSE(HasFailure());
    Player().SetRace(2);
    Player().SetBaseAttribute(kIntelligence, 50);
    setSkill(kAlchemy, 20);
    const uint32_t cost = price(20);
    setGold(cost - 1);
    show();
    EXPECT_FALSE(dialog.m_train.IsShown());
    dialog.OnCommand(SDialogTraining::kTrain);
    EXPECT_EQ(Player().SkillValue(kAlchemy), 20) << "Train does nothing while the player cannot pay";
    EXPECT_EQ(Player().Gold(), cost - 1);

    setGold(cost + price(21));
    show();
    EXPECT_EQ(std::string(dialog.m_gold.m_words.Text()),
              glyphs(("Your gold: " + std::to_string(cost + price(21)) + "\t").c_str()));
    ASSERT_TRUE(dialog.m_train.IsShown());
    m_rig->Tap(dialog.m_train.m_x + 2, dialog.m_train.m_y + 2);
    EXPECT_EQ(Player().SkillValue(kAlchemy), 21);
    EXPECT_EQ(Player().Gold(), price(21)) << "exactly the next price left";
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
    EXPECT_TRUE(dialog.m_train.IsShown()) << "gold equal to the price";
    dialog.OnCommand(SDialogTraining::kTrain);
    EXPECT_EQ(Player().SkillValue(kAlchemy), 22);
    EXPECT_EQ(Player().Gold(), 0u);
    EXPECT_STREQ(dialog.m_status.m_words.Text(), "Marra cannot train you anymore.");
    EXPECT_FALSE(dialog.m_train.IsShown());
    EXPECT_TRUE(Play().m_commands.empty()) << "the dialog stays open";
    m_rig->Tap(dialog.m_close.m_x + 2, dialog.m_close.m_y + 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{18});
}

TEST_F(TrainingTest, aTrainerLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode, kAlchemy, 60);
        ASSERT_FALSE(HasFailure());
        Player().SetRace(2);
        Player().SetBaseAttribute(kIntelligence, 40);
        setSkill(kAlchemy, 25);
        setGold(5000);
        show();
        const std::string name = "training_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_training_test
