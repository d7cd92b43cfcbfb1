// Character creation on the interface test rig over the sample world: the defaults, the race rule
// for the undead race's skill, the slot swap, classes, the face list's ends, cancel, OK into a new
// game and a new game that fails.
#include "screens/creation/state_generate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game_data.h"
#include "screens/new_game_rig.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"

namespace state_generate_test {

namespace {

using Skills = std::array<uint8_t, 6>;
constexpr Skills kDefaultSkills = {2, 5, 1, 8, 15, 14};

class CreationScreenTest : public NewGameRigTest {
protected:
    // Creation entered as the intro leaves for it, with no words.
    SStateGenerate& Enter(uint32_t screenMode = 7) {
        StartWithSampleWorld(screenMode);
        return EnterAgain();
    }
    SStateGenerate& EnterAgain() {
        for (uintptr_t& word : Current()->m_param) word = 0;
        m_rig->Game().SwitchState(kCharacterCreationScreen);
        // Screens are entered inside a frame; the stylus counts from the next one on.
        m_rig->Frame();
        return Creation();
    }
    SStateGenerate& Creation() { return static_cast<SStateGenerate&>(*m_rig->Game().Screen(kCharacterCreationScreen)); }
    // The race dialog opened by its button, moved by the keys to the race and closed with OK.
    void ChooseRace(uint32_t race) {
        SStateGenerate& creation = Creation();
        TapOn(creation.m_changeRace);
        ASSERT_EQ(creation.m_child, &creation.m_raceChoice);
        while (creation.m_raceChoice.m_race > race) m_rig->Key(1000);
        while (creation.m_raceChoice.m_race < race) m_rig->Key(1002);
        TapOn(creation.m_raceChoice.m_ok);
        ASSERT_EQ(creation.m_child, nullptr);
    }
    void ChooseClass(uint32_t classId) {
        SStateGenerate& creation = Creation();
        TapOn(creation.m_selectClass);
        ASSERT_EQ(creation.m_child, &creation.m_classChoice);
        while (creation.m_classChoice.m_selected < classId) m_rig->Key(1002);
        TapOn(creation.m_classChoice.m_ok);
    }
    // The skill dialog of a slot, the skill's entry tapped, OK.
    void ChooseSkill(int slot, uint8_t skill) {
        SStateGenerate& creation = Creation();
        TapOn(creation.m_slots[size_t(slot)]);
        ASSERT_EQ(creation.m_child, &creation.m_skillChoice);
        TapOn(creation.m_skillChoice.m_entries[size_t(skill - 1)]);
        ASSERT_EQ(creation.m_skillChoice.m_selected, skill);
        TapOn(creation.m_skillChoice.m_ok);
        ASSERT_EQ(creation.m_child, nullptr);
    }
    std::string SlotLabel(int slot) { return Creation().m_slots[size_t(slot)].m_topic.Text(); }
    // The open message box's text, its lines joined by spaces.
    std::string MessageText() {
        const SDialogTextCtrl& text = Creation().m_messageText;
        std::string joined;
        for (int i = 0; i < text.m_shown.Count(); ++i)
            joined += std::string(i ? " " : "") + text.m_shown[i].text.Text();
        return joined;
    }
};

TEST_F(CreationScreenTest, everyVisitStartsFromTheDefaults) {
    SStateGenerate& creation = Enter();
    const SCharacterChoice& choice = creation.Choice();
    EXPECT_EQ(choice.name, "Player");
    EXPECT_EQ(choice.gender, 1);
    EXPECT_EQ(choice.race, 2u);
    EXPECT_EQ(creation.RaceName(), "Etherim");
    EXPECT_EQ(choice.majorSkills, kDefaultSkills);
    EXPECT_EQ(choice.face, "bres_head00_raceetherim");
    ASSERT_GE(creation.FaceIndex(), 0);
    EXPECT_EQ(creation.Faces()[size_t(creation.FaceIndex())], choice.face);
    EXPECT_TRUE(std::is_sorted(creation.Faces().begin(), creation.Faces().end()));
    EXPECT_TRUE(creation.m_male.IsChecked());
    EXPECT_FALSE(creation.m_female.IsChecked());
    EXPECT_EQ(SlotLabel(0), m_rig->Game().m_skills.ShortName(2));
    m_rig->Shot("creation_240x320");
}

// The small screens show the skills' short names, as the skill choice does there; the others the
// full names.
TEST_F(CreationScreenTest, theSlotsShowTheSkillsNamesForTheScreenType) {
    for (uint32_t mode : {7u, 10u}) {
        Enter(mode);
        const SSkillTable& skills = m_rig->Game().m_skills;
        for (int slot = 0; slot < SStateGenerate::kSlots; ++slot) {
            const int skill = kDefaultSkills[size_t(slot)];
            EXPECT_EQ(SlotLabel(slot), mode == 7 ? skills.ShortName(skill) : skills.Name(skill)) << slot;
        }
    }
}

TEST_F(CreationScreenTest, theUndeadRaceTurnsASlotsSkill8Into12AndAnotherRaceTurnsItBack) {
    SStateGenerate& creation = Enter();
    ChooseRace(1);
    EXPECT_EQ(creation.Choice().race, 1u);
    EXPECT_EQ(creation.Choice().majorSkills, (Skills{2, 5, 1, 12, 15, 14}));
    EXPECT_EQ(SlotLabel(3), m_rig->Game().m_skills.ShortName(12));
    EXPECT_EQ(creation.Choice().face, "bres_head00_raceundead");
    EXPECT_EQ(creation.RaceName(), m_rig->Game().m_races.Entry(1)->name.Text());
    ChooseRace(3);
    EXPECT_EQ(creation.Choice().majorSkills, kDefaultSkills);
    EXPECT_EQ(creation.Choice().face, "bres_head00_raceseiry");
}

TEST_F(CreationScreenTest, aSkillAnotherSlotHoldsSwapsTheTwoSlots) {
    SStateGenerate& creation = Enter();
    ChooseSkill(2, 15);
    EXPECT_EQ(creation.Choice().majorSkills, (Skills{2, 5, 15, 8, 1, 14}));
    EXPECT_EQ(SlotLabel(2), m_rig->Game().m_skills.ShortName(15));
    EXPECT_EQ(SlotLabel(4), m_rig->Game().m_skills.ShortName(1));
}

TEST_F(CreationScreenTest, forTheUndeadRaceSkill8IsStoredAs12) {
    SStateGenerate& creation = Enter();
    ChooseRace(1);
    ChooseSkill(0, 8);
    EXPECT_EQ(creation.Choice().majorSkills, (Skills{12, 5, 1, 2, 15, 14})) << "slot 3's 12 took slot 0's 2";
}

TEST_F(CreationScreenTest, aClassReplacesAllSixSlotsAndThenTheRaceRuleApplies) {
    SStateGenerate& creation = Enter();
    ChooseRace(1);
    ChooseClass(3);
    const SClassDef* mage = m_rig->Game().m_classes.Entry(3);
    Skills expected = mage->primarySkills;
    std::replace(expected.begin(), expected.end(), uint8_t(8), uint8_t(12));
    ASSERT_NE(expected, mage->primarySkills) << "the class must hold skill 8 for this test";
    EXPECT_EQ(creation.Choice().majorSkills, expected);
}

TEST_F(CreationScreenTest, aChoiceDialogClosedWithCancelChangesNothing) {
    SStateGenerate& creation = Enter();
    TapOn(creation.m_changeRace);
    m_rig->Key(1000);
    TapOn(creation.m_raceChoice.m_cancel);
    EXPECT_EQ(creation.m_child, nullptr);
    EXPECT_EQ(creation.CurrentSubMode(), SStateGenerate::kPlain);
    EXPECT_EQ(creation.Choice().race, 2u);
}

TEST_F(CreationScreenTest, theFaceButtonsAtTheEndsOnlyClick) {
    SStateGenerate& creation = Enter();
    while (creation.FaceIndex() > 0) TapOn(creation.m_previousFace);
    EXPECT_FALSE(creation.m_previousFace.IsEnabled());
    EXPECT_EQ(creation.Choice().face, creation.Faces().front());
    const SCharacterChoice before = creation.Choice();
    m_rig->Sounds().Clear();
    creation.OnCommand(SStateGenerate::kPreviousFace);
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    EXPECT_EQ(creation.FaceIndex(), 0);
    EXPECT_EQ(creation.Choice().face, before.face);

    while (creation.m_nextFace.IsEnabled()) TapOn(creation.m_nextFace);
    const int32_t last = int32_t(creation.Faces().size()) - 1;
    EXPECT_EQ(creation.FaceIndex(), last);
    m_rig->Sounds().Clear();
    creation.OnCommand(SStateGenerate::kNextFace);
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    EXPECT_EQ(creation.FaceIndex(), last);
    EXPECT_EQ(creation.Choice().face, creation.Faces().back());
}

// A world that does not offer the default portrait starts at its first face.
TEST_F(CreationScreenTest, aDefaultFaceTheWorldLacksGivesWayToTheFirstFace) {
    StartWithSampleWorld(7);
    SFaceTable& faces = m_rig->Game().m_faces;
    faces.Clear();
    for (const char* name : {"bres_zed", "bres_abel"}) {
        auto face = std::make_unique<SFaceType>();
        face->name.Set(name);
        face->playerPortrait = 1;
        faces.Add(std::move(face));
    }
    SStateGenerate& creation = EnterAgain();
    EXPECT_EQ(creation.FaceIndex(), 0);
    EXPECT_EQ(creation.Choice().face, "bres_abel");
    creation.OnCommand(SStateGenerate::kPreviousFace);
    EXPECT_EQ(creation.FaceIndex(), 0);
    creation.OnCommand(SStateGenerate::kNextFace);
    EXPECT_EQ(creation.Choice().face, "bres_zed");
}

TEST_F(CreationScreenTest, aSkillIdWithoutASkillShowsAnEmptyLabel) {
    SStateGenerate& creation = Enter();
    m_rig->Game().m_classes.SetEntry(6, "oddity", "Oddity", "", {2, 5, 1, 40, 15, 14});
    creation.ApplyClass(6);
    EXPECT_EQ(creation.Choice().majorSkills[3], 40);
    EXPECT_EQ(SlotLabel(3), "");
    EXPECT_EQ(SlotLabel(0), m_rig->Game().m_skills.ShortName(2));
}

TEST_F(CreationScreenTest, cancelGoesToTheMenuAndTheNextVisitStartsAfresh) {
    SStateGenerate& creation = Enter();
    TapOn(creation.m_female);
    ChooseRace(1);
    ChooseSkill(1, 20);
    TapOn(creation.m_cancel);
    ASSERT_EQ(Current(), m_rig->Game().Screen(kMainMenuScreen));
    EnterAgain();
    EXPECT_EQ(creation.Choice().name, "Player");
    EXPECT_EQ(creation.Choice().gender, 1);
    EXPECT_EQ(creation.Choice().race, 2u);
    EXPECT_EQ(creation.Choice().majorSkills, kDefaultSkills);
    EXPECT_EQ(creation.Choice().face, "bres_head00_raceetherim");
    EXPECT_TRUE(creation.m_male.IsChecked());
}

TEST_F(CreationScreenTest, okStartsTheNewGameOnThePlayScreenWithTheCharacterChosen) {
    SStateGenerate& creation = Enter();
    TapOn(creation.m_rename);
    ASSERT_EQ(creation.m_child, &creation.m_nameEntry);
    creation.m_nameEntry.SetText("Wren");
    TapOn(creation.m_nameEntry.m_ok);
    EXPECT_EQ(creation.m_name.m_words.Text(), std::string("Wren"));
    TapOn(creation.m_female);
    ChooseRace(4);
    ChooseClass(5);
    ChooseSkill(5, 20);
    TapOn(creation.m_nextFace);
    const SCharacterChoice chosen = creation.Choice();

    SGameData& game = m_rig->Game();
    game.m_music.Play("bmus_main");
    const int music = game.m_music.Channel();
    ASSERT_GT(music, 0);
    TapOn(creation.m_ok);

    ASSERT_EQ(Current(), game.Screen(kPlayScreen));
    EXPECT_EQ(game.StackDepth(), 0);
    EXPECT_EQ(creation.m_param[0], 1u);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(creation.m_param[i], 0u);
    const std::vector<std::string> sounds = m_rig->Sounds().Lines();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "stop " + std::to_string(music)), sounds.end())
        << "OK stops the music";
    const SPlayer& player = game.m_player;
    EXPECT_STREQ(player.Name().Text(), "Wren");
    EXPECT_FALSE(player.IsMale());
    EXPECT_EQ(player.Race(), 4);
    EXPECT_STREQ(player.Face().Text(), chosen.face.c_str());
    for (uint8_t skill : chosen.majorSkills) EXPECT_TRUE(player.IsMajorSkill(skill)) << int(skill);
    EXPECT_EQ(chosen.majorSkills[5], 20);
}

