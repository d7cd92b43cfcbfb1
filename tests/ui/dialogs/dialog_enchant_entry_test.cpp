#include <gtest/gtest.h>

#include <set>

#include "engine/draw/digit_glyphs.h"
#include "tests/ui/dialogs/enchant_fixture.h"
#include "ui/dialogs/dialog_enchant_entry_other.h"
#include "ui/dialogs/dialog_enchant_entry_wand_scroll.h"

namespace dialog_enchant_entry_test {

namespace {

using Other = SDialogEnchantEntryOther;
using WandScroll = SDialogEnchantEntryWandScroll;

class EntryEditorTest : public EnchantTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartEnchanting(mode);
        if (HasFailure()) return rig;
        wandScroll.Init(&Game());
        other.Init(&Game());
        return rig;
    }
    void showWandScroll(const SEffect& entry, bool scroll) {
        wandScroll.Open(entry, 40, scroll);
        m_rig->OpenDialog(wandScroll);
        m_rig->Frame();
    }
    void showOther(const SEffect& entry, SEffectContext context) {
        other.Open(entry, 40, context);
        m_rig->OpenDialog(other);
        m_rig->Frame();
    }
    // A Cast spell entry for the spell, with its charges and skill level.
    static SEffect castEntry(const char* spell, int16_t charges, int16_t level) {
        SEffect entry(kContextWand);
        entry.m_target.Assign(spell);
        entry.m_baseMagnitude = charges;
        entry.m_magnitudePerLevel = level;
        return entry;
    }
    // A new entry of the context, as the enchant dialog makes it, of that type and magnitude.
    static SEffect entryOf(SEffectContext context, uint8_t type, int16_t magnitude) {
        SEffect entry(context);
        entry.m_type = type;
        entry.m_baseMagnitude = magnitude;
        return entry;
    }
    std::vector<uint32_t> typeIds() const {
        std::vector<uint32_t> ids;
        for (int i = 0; i < other.m_types.RowCount(); ++i) ids.push_back(other.m_types.Row(i).id);
        return ids;
    }
    static std::string digits(const char* number) {
        SString text(number);
        ToDigitGlyphs(text);
        return text.Text();
    }

    WandScroll wandScroll;
    Other other;
};

struct StepCase {
    int16_t start;
    uint32_t command;
    int16_t result;
    bool upEnabled, downEnabled;
};

