#include "ui/dialogs/dialog_spellbook.h"

#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_spellbook_test {

namespace {

constexpr uint8_t kUndead = 1;
constexpr uint8_t kHuman = 2;
const std::string kScroll(1, char(0xB5));
const std::string kWand(1, char(0xB6));

class SpellbookTest : public PlayDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        book.Init(&Game());
        return rig;
    }
    // Opens the book on the tab, as the play screen does.
    void show(uint32_t tab) {
        book.m_tab = tab;
        book.Open();
        m_rig->OpenDialog(book);
        m_rig->Frame();
    }
    // A wand type whose first spell gives it `full` charges.
    SItemType& wandType(const char* name, uint8_t subtype, int16_t full) {
        SItemType& type = AddItemType(name, kItemMagic, subtype, "Sparks");
        type.m_effects = EffectListOf({});
        type.m_effects->Add(ItemEffect(kEffectCastSpell, full, 0, "sparks", kSourceSpellCharge));
        return type;
    }

    SDialogSpellbook book;
};

TEST_F(SpellbookTest, eachRaceAndTabShowsTheBarredSchoolsMessageOrTheRows) {
    open();
    ASSERT_FALSE(HasFailure());
    // The known lists hold a spell of each barred school: the race changes after learning.
    Player().SetRace(kHuman);
    Learn("heal_one", kSchoolHeal, "Mend");
    Learn("attack_one", kSchoolAttack, "Flame");
    Player().SetRace(kUndead);
    Learn("undead_one", kSchoolUndead, "Raise");
    struct Case {
        uint8_t race;
        uint32_t tab;
        const char* message;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {kHuman, 1, "", {"Mend"}},
        {kHuman, 2, "You don't know any Protection spells.", {}},
        {kHuman, 3, "", {"Flame"}},
        {kHuman, 5, "You can't have any undead spells, since you aren't undead.", {}},
        {kHuman, 7, "You don't have any magical items.", {}},
        {kUndead, 1, "You can't have any heal spells, since you're undead.", {}},
        {kUndead, 5, "", {"Raise"}},
        {kUndead, 6, "You don't know any Environment spells.", {}},
    };
    for (const Case& c : cases) {
        Player().SetRace(c.race);
        show(c.tab);
        const std::string name = "race " + std::to_string(c.race) + " tab " + std::to_string(c.tab);
        EXPECT_STREQ(book.m_message.m_words.Text(), c.message) << name;
        EXPECT_EQ(Rows(book.m_list), c.rows) << name;
        EXPECT_EQ(book.m_list.m_selected, c.rows.empty() ? -1 : 0) << name;
    }
}

TEST_F(SpellbookTest, equalScrollsMakeOneRowKeyedByTheFirstScroll) {
    open();
    ASSERT_FALSE(HasFailure());
    const SItemType& potion = AddItemType("base_potion", kItemPotion, 1, "Healing");
    const SItemType& scroll = AddItemType("base_scroll_fire", kItemMagic, kMagicScroll, "Fire");
    const SItemType& single = AddItemType("base_scroll_ice", kItemMagic, kMagicScroll, "Ice");
    SItemType& hidden = AddItemType("base_scroll_quest", kItemMagic, kMagicScroll, "Secrets");
    hidden.m_flags = kItemUnlisted;
    const SItemType& blank = AddItemType("base_scroll_blank", kItemMagic, kMagicBlankScroll, "Blank scroll");
    Give(potion);
    Give(scroll);
    Give(single);
    Give(scroll);
    Give(hidden);
    Give(blank);
    Give(scroll);
    show(SDialogSpellbook::kItemsTab);
    EXPECT_EQ(Rows(book.m_list), (std::vector<std::string>{kScroll + "Scroll of Fire (3)", kScroll + "Scroll of Ice"}));
    EXPECT_STREQ(book.m_list.Row(0).key.Text(), "1");
    EXPECT_STREQ(book.m_list.Row(1).key.Text(), "2");
    EXPECT_EQ(book.GetSelectedItem(), Player().Item(1));
    EXPECT_EQ(book.GetSelectedSpell(), nullptr);
}

TEST_F(SpellbookTest, wandsShowTheirChargesAndEmptyOnesAreLeftOut) {
    open();
    ASSERT_FALSE(HasFailure());
    const SItemType& wand = wandType("base_wand_sparks", kMagicWand, 5);
    const SItemType& emptyWand = AddItemType("base_wand_empty", kItemMagic, kMagicEmptyWand, "Empty wand");
    Give(wand, 3);
    Give(wand, 5);
    Give(wand, 0);
    Give(emptyWand, 4);
    SItem& filled = Give(emptyWand, 2);
    filled.m_effects = EffectListOf({});
    filled.m_effects->Add(ItemEffect(kEffectCastSpell, 4, 0, "sparks", kSourceSpellCharge));
    show(SDialogSpellbook::kItemsTab);
    ASSERT_EQ(book.m_list.RowCount(), 3);
    const std::string first = book.m_list.Row(0).text.Text();
    EXPECT_EQ(first.substr(0, 1), kWand);
    EXPECT_NE(first.find("(3/5 ch)"), std::string::npos) << first;
    EXPECT_NE(std::string(book.m_list.Row(1).text.Text()).find("(5 ch)"), std::string::npos);
    EXPECT_NE(std::string(book.m_list.Row(2).text.Text()).find("(2/4 ch)"), std::string::npos)
        << "a filled empty wand counts from its own list";
    EXPECT_STREQ(book.m_list.Row(2).key.Text(), "4");
}

