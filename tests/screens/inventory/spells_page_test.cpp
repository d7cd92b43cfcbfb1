// The journal's Spells page: the known spells of each school with their cost at the player's
// skill, and under the seventh school the scrolls and wands of the pack.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/draw/digit_glyphs.h"
#include "screens/inventory/inventory_fixture.h"

namespace spells_page_test {

namespace {

constexpr uint32_t kLargeTall = 10;
constexpr uint32_t kSmallTall = 7;
constexpr uint8_t kUndead = 1;
constexpr uint8_t kLiving = 3;
const std::string kScroll(1, char(0xB5));
const std::string kWand(1, char(0xB6));

class SpellsPageTest : public InventoryTest {
protected:
    SStateInventory& OpenSpells(uint32_t mode, uint8_t race = kLiving) {
        StartInventory(mode);
        Player().SetRace(race);
        OpenBag(nullptr);
        Command(SStateInventory::kSpellsTab);
        return Inventory();
    }
    const SJournalList& List() { return Inventory().m_spellsPage.m_list; }
    std::string Body() {
        std::string body;
        for (const SString& page : List().m_text.m_pages) body += page.Text();
        return body;
    }
    void ShowSchool(uint32_t school) { Command(SSpellsPage::kFirstSchoolButton + school - 1); }
    // A scroll type casting the spell, which the spell table has in the school.
    SItemType& ScrollOf(const char* name, const char* spell, uint8_t school, uint8_t subtype = kMagicScroll) {
        if (Game().m_spells.FindSpell(spell) == nullptr) {
            auto made = MakeSpell(spell, school);
            made->m_displayName.Assign(spell);
            Game().m_spells.Add(std::move(made));
        }
        SItemType& type = AddItemType(name, kItemMagic, subtype, spell);
        if (subtype == kMagicScroll) {
            type.m_effects = EffectListOf({});
            type.m_effects->Add(ItemEffect(kEffectCastSpell, 1, 0, spell, kSourceSpellCharge));
        }
        return type;
    }
    static std::unique_ptr<SEffectList> Casting(const char* spell, int16_t magnitude = 1) {
        auto list = EffectListOf({});
        list->Add(ItemEffect(kEffectCastSpell, magnitude, 0, spell, kSourceSpellCharge));
        return list;
    }
};

TEST_F(SpellsPageTest, aSchoolListsItsKnownSpellsAndTheirCostAtTheSkill) {
    SStateInventory& inventory = OpenSpells(kLargeTall);
    auto spell = MakeSpell("base_flame", kSchoolAttack, {{3, 10}});
    spell->m_displayName.Assign("Flame");
    spell->m_description.Assign("A tongue of fire.");
    spell->m_baseCost = 5;
    spell->m_costPercent = 50;
    Game().m_spells.Add(std::move(spell));
    Learn("base_spark", kSchoolAttack, "Spark");
    Player().LearnSpell("base_flame", false);
    const uint32_t skill = Game().m_spells.Schools().Skill(kSchoolAttack);
    ASSERT_GE(skill, 1u);
    Player().SetBaseSkill(skill, 33);
    ShowSchool(kSchoolAttack);
    EXPECT_EQ(m_rig->Sounds().Lines().back().rfind("bsnd_clickh", 0), 0u);
    EXPECT_EQ(inventory.m_pages.spellSchool, uint32_t(kSchoolAttack));
    EXPECT_EQ(Rows(List().m_list), (std::vector<std::string>{"Spark", "Flame"}));
    EXPECT_STREQ(inventory.m_spellsPage.m_schoolName.m_words.Text(), Game().m_spells.GetSchoolName(kSchoolAttack));
    inventory.m_spellsPage.m_list.m_list.Select(1);
    Command(SSpellsPage::kIds.list);
    EXPECT_STREQ(List().m_text.m_title.Text(), "Flame");
    SString cost("Costs 21 sp");  // 5 + 50 x 33 / 100
    ToDigitGlyphs(cost);
    const std::string body = Body();
    EXPECT_EQ(body.rfind("A tongue of fire.\r- ", 0), 0u) << body;
    EXPECT_NE(body.find(cost.Text()), std::string::npos) << body;
    // Every build of the page starts at the first school again.
    Command(SStateInventory::kItemsTab);
    Command(SStateInventory::kSpellsTab);
    EXPECT_EQ(inventory.m_pages.spellSchool, 1u);
    EXPECT_TRUE(inventory.m_spellsPage.m_schoolButtons[0].IsChecked());
    EXPECT_FALSE(inventory.m_spellsPage.m_schoolButtons[kSchoolAttack - 1].IsChecked());
    EXPECT_EQ(List().m_list.RowCount(), 0) << "no heal spells known";
    EXPECT_TRUE(Body().empty());
}

TEST_F(SpellsPageTest, scrollsGatherByKindAndWandsShowTheirCharges) {
    OpenSpells(kSmallTall);
    const SItemType& fire = ScrollOf("base_scr_fire", "Fire", kSchoolAttack);
    const SItemType& ice = ScrollOf("base_scr_ice", "Ice", kSchoolAttack);
    const SItemType& blank = ScrollOf("base_scr_blank", "Blank", kSchoolAttack, kMagicBlankScroll);
    ScrollOf("base_scr_mend", "Mend", kSchoolHeal);
    SItemType& wand = AddItemType("base_wand_sparks", kItemMagic, kMagicWand, "Sparks");
    wand.m_effects = Casting("Fire", 5);
    Give(fire);
    Give(ice);
    Give(fire);
    Give(fire);
    // Two blank scrolls written with different spells, and a third like the first.
    Give(blank).m_effects = Casting("Fire");
    Give(blank).m_effects = Casting("Ice");
    Give(blank).m_effects = Casting("Fire");
    Give(blank);  // nothing written: not listed
    Give(wand, 5);
    Give(wand, 3);
    Give(wand, 0);
    m_rig->Frame();
    ShowSchool(SSpellsPage::kMagicItems);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint()) << "the school's name written over the last one's";
    const std::vector<std::string> rows = Rows(List().m_list);
    ASSERT_EQ(rows.size(), 6u) << ::testing::PrintToString(rows);
    EXPECT_EQ(rows[0].substr(0, 1), kScroll);
    EXPECT_NE(rows[0].find(" (3)"), std::string::npos) << rows[0];
    EXPECT_EQ(rows[1].find('('), std::string::npos) << "one scroll has no count: " << rows[1];
    EXPECT_NE(rows[2].find(" (2)"), std::string::npos) << rows[2];
    EXPECT_EQ(rows[3].find('('), std::string::npos) << rows[3];
    EXPECT_EQ(rows[4].substr(0, 1), kWand);
    EXPECT_NE(rows[4].find(" (5 ch)"), std::string::npos) << rows[4];
    EXPECT_NE(rows[5].find(" (3/5 ch)"), std::string::npos) << rows[5];
    EXPECT_STREQ(List().m_list.Row(2).key.Text(), "4");
    EXPECT_STREQ(List().m_list.Row(3).key.Text(), "5");
    // Each blank scroll's row tells its own spell.
    SString fireText, iceText;
    Player().Item(4)->m_effects->Describe(Game().EffectLookups(), blank.GetEffectContext(), 1, fireText, false);
    Player().Item(5)->m_effects->Describe(Game().EffectLookups(), blank.GetEffectContext(), 1, iceText, false);
    ASSERT_NE(std::string(fireText.Text()), std::string(iceText.Text()));
    ToDigitGlyphs(fireText);
    ToDigitGlyphs(iceText);
    for (auto [row, text] : {std::pair{2, &fireText}, std::pair{3, &iceText}}) {
        Inventory().m_spellsPage.m_list.m_list.Select(row);
        Command(SSpellsPage::kIds.list);
        EXPECT_EQ(Body(), std::string(text->Text()) + "\r") << "row " << row;
    }
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("spells_page_items");
}

// The undead may not use Heal spells and the living may not use Undead ones.
TEST_F(SpellsPageTest, theRaceBarsScrollsOfItsClosedSchool) {
    struct Row {
        uint8_t race;
        std::vector<std::string> shown;
    };
    const Row rows[] = {{kUndead, {"Raise"}}, {kLiving, {"Mend"}}};
    for (const Row& row : rows) {
        OpenSpells(kLargeTall, row.race);
        Give(ScrollOf("base_scr_mend", "Mend", kSchoolHeal));
        Give(ScrollOf("base_scr_raise", "Raise", kSchoolUndead));
        ShowSchool(SSpellsPage::kMagicItems);
        std::vector<std::string> shown;
        for (const std::string& text : Rows(List().m_list)) shown.push_back(text.substr(1));
        EXPECT_EQ(shown, row.shown) << "race " << int(row.race);
    }
}

// A row whose spell or item is no longer there has nothing to describe.
TEST_F(SpellsPageTest, aRowWhoseRecordIsGoneShowsAnEmptyDescription) {
    SStateInventory& inventory = OpenSpells(kLargeTall);
    Learn("base_spark", kSchoolAttack, "Spark");
    ShowSchool(kSchoolAttack);
    ASSERT_EQ(List().m_list.RowCount(), 1);
    inventory.m_spellsPage.m_list.m_list.SetRow(0, "base_gone", nullptr, nullptr);
    Command(SSpellsPage::kIds.list);
    EXPECT_STREQ(List().m_text.m_title.Text(), "");
    EXPECT_TRUE(Body().empty());
    Give(ScrollOf("base_scr_fire", "Fire", kSchoolAttack));
    ShowSchool(SSpellsPage::kMagicItems);
    ASSERT_EQ(List().m_list.RowCount(), 1);
    inventory.m_spellsPage.m_list.m_list.SetRow(0, "7", nullptr, nullptr);
    Command(SSpellsPage::kIds.list);
    EXPECT_STREQ(List().m_text.m_title.Text(), "");
    EXPECT_TRUE(Body().empty());
    Command(SSpellsPage::kIds.pageDown);
    Command(SSpellsPage::kIds.nextText);
    EXPECT_EQ(List().m_list.m_top, 0);
}

}  // namespace

}  // namespace spells_page_test
