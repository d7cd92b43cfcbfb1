// The choices of character creation: the skill, the class and the race, each over the recording
// parent, which receives 25 or 26 and reads the choice.
#include <gtest/gtest.h>

#include <string>

#include "support/item_records.h"
#include "ui/dialogs/dialog_race_select.h"
#include "ui/dialogs/dialog_select_class.h"
#include "ui/dialogs/dialog_select_skill.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace creation_choice_test {

namespace {

constexpr uint32_t kProtectionMagic = 9;
constexpr uint32_t kHeavyWeapon = 3;

class CreationChoiceTest : public PlayDialogTest {
protected:
    template <class Dialog, class... Args>
    void show(Dialog& dialog, Args... args) {
        dialog.Init(&Game());
        dialog.Open(args...);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
        m_rig->Sounds().Clear();
    }
    void tap(const SCtrl& ctrl) { m_rig->Tap(ctrl.m_x + 2, ctrl.m_y + 2); }
    std::vector<uint32_t> checkedSkills(const SDialogSelectSkill& dialog) const {
        std::vector<uint32_t> checked;
        for (uint32_t k = 1; k <= 20; ++k)
            if (dialog.m_entries[k - 1].IsChecked()) checked.push_back(k);
        return checked;
    }
    std::vector<std::string> skillNames(const SDialogSelectClass& dialog) const {
        std::vector<std::string> names;
        for (const STextCtrl& name : dialog.m_skillNames) names.emplace_back(name.m_words.Text());
        return names;
    }
    // The race names the ability by its first text; the ability's effects are item effects.
    void giveAbility(uint32_t race, const char* name, int effects) {
        Game().m_races.Entry(int(race))->texts[0].Assign(name);
        auto ability = std::make_unique<SAbility>();
        ability->m_name.Set(name);
        for (int i = 0; i < effects; ++i)
            ability->m_effects.Append(ItemEffect(1, int16_t(5 + i), uint8_t(1 + i)).release());
        Game().m_abilities.Add(std::move(ability));
    }
};

TEST_F(CreationChoiceTest, theSkillChoiceOpensOnNoSkillOrOnItsSkillAndKeepsItOnASecondTap) {
    StartPlay(7);
    ASSERT_FALSE(HasFailure());
    Game().m_skills.Entry(int(kProtectionMagic))->furtherText.Assign("Wards against harm.");
    SDialogSelectSkill dialog;
    show(dialog, 0u);
    EXPECT_TRUE(checkedSkills(dialog).empty());
    EXPECT_STREQ(dialog.m_description.m_words.Text(), "");
    tap(dialog.m_ok);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(dialog.m_selected, 0u) << "OK hands back no skill";

    show(dialog, kProtectionMagic);
    EXPECT_EQ(checkedSkills(dialog), std::vector<uint32_t>{kProtectionMagic});
    EXPECT_STREQ(dialog.m_description.m_words.Text(), "Wards against harm.");
    tap(dialog.m_entries[kProtectionMagic - 1]);
    EXPECT_EQ(checkedSkills(dialog), std::vector<uint32_t>{kProtectionMagic});
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    tap(dialog.m_entries[kHeavyWeapon - 1]);
    EXPECT_EQ(checkedSkills(dialog), std::vector<uint32_t>{kHeavyWeapon});
    EXPECT_EQ(dialog.m_selected, kHeavyWeapon);
    EXPECT_STREQ(dialog.m_description.m_words.Text(), "Wards against harm.") << "a skill without one keeps it";
    m_rig->Sounds().Clear();
    tap(dialog.m_cancel);
    EXPECT_EQ(Play().m_commands, (std::vector<uint32_t>{25, 26}));
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

TEST_F(CreationChoiceTest, theSkillChoiceShowsMediumNamesOnSmallScreenTypes) {
    for (auto [mode, name] : {std::pair{7u, "Prot. Magic"}, std::pair{10u, "Protection Magic"}}) {
        StartPlay(mode);
        ASSERT_FALSE(HasFailure());
        SDialogSelectSkill dialog;
        show(dialog, kProtectionMagic);
        EXPECT_STREQ(dialog.m_entries[kProtectionMagic - 1].m_topic.Text(), name) << mode;
        const std::string shot = "select_skill_mode" + std::to_string(mode);
        EXPECT_TRUE(m_rig->Shot(shot));
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << shot;
    }
}

TEST_F(CreationChoiceTest, theClassChoicesSkillNamesFollowTheListAndNoSelectionHandsBackZero) {
    StartPlay(7);
    ASSERT_FALSE(HasFailure());
    SDialogSelectClass dialog;
    show(dialog);
    EXPECT_EQ(dialog.m_selected, 1u);
    EXPECT_EQ(dialog.m_list.m_selected, 0);
    EXPECT_EQ(skillNames(dialog), (std::vector<std::string>{"Heavy Weapon", "Heavy Armor", "Dual Wield", "Repair",
                                                            "Block", "Light Weapon"}))
        << "full names on a small screen too";
    m_rig->Key(1002);
    EXPECT_EQ(dialog.m_selected, 2u);
    EXPECT_EQ(skillNames(dialog)[4], "Lockpick");
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});

