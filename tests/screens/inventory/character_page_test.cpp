// The Main sheet of the character page: the values shown, the attribute raises and their undo.
#include <gtest/gtest.h>

#include "engine/base/format_count.h"
#include "screens/inventory/character_fixture.h"

namespace character_page_test {

namespace {

using Main = SCharacterPage;

constexpr uint32_t kLargeTall = 10;
constexpr uint32_t kSmallTall = 7;
constexpr uint32_t kFortifyHpKind = 5;

TEST_F(CharacterPageTest, experienceIsShortenedAsTheTableSays) {
    OpenCharacterPage(kLargeTall);
    struct Row {
        uint32_t xp;
        const char* shown;
    };
    for (const Row row : {Row{9999, "9999"}, Row{10000, "10K"}, Row{1500000, "1M"}, Row{1000000000, "1B"}}) {
        SString text;
        FormatGoldShort(row.xp, text);
        EXPECT_STREQ(text.Text(), row.shown) << row.xp;
        Player().AddXp(int32_t(row.xp) - int32_t(Player().Xp()), false);
        Inventory().m_characterPage.UpdateValues();
        EXPECT_EQ(MainValue(Main::kExperience).rfind(Digits(row.shown) + " (next level: ", 0), 0u)
            << row.xp << ": " << MainValue(Main::kExperience);
    }
}

TEST_F(CharacterPageTest, theNarrowScreenPutsTheLevelFirstInTheExperienceLine) {
    OpenCharacterPage(kSmallTall);
    ReachLevel(2);
    Inventory().m_characterPage.UpdateValues();
    EXPECT_EQ(MainValue(Main::kExperience), Digits("2, xp: 400 (next lvl: 900)"));
    EXPECT_EQ(Inventory().m_characterPage.m_labels[2].m_words.Text(), std::string("Level:"));
}

// Three raises of Strength and one of Endurance, undone: everything as before.
TEST_F(CharacterPageTest, undoGivesBackExactlyWhatTheRaisesTook) {
    OpenCharacterPage(kLargeTall);
    ReachLevel(2);
    Command(SStateInventory::kCharacterTab);
    const uint32_t points = Player().AttributePoints();
    const uint32_t strengthAllowance = Player().AttributeAllowance(kStrength);
    const uint32_t enduranceAllowance = Player().AttributeAllowance(kEndurance);
    ASSERT_EQ(points, 5u);
    const SCharacterPage& page = Inventory().m_characterPage;
    EXPECT_FALSE(Shown(page.m_undo)) << "nothing to undo yet";
    for (uint32_t id : {Main::kRaises[0], Main::kRaises[0], Main::kRaises[2]}) {
        TapOn(page.m_raiseButtons[id == Main::kRaises[0] ? 0 : 2]);
        EXPECT_EQ(m_rig->Sounds().Lines().back().rfind("bsnd_clickh", 0), 0u);
    }
    Press(Main::kRaises[0]);
    EXPECT_EQ(Player().AttributePoints(), points - 4);
    EXPECT_EQ(Player().BaseAttribute(kStrength), kAttributeBase + 3u);
    EXPECT_EQ(Player().BaseAttribute(kEndurance), kAttributeBase + 1u);
    EXPECT_EQ(MainValue(Main::kFirstAttribute), Digits("33 (33)"));
    EXPECT_EQ(MainValue(Main::kPoints), Digits("1"));
    ASSERT_TRUE(Shown(page.m_undo));

    TapOn(page.m_undo);
    EXPECT_EQ(Player().AttributePoints(), points);
    EXPECT_EQ(Player().BaseAttribute(kStrength), kAttributeBase);
    EXPECT_EQ(Player().BaseAttribute(kEndurance), kAttributeBase);
    EXPECT_EQ(Player().AttributeAllowance(kStrength), strengthAllowance);
    EXPECT_EQ(Player().AttributeAllowance(kEndurance), enduranceAllowance);
    EXPECT_FALSE(Shown(page.m_undo));
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// The count of points spent was eight bits wide: 300 raises undid as 44.
TEST_F(CharacterPageTest, threeHundredRaisesUndoExactly) {
    OpenCharacterPage(kSmallTall);
    ReachLevel(61);
    Command(SStateInventory::kCharacterTab);
    ASSERT_EQ(Player().AttributePoints(), 300u);
    for (int i = 0; i < 300; ++i) Press(Main::kRaises[i % Main::kAttributes]);
    EXPECT_EQ(Player().AttributePoints(), 0u);
    EXPECT_EQ(Player().BaseAttribute(kStrength), kAttributeBase + 60u);
    Press(Main::kUndo);
    EXPECT_EQ(Player().AttributePoints(), 300u);
    for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute) {
        EXPECT_EQ(Player().BaseAttribute(attribute), kAttributeBase) << attribute;
        EXPECT_EQ(Player().AttributeAllowance(attribute), 120u) << attribute;
    }
}

TEST_F(CharacterPageTest, theRaiseButtonsShowOnlyWithPointsAndAllowance) {
    OpenCharacterPage(kLargeTall);
    ReachLevel(2);
    Command(SStateInventory::kCharacterTab);
    const SCharacterPage& page = Inventory().m_characterPage;
    for (const SButtonCtrl& button : page.m_raiseButtons) EXPECT_TRUE(Shown(button));
    // Strength's allowance of 2 used up, then the rest of the points.
    Press(Main::kRaises[0]);
    Press(Main::kRaises[0]);
    EXPECT_FALSE(Shown(page.m_raiseButtons[0]));
    EXPECT_TRUE(Shown(page.m_raiseButtons[1]));
    Press(Main::kRaises[1]);
    Press(Main::kRaises[2]);
    Press(Main::kRaises[3]);
    ASSERT_EQ(Player().AttributePoints(), 0u);
    ASSERT_GT(Player().AttributeAllowance(5), 0u);
    for (const SButtonCtrl& button : page.m_raiseButtons) EXPECT_FALSE(Shown(button));
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(CharacterPageTest, hitPointsAboveTheMaximumShowHighlighted) {
    OpenCharacterPage(kLargeTall);
    Player().SetFullHp(false);
    const int32_t maximum = Player().GetMaxHp();
    Inventory().m_characterPage.UpdateValues();
    const std::string plain = Digits((std::to_string(maximum) + "/").c_str()) + Digits(std::to_string(maximum).c_str());
    EXPECT_EQ(MainValue(Main::kHitPoints), plain);
    // An effect that raised the maximum ends while the hit points stay.
    Player().AddTimedEffect(0, nullptr, 20, 10, kFortifyHpKind, 0, "");
    Player().SetFullHp(false);
    const int32_t raised = Player().Hp();
    ASSERT_GT(raised, maximum);
    Player().ClearEffects();
    Inventory().m_characterPage.UpdateValues();
    EXPECT_EQ(MainValue(Main::kHitPoints),
              Digits((std::to_string(raised) + "/").c_str(), true) + Digits(std::to_string(maximum).c_str()));
}

// Switching tabs makes the raises final: undo has nothing left to give back.
TEST_F(CharacterPageTest, aTabChangeMakesThePendingRaisesFinal) {
    OpenCharacterPage(kLargeTall);
    ReachLevel(2);
    Command(SStateInventory::kCharacterTab);
    Press(Main::kRaises[0]);
    ShowSkills();
    Command(SCharacterHeader::kTabs[0]);
    EXPECT_FALSE(Shown(Inventory().m_characterPage.m_undo));
    Press(Main::kUndo);
    EXPECT_EQ(Player().BaseAttribute(kStrength), kAttributeBase + 1u);
    EXPECT_EQ(Player().AttributePoints(), 4u);
}

// Labels are drawn right-aligned in their boxes: a text wider than its box runs over the value or
// out of the page. Each screen mode's labels fit, the narrow screens' longer "Level:" included.
class CharacterLabelsTest : public CharacterPageTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(CharacterLabelsTest, everyLabelFitsItsBox) {
    OpenCharacterPage(GetParam());
    SText& text = *Game().m_text;
    text.SelectFont(1, 0, 0);
    int shown = 0;
    for (const STextCtrl& label : Inventory().m_characterPage.m_labels) {
        if (!label.IsShown() || !label.m_words.Text()) continue;
        ++shown;
        EXPECT_LE(text.TextWidth(label.m_words.Text()), int(label.m_w)) << label.m_words.Text();
    }
    EXPECT_GT(shown, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, CharacterLabelsTest, ::testing::Values(6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u));

}  // namespace

}  // namespace character_page_test
