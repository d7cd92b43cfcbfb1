// The Skills sheet of the character page: the rows in the player's order, the raise buttons and
// what a raise costs, the limit of twice the governing attribute, the race's barred skill, undo,
// and rows that a saved game fills with ids that name no skill.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/player/player_save_names.h"
#include "game/save_names.h"
#include "screens/inventory/character_fixture.h"
#include "support/record_bytes.h"
#include "support/text_ctrl_lines.h"

namespace skills_page_test {

namespace {

using Skills = SSkillsPage;

constexpr uint32_t kLargeTall = 10;
constexpr uint32_t kSmallTall = 7;
constexpr uint32_t kBarredOfOthers = 12;  // the skill every race but the undead is barred from
constexpr int kBarredRow = 6 + 5;         // the other skills run from 7 in the new player's order

class SkillsPageTest : public CharacterPageTest {
protected:
    // The skills page of a player of race 3 at the level, the skills at 10.
    SSkillsPage& OpenSkills(uint32_t mode, uint32_t level) {
        OpenCharacterPage(mode);
        for (uint32_t skill = 1; skill <= SPlayer::kLastSkill; ++skill) Player().SetBaseSkill(skill, 10);
        if (level > 1) ReachLevel(level);
        ShowSkills();
        return Inventory().m_skillsPage;
    }
    std::vector<int> ShownRaises() {
        std::vector<int> rows;
        for (int row = 0; row < Skills::kRows; ++row)
            if (Shown(Inventory().m_skillsPage.m_raiseButtons[row])) rows.push_back(row);
        return rows;
    }
};

TEST_F(SkillsPageTest, theRowsFollowThePlayersOrderWithTheModesNames) {
    SSkillsPage& page = OpenSkills(kLargeTall, 1);
    for (int row = 0; row < Skills::kRows; ++row) {
        const uint32_t skill = page.SkillOf(row);
        EXPECT_EQ(skill, uint32_t(row + 1));
        // The tall large screen takes the third name.
        EXPECT_EQ(SkillLabel(row), std::string(Game().m_skills.Entry(int(skill))->abbreviation.Text()) + ":");
        EXPECT_EQ(SkillValue(row), skill == kBarredOfOthers ? Digits("0") : Digits("10")) << row;
    }
    EXPECT_TRUE(ShownRaises().empty()) << "no points at level 1";
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(SkillsPageTest, withOnePointOnlyThePrimarySkillsCanRise) {
    OpenSkills(kLargeTall, 2);
    EXPECT_EQ(ShownRaises().size(), size_t(Skills::kRows - 1)) << "all but the barred skill";
    // Two other skills raised twice each, and one primary skill once: 9 of the 10 points.
    for (int row : {6, 6, 7, 7, 0}) Press(Skills::RaiseId(row));
    ASSERT_EQ(Player().SkillPoints(), 1u);
    EXPECT_EQ(ShownRaises(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(SkillsPageTest, anotherSkillCostsTwoAndUndoGivesThemBack) {
    OpenSkills(kLargeTall, 2);
    const int row = 8;
    const uint32_t skill = Inventory().m_skillsPage.SkillOf(row);
    const uint32_t allowance = Player().SkillAllowance(skill);
    Press(Skills::RaiseId(row));
    Press(Skills::RaiseId(row));
    EXPECT_EQ(Player().SkillPoints(), 10u - 4u);
    EXPECT_EQ(Player().SkillValue(skill), 12);
    EXPECT_EQ(SkillValue(row), Digits("12"));
    ASSERT_TRUE(Shown(Inventory().m_skillsPage.m_undo));
    TapOn(Inventory().m_skillsPage.m_undo);
    EXPECT_EQ(Player().SkillPoints(), 10u);
    EXPECT_EQ(Player().SkillValue(skill), 10);
    EXPECT_EQ(Player().SkillAllowance(skill), allowance);
    EXPECT_FALSE(Shown(Inventory().m_skillsPage.m_undo));
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// Base = 2 x the governing attribute: the greyed button, and pressing it explains and changes
// nothing.
TEST_F(SkillsPageTest, aSkillAtTwiceItsAttributeIsGreyedAndRefused) {
    OpenSkills(kSmallTall, 2);
    const uint32_t skill = Inventory().m_skillsPage.SkillOf(0);
    Player().SetBaseSkill(skill, 2 * kAttributeBase);
    Command(SCharacterHeader::kTabs[1]);
    const SButtonCtrl& button = Inventory().m_skillsPage.m_raiseButtons[0];
    ASSERT_TRUE(Shown(button));
    EXPECT_EQ(button.m_pictures[0], Game().InterfacePicture(SInterfaceRole::kRaiseButtons, 2));
    EXPECT_EQ(Inventory().m_skillsPage.m_raiseButtons[1].m_pictures[0],
              Game().InterfacePicture(SInterfaceRole::kRaiseButtons, 0));
    TapOn(button);
    EXPECT_EQ(Player().SkillValue(skill), int32_t(2 * kAttributeBase));
    EXPECT_EQ(Player().SkillPoints(), 10u);
    ASSERT_EQ(Inventory().m_child, &Inventory().m_sheetMessage);
    const SSkillDef* def = Game().m_skills.Entry(int(skill));
    const std::string expected = std::string("You can't improve this skill. The ") + def->name.Text() +
                                 " skill's base value cannot be higher than the double of its governing "
                                 "attribute's base value (" +
                                 Game().m_attributes.FullName(def->attribute) + ").";
    EXPECT_EQ(TextCtrlLines(Inventory().m_sheetText), expected);
    m_rig->Shot("skills_refusal_mode7");
    Command(SDialogMessage::kOk);
    EXPECT_EQ(Inventory().m_child, nullptr);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(SkillsPageTest, aSkillAtOneHundredHasNoButton) {
    OpenCharacterPage(kLargeTall);
    for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute)
        Player().SetBaseAttribute(attribute, 80);
    Player().SetBaseSkill(1, 100);
    ReachLevel(2);
    ShowSkills();
    EXPECT_FALSE(Shown(Inventory().m_skillsPage.m_raiseButtons[0]));
    EXPECT_TRUE(Shown(Inventory().m_skillsPage.m_raiseButtons[1]));
}

TEST_F(SkillsPageTest, aBarredOtherSkillShowsZeroAndNoButton) {
    OpenSkills(kLargeTall, 2);
    ASSERT_EQ(Inventory().m_skillsPage.SkillOf(kBarredRow), kBarredOfOthers);
    EXPECT_EQ(SkillValue(kBarredRow), Digits("0"));
    EXPECT_FALSE(Shown(Inventory().m_skillsPage.m_raiseButtons[kBarredRow]));
}

// A saved player whose rows hold ids that name no skill: the rows stay empty with no button; an id
// past 20 is refused when the record is read.
TEST_F(SkillsPageTest, rowsWithoutASkillStayEmpty) {
    OpenSkills(kLargeTall, 2);
    SSaveNames& names = Game().m_saveNames;
    std::vector<uint8_t> bytes =
        WrittenBytes([&](SArchive& archive) { Player().WriteSaveRecord(archive, SSaveNames::kSaveVersion, names); });
    const std::vector<uint8_t> order = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    const auto at = std::search(bytes.begin(), bytes.end(), order.begin(), order.end());
    ASSERT_NE(at, bytes.end());
    const size_t first = size_t(at - bytes.begin());
    for (uint8_t bad : {uint8_t(25), uint8_t(0)}) {
        std::vector<uint8_t> broken = bytes;
        broken[first + 2] = bad;
        std::string fault;
        bool read = false;
        ReadBytes(broken, [&](SArchive& archive) {
            read = Player().ReadSaveRecord(archive, SSaveNames::kSaveVersion, names, fault);
        });
        EXPECT_EQ(read, bad == 0) << int(bad) << ": " << fault;
    }
    ShowSkills();
    ASSERT_EQ(Inventory().m_skillsPage.SkillOf(2), 0u);
    EXPECT_EQ(SkillLabel(2), "");
    EXPECT_EQ(SkillValue(2), "");
    EXPECT_FALSE(Shown(Inventory().m_skillsPage.m_raiseButtons[2]));
    Press(Skills::RaiseId(2));
    EXPECT_EQ(Player().SkillPoints(), 10u) << "a row without a skill raises nothing";
    // The loader refuses ids past 20, but the sheet never trusts them either.
    Player().SetSkillOrder({1, 25, 0, 4, 5, 6}, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 255});
    ShowSkills();
    for (int row : {1, 2, Skills::kRows - 1}) {
        EXPECT_EQ(SkillLabel(row), "") << row;
        EXPECT_EQ(SkillValue(row), "") << row;
        EXPECT_FALSE(Shown(Inventory().m_skillsPage.m_raiseButtons[row])) << row;
        Press(Skills::RaiseId(row));
    }
    EXPECT_EQ(Player().SkillPoints(), 10u);
    for (uint32_t id : {0u, 21u, 25u, 255u}) EXPECT_FALSE(Skills::IsSkillId(id)) << id;
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// The count of points spent was eight bits wide: 300 raises undid wrongly.
TEST_F(SkillsPageTest, threeHundredRaisesUndoExactly) {
    OpenCharacterPage(kSmallTall);
    for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute)
        Player().SetBaseAttribute(attribute, 500);
    ReachLevel(61);
    ShowSkills();
    const uint32_t points = Player().SkillPoints();
    for (int i = 0; i < 300; ++i) Press(Skills::RaiseId(i % Skills::kPrimaryRows));
    EXPECT_EQ(Player().SkillPoints(), points - 300);
    Press(Skills::kUndo);
    EXPECT_EQ(Player().SkillPoints(), points);
    for (uint32_t skill = 1; skill <= 6; ++skill) {
        EXPECT_EQ(Player().SkillValue(skill), 0) << skill;
        EXPECT_EQ(Player().SkillAllowance(skill), 120u) << skill;
    }
}

}  // namespace

}  // namespace skills_page_test