    dialog.m_list.Select(-1);
    dialog.OnCommand(SDialogSelectClass::kList);
    EXPECT_EQ(dialog.m_selected, 0u);
    EXPECT_EQ(skillNames(dialog), std::vector<std::string>(6, ""));
    tap(dialog.m_ok);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(dialog.m_selected, 0u);

    show(dialog);
    EXPECT_EQ(dialog.m_selected, 1u) << "every opening starts on the first class";
}

TEST_F(CreationChoiceTest, theRaceChoiceSelectsItsOwnRowsAndSplitsTheAbility) {
    StartPlay(7);
    ASSERT_FALSE(HasFailure());
    Game().m_races.Entry(3)->name.Assign("Seiry of the coast");
    giveAbility(3, "base_seiryblood", 1);
    giveAbility(4, "base_derthblood", 3);
    SDialogRaceSelect dialog;
    show(dialog, 3u);
    EXPECT_EQ(dialog.m_list.m_selected, 2);
    EXPECT_STREQ(dialog.m_list.GetSelectedText(), "Seiry");
    EXPECT_STREQ(dialog.m_name.m_words.Text(), "Seiry of the coast");
    EXPECT_EQ(dialog.m_picture.m_picture, Game().InterfacePicture(SInterfaceRole::kRacePictures, 3));
    EXPECT_STREQ(dialog.m_abilityFirst.m_words.Text(), "") << "one effect goes to the second column";
    EXPECT_STRNE(dialog.m_abilitySecond.m_words.Text(), "");

    m_rig->Key(1002);
    EXPECT_EQ(dialog.m_race, 4u);
    const std::string second = dialog.m_abilitySecond.m_words.Text();
    EXPECT_EQ(std::string(dialog.m_abilityFirst.m_words.Text()).find('\r'), std::string::npos) << "one of three";
    EXPECT_NE(second.find('\r'), std::string::npos) << "two of three";
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    tap(dialog.m_ok);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(dialog.m_race, 4u);

    show(dialog, 0u);
    EXPECT_EQ(dialog.m_list.m_selected, -1);
    EXPECT_EQ(dialog.m_race, 0u);
    EXPECT_STREQ(dialog.m_list.GetSelectedText(), "");
}

TEST_F(CreationChoiceTest, theClassAndRaceChoicesLookRight) {
    for (uint32_t mode : {7u, 10u}) {
        StartPlay(mode);
        ASSERT_FALSE(HasFailure());
        giveAbility(2, "base_etherimblood", 3);
        SDialogSelectClass classes;
        show(classes);
        std::string shot = "select_class_mode" + std::to_string(mode);
        EXPECT_TRUE(m_rig->Shot(shot));
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << shot;
        m_rig->PlayScreen().Reopen();
        SDialogRaceSelect races;
        show(races, 2u);
        shot = "select_race_mode" + std::to_string(mode);
        EXPECT_TRUE(m_rig->Shot(shot));
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << shot;
    }
}

}  // namespace

}  // namespace creation_choice_test