TEST_F(CreationScreenTest, aNewGameWithoutTheBaseWorldKeepsThePlayerHereWithTheReason) {
    SStateGenerate& creation = Enter();
    TapOn(creation.m_female);
    const SCharacterChoice chosen = creation.Choice();
    std::filesystem::remove(Folder() + "Brimvale.pdb");
    TapOn(creation.m_ok);
    SGameData& game = m_rig->Game();
    ASSERT_EQ(Current(), &creation);
    EXPECT_EQ(creation.CurrentSubMode(), SStateGenerate::kNewGameFailed);
    ASSERT_EQ(creation.m_child, &creation.m_message);
    // The path may break anywhere across the box's lines.
    std::string unbroken;
    for (char c : MessageText())
        if (c != ' ') unbroken += c;
    EXPECT_NE(unbroken.find("Brimvale.pdb"), std::string::npos) << MessageText();
    EXPECT_FALSE(game.m_gameRunning);
    m_rig->Shot("creation_new_game_failed_240x320");
    m_rig->Key(3006);
    EXPECT_EQ(creation.m_child, nullptr);
    EXPECT_EQ(creation.CurrentSubMode(), SStateGenerate::kPlain);
    EXPECT_EQ(creation.Choice().name, chosen.name);
    EXPECT_EQ(creation.Choice().gender, chosen.gender);
    EXPECT_EQ(creation.Choice().majorSkills, chosen.majorSkills);
    // Still usable: a choice and the faces step on.
    ChooseSkill(0, 20);
    EXPECT_EQ(creation.Choice().majorSkills[0], 20);
    const int32_t face = creation.FaceIndex();
    TapOn(creation.m_nextFace);
    EXPECT_EQ(creation.FaceIndex(), face + 1);
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

}  // namespace

}  // namespace state_generate_test