TEST_F(SpellbookTest, withTwelveRowsAndAPageOfFiveTheScrollButtonsFollowTheFirstRow) {
    open();
    ASSERT_FALSE(HasFailure());
    Player().SetRace(kHuman);
    for (int i = 0; i < 12; ++i) {
        const std::string name = "attack_" + std::to_string(i);
        Learn(name.c_str(), kSchoolAttack, name.c_str());
    }
    show(kSchoolAttack);
    book.m_list.m_rowsPerPage = 5;
    book.UpdateScrollButtons();
    struct Step {
        void (SDialogSpellbook::*page)();
        int top;
        bool up, down;
    };
    EXPECT_FALSE(book.m_scrollUp.IsEnabled());
    EXPECT_TRUE(book.m_scrollDown.IsEnabled());
    const Step steps[] = {{&SDialogSpellbook::PageDown, 5, true, true}, {&SDialogSpellbook::PageDown, 10, true, false},
                          {&SDialogSpellbook::PageUp, 5, true, true},   {&SDialogSpellbook::PageUp, 0, false, true},
                          {&SDialogSpellbook::PageDown, 5, true, true}, {&SDialogSpellbook::PageDown, 10, true, false}};
    for (const Step& step : steps) {
        (book.*step.page)();
        EXPECT_EQ(book.m_list.m_top, step.top);
        EXPECT_EQ(book.m_list.m_selected, step.top);
        EXPECT_EQ(book.m_scrollUp.IsEnabled(), step.up) << step.top;
        EXPECT_EQ(book.m_scrollDown.IsEnabled(), step.down) << step.top;
    }
    // A page of 5 from row 3 stops at row 0.
    book.m_list.m_top = 3;
    book.PageUp();
    EXPECT_EQ(book.m_list.m_top, 0);
    EXPECT_FALSE(book.m_scrollUp.IsEnabled());
}

TEST_F(SpellbookTest, aTapOutsideClosesTheBookWithItsSound) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    show(kSchoolAttack);
    rig.Sounds().Clear();
    rig.Tap(2, 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogSpellbook::kClose});
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_bookclose 10"});
}

TEST_F(SpellbookTest, theBookReopensOnTheTabLastUsedAndATabStartsAtItsFirstRow) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().SetRace(kHuman);
    Learn("mind_one", kSchoolMind, "Calm");
    Learn("mind_two", kSchoolMind, "Charm");
    show(kSchoolHeal);
    rig.Sounds().Clear();
    EXPECT_EQ(book.OnCommand(SDialogSpellbook::kFirstTabCommand + kSchoolMind - 1), 0u);
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_bookpage 10"});
    book.m_list.Select(1);
    EXPECT_EQ(book.GetSelectedSpell(), Game().m_spells.FindSpell("mind_two"));
    EXPECT_EQ(book.OnCommand(SDialogSpellbook::kCast), 0u) << "the recording play screen answers 0";
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogSpellbook::kCast});

    book.Open();
    EXPECT_EQ(book.m_tab, uint32_t(kSchoolMind));
    EXPECT_TRUE(book.m_tabButtons[kSchoolMind - 1].IsChecked());
    EXPECT_FALSE(book.m_tabButtons[0].IsChecked());
    EXPECT_EQ(book.m_list.m_selected, 1) << "the same row, which still exists";

    book.SelectTab(SDialogSpellbook::kFirstTabCommand + kSchoolMind - 1);
    EXPECT_EQ(book.m_list.m_selected, 0);
}

TEST_F(SpellbookTest, castOnAnEmptyItemsTabUsesNoItem) {
    open();
    ASSERT_FALSE(HasFailure());
    Give(AddItemType("base_potion", kItemPotion, 1, "Healing"));
    Give(AddItemType("base_sword", kItemWeapon, kWeaponLongSword, "Sword"));
    show(SDialogSpellbook::kItemsTab);
    EXPECT_EQ(book.m_list.RowCount(), 0);
    EXPECT_EQ(book.GetSelectedItem(), nullptr);
    EXPECT_EQ(book.GetSelectedSpell(), nullptr);
}

TEST_F(SpellbookTest, theBookOnASpellTabAndOnTheItemsTabLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        Player().SetRace(kHuman);
        Learn("attack_flame", kSchoolAttack, "Flame arrow");
        Learn("attack_frost", kSchoolAttack, "Frost bolt");
        Learn("attack_storm", kSchoolAttack, "Lightning storm");
        const SItemType& scroll = AddItemType("base_scroll_fire", kItemMagic, kMagicScroll, "Fire");
        Give(scroll);
        Give(scroll);
        Give(wandType("base_wand_sparks", kMagicWand, 5), 3);
        show(kSchoolAttack);
        const std::string suffix = "_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot("spellbook_spells" + suffix));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << suffix;
        EXPECT_GE(book.m_x, 0);
        EXPECT_LE(book.m_x + book.m_w, rig.Width());

        rig.Tap(book.m_tabButtons[6].m_x + 4, book.m_tabButtons[6].m_y + 4);
        EXPECT_EQ(book.m_tab, SDialogSpellbook::kItemsTab) << suffix;
        EXPECT_EQ(book.m_list.RowCount(), 2) << suffix;
        EXPECT_TRUE(rig.Shot("spellbook_items" + suffix));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << suffix;
    }
}

}  // namespace

}  // namespace dialog_spellbook_test