TEST_F(EntryEditorTest, skillLevelAndChargesStepWithinOneToAHundred) {
    open();
    ASSERT_FALSE(HasFailure());
    AddSpell("base_mend", "Mend", 40);
    const StepCase levels[] = {
        {95, WandScroll::kLevelIds.upTen, 100, false, true}, {5, WandScroll::kLevelIds.downTen, 1, true, false},
        {50, WandScroll::kLevelIds.up, 51, true, true},      {100, WandScroll::kLevelIds.up, 100, false, true},
        {2, WandScroll::kLevelIds.down, 1, true, false},
    };
    for (const StepCase& c : levels) {
        showWandScroll(castEntry("base_mend", 5, c.start), false);
        wandScroll.OnCommand(c.command);
        EXPECT_EQ(wandScroll.m_entry.m_magnitudePerLevel, c.result) << c.start;
        EXPECT_STREQ(wandScroll.m_level.m_value.m_words.Text(), std::to_string(c.result).c_str());
        EXPECT_EQ(wandScroll.m_level.m_up.IsEnabled(), c.upEnabled) << c.start;
        EXPECT_EQ(wandScroll.m_level.m_upTen.IsEnabled(), c.upEnabled) << c.start;
        EXPECT_EQ(wandScroll.m_level.m_down.IsEnabled(), c.downEnabled) << c.start;
        EXPECT_EQ(wandScroll.m_level.m_downTen.IsEnabled(), c.downEnabled) << c.start;
    }
    const StepCase charges[] = {
        {99, WandScroll::kChargeIds.up, 100, false, true},
        {2, WandScroll::kChargeIds.down, 1, true, false},
    };
    for (const StepCase& c : charges) {
        showWandScroll(castEntry("base_mend", c.start, 1), false);
        wandScroll.OnCommand(c.command);
        EXPECT_EQ(wandScroll.m_entry.m_baseMagnitude, c.result) << c.start;
        EXPECT_EQ(wandScroll.m_charges.m_up.IsEnabled(), c.upEnabled) << c.start;
        EXPECT_EQ(wandScroll.m_charges.m_down.IsEnabled(), c.downEnabled) << c.start;
    }
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(EntryEditorTest, aScrollHasNoChargesAndKeepsThoseItWasGiven) {
    open();
    ASSERT_FALSE(HasFailure());
    AddSpell("base_mend", "Mend", 40);
    for (int16_t handed : {0, 5}) {
        SEffect entry = castEntry("base_mend", handed, 0);
        entry.m_source = kSourceConstant;
        entry.m_type = kEffectFortifySkill;
        showWandScroll(entry, true);
        EXPECT_FALSE(wandScroll.m_charges.m_label.IsShown());
        EXPECT_FALSE(wandScroll.m_charges.m_up.IsShown());
        wandScroll.OnCommand(WandScroll::kChargeIds.up);
        EXPECT_EQ(wandScroll.m_entry.m_baseMagnitude, std::max<int16_t>(handed, 1));
        EXPECT_EQ(wandScroll.m_entry.m_magnitudePerLevel, 1);
        EXPECT_EQ(wandScroll.m_entry.m_source, kSourceSpellCharge);
        EXPECT_EQ(wandScroll.m_entry.m_type, kEffectCastSpell);
    }
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// A spell the player no longer knows gives way to the first known one; a spell whose outcome the
// level does not change hides the level.
TEST_F(EntryEditorTest, theSpellListSelectsTheEntrysSpellOrTheFirst) {
    open();
    ASSERT_FALSE(HasFailure());
    AddSpell("base_mend", "Mend", 40);
    AddSpell("base_dispel", "Dispel", 40, true, kFixedEffect);
    AddSpell("base_forgotten", "Forgotten", 40, false);
    struct Case {
        const char* handed;
        int selected;
        const char* kept;
        bool levelShown;
    };
    const Case cases[] = {
        {"base_dispel", 1, "base_dispel", false},
        {"base_forgotten", 0, "base_mend", true},
        {"", 0, "base_mend", true},
    };
    for (const Case& c : cases) {
        showWandScroll(castEntry(c.handed, 3, 20), false);
        EXPECT_EQ(Rows(wandScroll.m_spells), (std::vector<std::string>{"Mend", "Dispel"}));
        EXPECT_EQ(wandScroll.m_spells.m_selected, c.selected) << c.handed;
        EXPECT_STREQ(wandScroll.m_entry.m_target.Text(), c.kept);
        EXPECT_EQ(wandScroll.m_level.m_label.IsShown(), c.levelShown) << c.handed;
    }
    // Mend costs 40 / 5 x 3 charges = 24 storage, at level 20 of 20: 24.
    EXPECT_EQ(std::string(wandScroll.m_needed.m_words.Text()), digits("24"));
}

TEST_F(EntryEditorTest, okWithoutASpellDropsTheEntry) {
    open();
    ASSERT_FALSE(HasFailure());
    showWandScroll(castEntry("", 3, 20), true);
    EXPECT_EQ(wandScroll.m_spells.RowCount(), 0);
    wandScroll.OnCommand(25);
    AddSpell("base_mend", "Mend", 40);
    showWandScroll(castEntry("", 3, 20), true);
    wandScroll.OnCommand(25);
    EXPECT_EQ(Play().m_commands, (std::vector<uint32_t>{26, 25}));
}

// The value keeps its type's range and stored form: resistances and the fortified magic and melee
// are stored as 100 + value.
TEST_F(EntryEditorTest, aStepStoresTheValueInItsTypesRangeAndForm) {
    open();
    ASSERT_FALSE(HasFailure());
    AddMonsterKind("base_wolves", 1);
    struct Case {
        const char* name;
        SEffectContext context;
        uint8_t type;
        int16_t start;
        int32_t step;
        int16_t stored;
        const char* shown;
    };
    const Case cases[] = {
        {"skill up to 50", kContextArmour, 1, 45, 10, 50, "50"},
        {"skill plain step", kContextArmour, 1, 45, 1, 46, "46"},
        {"attribute up to 20", kContextArmour, 2, 15, 10, 20, "20"},
        {"ac up to 10", kContextArmour, 11, 5, 10, 10, "10"},
        {"hp not below 1", kContextArmour, 5, 3, -10, 1, "1"},
        {"feather up to 100", kContextAccessory, 20, 95, 10, 100, "100"},
        {"resist poison shown as 30", kContextArmour, 15, 130, 0, 130, "30"},
        {"resist poison steps", kContextArmour, 15, 130, 10, 140, "40"},
        {"resist poison up to 100", kContextArmour, 15, 195, 10, 200, "100"},
        {"damage base up to 50", kContextThrown, 23, 45, 10, 50, "50"},
        {"a plain value brought into range", kContextArmour, 11, 40, 0, 10, "10"},
    };
    for (const Case& c : cases) {
        showOther(entryOf(c.context, c.type, c.start), c.context);
        ASSERT_EQ(other.m_entry.m_type, c.type) << c.name;
        if (const int32_t step = c.step) {
            const uint32_t command = step == 10    ? Other::kValueIds.upTen
                                     : step == -10 ? Other::kValueIds.downTen
                                     : step == 1   ? Other::kValueIds.up
                                                   : Other::kValueIds.down;
            other.OnCommand(command);
        }
        EXPECT_EQ(other.m_entry.m_baseMagnitude, c.stored) << c.name;
        EXPECT_STREQ(other.m_value.m_value.m_words.Text(), c.shown) << c.name;
    }
}

// Switching the type keeps what the value can keep: Resist poison 30 becomes Fortify hp 30 and back;
// a type without a value stores 1 and hides the value and the targets.
TEST_F(EntryEditorTest, switchingTheTypeCarriesTheValueOver) {
    open();
    ASSERT_FALSE(HasFailure());
    AddMonsterKind("base_wolves", 1);
    showOther(entryOf(kContextArmour, 15, 130), kContextArmour);
    other.m_types.SelectById(5);
    other.OnCommand(Other::kTypeList);
    EXPECT_EQ(other.m_entry.m_type, 5);
    EXPECT_EQ(other.m_entry.m_baseMagnitude, 30);
    // Fortify hp costs 10 a point.
    EXPECT_EQ(std::string(other.m_needed.m_words.Text()), digits("300"));
    other.m_types.SelectById(15);
    other.OnCommand(Other::kTypeList);
    EXPECT_EQ(other.m_entry.m_baseMagnitude, 130);

    SEffect strike = entryOf(kContextWeapon, 23, 40);
    strike.m_source = kSourceStrike;
    strike.m_target.Assign("base_wolves");
    showOther(strike, kContextWeapon);
    EXPECT_TRUE(other.m_targets.IsShown());
    EXPECT_STREQ(other.m_entry.m_target.Text(), "base_wolves");
    other.m_types.SelectById(26);
    other.OnCommand(Other::kTypeList);
    EXPECT_EQ(other.m_entry.m_type, 26);
    EXPECT_EQ(other.m_entry.m_baseMagnitude, 1);
    EXPECT_FALSE(other.m_value.m_value.IsShown());
    EXPECT_FALSE(other.m_targets.IsShown());
    EXPECT_STREQ(other.m_entry.m_target.Text(), "");
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// Only weapons and staves switch between Constant and Strike, and each offers its own types; a
// type the other kind lacks gives way to the first.
TEST_F(EntryEditorTest, strikeAndConstantOfferTheirOwnTypes) {
    open();
    ASSERT_FALSE(HasFailure());
    showOther(entryOf(kContextArmour, 1, 5), kContextArmour);
    EXPECT_FALSE(other.m_constant.IsShown());
    EXPECT_FALSE(other.m_strike.IsShown());

    showOther(entryOf(kContextWeapon, 5, 5), kContextWeapon);
    EXPECT_TRUE(other.m_constant.IsShown());
    EXPECT_TRUE(other.m_constant.IsChecked());
    EXPECT_EQ(typeIds(), (std::vector<uint32_t>{1, 2, 5, 8, 10, 11, 58}));
    EXPECT_EQ(other.m_entry.m_type, 5);
    other.OnCommand(Other::kStrike);
    EXPECT_EQ(other.m_entry.m_source, kSourceStrike);
    EXPECT_TRUE(other.m_strike.IsChecked());
    EXPECT_FALSE(other.m_constant.IsChecked());
    EXPECT_EQ(typeIds(), (std::vector<uint32_t>{23, 24, 25, 26, 27, 29, 30, 32}));
    EXPECT_EQ(other.m_entry.m_type, 23);
    other.OnCommand(Other::kConstant);
    EXPECT_EQ(other.m_entry.m_type, 1);

    // Paging shows other rows, and the entry keeps its type until a row is tapped.
    other.OnCommand(Other::kTypePageDown);
    EXPECT_GT(other.m_types.m_top, 0);
    EXPECT_EQ(other.m_entry.m_type, 1);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// Skills, attributes and creature groups are kept by number; monster kinds (people left out) and
// diseases by name, the first row when the entry's is missing.
TEST_F(EntryEditorTest, eachTypeOffersItsTargets) {
    open();
    ASSERT_FALSE(HasFailure());
    AddMonsterKind("base_wolves", 1);
    AddMonsterKind("base_villagers", SMonsterBaseType::kKindPeople);
    AddMonsterKind("base_ghouls", SMonsterBaseType::kKindUndead);
    AddDisease("base_plague");

    SEffect skill = entryOf(kContextArmour, 1, 5);
    skill.m_subTarget = 4;
    showOther(skill, kContextArmour);
    EXPECT_EQ(other.m_targets.RowCount(), 20);
    EXPECT_EQ(other.m_targets.GetSelectedId(), 4u);
    other.m_targets.Select(6);
    other.OnCommand(Other::kTargetList);
    EXPECT_EQ(other.m_entry.m_subTarget, 7);
    EXPECT_STREQ(other.m_entry.m_target.Text(), "");

    SEffect groups = entryOf(kContextThrown, 24, 5);
    groups.m_subTarget = 9;
    showOther(groups, kContextThrown);
    EXPECT_EQ(Rows(other.m_targets), (std::vector<std::string>{"Humanoids", "Creatures", "Undeads"}));
    EXPECT_EQ(other.m_entry.m_subTarget, 1) << "a group that does not exist gives way to the first";

    SEffect kinds = entryOf(kContextThrown, 23, 5);
    kinds.m_target.Assign("base_ghouls");
    showOther(kinds, kContextThrown);
    const std::vector<std::string> rows = Rows(other.m_targets);
    EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()), (std::set<std::string>{"base_wolves", "base_ghouls"}));
    EXPECT_STREQ(other.m_targets.GetSelectedText(), "base_ghouls");
    EXPECT_EQ(other.m_entry.m_subTarget, 0);

    SEffect disease = entryOf(kContextArmour, 17, 120);
    disease.m_target.Assign("base_gone");
    showOther(disease, kContextArmour);
    EXPECT_EQ(Rows(other.m_targets), std::vector<std::string>{"base_plague"});
    EXPECT_STREQ(other.m_entry.m_target.Text(), "base_plague");
}

}  // namespace

}  // namespace dialog_enchant_entry_test
