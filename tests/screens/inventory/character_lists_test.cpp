// The character page's list sheets: the abilities, diseases and active effects with their
// descriptions, the effects filter, the value part of every effect kind and the page buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/base/string.h"
#include "screens/inventory/active_effect_text.h"
#include "screens/inventory/character_fixture.h"

namespace character_lists_test {

namespace {

using Lists = SCharacterLists;

constexpr uint32_t kLargeTall = 10;
constexpr uint32_t kSmallTall = 7;
// Effect kinds of the item and spell tables, and the player's types they become.
constexpr uint32_t kFortifySkillKind = 1;
constexpr uint32_t kResistPoisonKind = 15;

class CharacterListsTest : public CharacterPageTest {
protected:
    SStateInventory& OpenSheet(uint32_t mode, uint32_t sheet) {
        OpenCharacterPage(mode);
        Command(SCharacterHeader::kTabs[sheet]);
        return Inventory();
    }
    // An ability or disease of the world's table with one lasting effect.
    template <class Record, class Table>
    Record& AddRecord(Table& table, const char* name, const char* title, uint8_t kind, int16_t magnitude) {
        auto record = std::make_unique<Record>();
        record->m_name.Set(name);
        record->m_text.Assign(title);
        auto effect = ItemEffect(kind, magnitude, 0, "", kSourceConstant);
        record->m_effects.Append(effect.release());
        Record& kept = *record;
        table.Add(std::move(record));
        return kept;
    }
    SAbility& AddAbility(const char* name, const char* title) {
        return AddRecord<SAbility>(Game().m_abilities, name, title, kResistPoisonKind, 120);
    }
    SDisease& AddDisease(const char* name, const char* title) {
        return AddRecord<SDisease>(Game().m_diseases, name, title, kFortifySkillKind, -5);
    }
    SJournalList& Shown(uint32_t sheet) {
        Lists& lists = Inventory().m_characterLists;
        return sheet == Lists::kAbilities  ? lists.m_abilities
               : sheet == Lists::kDiseases ? lists.m_diseases
                                           : lists.m_effects;
    }
    std::string Body(const SJournalList& list) {
        std::string body;
        for (const SString& page : list.m_text.m_pages) body += page.Text();
        return body;
    }
    static std::string Value(const SActiveEffect& effect, const SEffectLookups& lookups) {
        SString text;
        AppendEffectValue(effect, lookups, text);
        return text.Text();
    }
};

SActiveEffect Entry(uint8_t type, int16_t magnitude, uint8_t origin = kFromSpell, uint8_t rounds = 0) {
    SActiveEffect effect;
    effect.type = type;
    effect.magnitude = magnitude;
    effect.origin = origin;
    effect.duration = rounds;
    return effect;
}

TEST_F(CharacterListsTest, theValuePartFollowsTheKindAndFoldsStoredPercentages) {
    StartInventory(kLargeTall);
    const SEffectLookups lookups = Game().EffectLookups();
    struct Row {
        uint8_t type;
        int16_t magnitude;
        std::string shown;
    };
    const std::string skill = lookups.SkillName(3);
    const std::string attribute = lookups.AttributeFullName(2);
    const Row rows[] = {
        {kPlayerFortifyHp, 5, "+5"},
        {kPlayerFortifyUnholy, -2, "-2"},
        {kPlayerFortifyMana, 9, "+9"},
        {kPlayerFortifyAc, 7, "+7"},
        {kPlayerResistPoison, 130, "+30%"},
        {kPlayerResistParalysis, -130, "-30%"},
        {kPlayerResistDisease, 150, "+50% unknown disease"},
        {kPlayerFeather, 20, "+20"},
        {kPlayerResistMagic, 100, "+100%"},
        {kPlayerResistDiseases, -100, "-100%"},
        {kPlayerResistSpell, 125, "+25% unknown spell"},
        {kPlayerFortifySpell, -140, "-40% unknown spell"},
        {kPlayerFortifyMagic, 101, "+1%"},
        {kPlayerFortifyMelee, 60, "+60%"},
        {kPlayerMagicImmunity, 1, "Immunity"},
        {kPlayerDetectSecrets, 1, "Detect secrets"},
        // Signed, never a wrapped unsigned number.
        {kPlayerAlcoholic, -130, "-30%"},
        {kPlayerAlcoholic, 150, "50%"},
        {kPlayerFortifyOutfit, 3, "+3"},
        {kPlayerParalysis, 1, "Paralysis"},
        {kPlayerCurse, 1, "Curse"},
        {kPlayerPoison, 3, "-3 hp/turn"},
        {kPlayerPoison, -3, "+3 hp/turn"},
        // Kinds outside 1..23 have no words.
        {0, 5, ""},
        {24, 5, ""},
        {200, 5, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Value(Entry(row.type, row.magnitude), lookups), row.shown) << "type " << int(row.type);
    SActiveEffect fortify = Entry(kPlayerFortifySkill, 4);
    fortify.subId = 3;
    EXPECT_EQ(Value(fortify, lookups), "+4 " + skill);
    SActiveEffect attributeEntry = Entry(kPlayerFortifyAttribute, -4);
    attributeEntry.subId = 2;
    EXPECT_EQ(Value(attributeEntry, lookups), "-4 " + attribute);
    SActiveEffect unknown = Entry(kPlayerFortifyAttribute, 4);
    unknown.subId = 9;
    EXPECT_EQ(Value(unknown, lookups), "+4 unknown attribute");
    // Every kind 1..23 says something.
    for (uint8_t type = 1; type < kPlayerEffectTypes; ++type)
        EXPECT_FALSE(Value(Entry(type, 110), lookups).empty()) << "type " << int(type);
}

TEST_F(CharacterListsTest, roundsShowOnlyForPotionsSpellsAndOtherTimedSources) {
    StartInventory(kLargeTall);
    const SEffectLookups lookups = Game().EffectLookups();
    struct Row {
        uint8_t origin, rounds;
        const char* shown;
    };
    const Row rows[] = {
        // Without a source to name the line ends on the value or the rounds, never on a comma.
        {kFromUsedItem, 1, "+5, 1 round\r"}, {kFromSpell, 2, "+5, 2 rounds\r"},
        {kFromMonster, 7, "+5, 7 rounds\r"}, {kFromSpell, 0, "+5\r"},
        {kFromWornItem, 5, "+5\r"},          {kFromDisease, 5, "+5\r"},
        {kFromAbility, 5, "+5\r"},
    };
    for (const Row& row : rows) {
        SString line;
        AppendEffectLine(Entry(kPlayerFortifyHp, 5, row.origin, row.rounds), lookups, line);
        EXPECT_STREQ(line.Text(), row.shown) << "origin " << int(row.origin) << " rounds " << int(row.rounds);
    }
    SAbility& ability = AddAbility("base_keen", "Keen eyes");
    SActiveEffect fromAbility = Entry(kPlayerFortifyHp, 5, kFromAbility);
    fromAbility.source = &ability;
    SString line;
    AppendEffectLine(fromAbility, lookups, line);
    EXPECT_STREQ(line.Text(), "+5, (Keen eyes ability)\r");
}

TEST_F(CharacterListsTest, theFilterKeepsKindsWithAnEntryThatPassesIt) {
    SStateInventory& inventory = OpenSheet(kLargeTall, Lists::kEffects);
    SItemType& ring = AddItemType("base_ring_guard", kItemAccessory, 2, "Guard ring");
    SItemType& potion = AddItemType("base_potion_guard", kItemPotion, 1, "Guard");
    // Resist poison from a worn ring alone; Fortify skill from the ring and a potion.
    Player().AddTimedEffect(kFromWornItem, &ring, 120, 0, kResistPoisonKind, 0, nullptr);
    Player().AddTimedEffect(kFromWornItem, &ring, 2, 0, kFortifySkillKind, 3, nullptr);
    Player().AddTimedEffect(kFromUsedItem, &potion, 5, 2, kFortifySkillKind, 3, nullptr);
    struct Row {
        uint32_t button;
        std::vector<std::string> rows;
        size_t lines;  // of the first row's description, one a source
    };
    const Row rows[] = {
        {Lists::kFilterButtons[kDynamicEffects], {"Fortify skill"}, 1},
        {Lists::kFilterButtons[kConstantEffects], {"Fortify skill", "Resist poison"}, 1},
        {Lists::kFilterButtons[kAllEffects], {"Fortify skill", "Resist poison"}, 2},
    };
    for (const Row& row : rows) {
        Command(row.button);
        EXPECT_EQ(m_rig->Sounds().Lines().back().rfind("bsnd_clickh", 0), 0u);
        const std::string name = "button " + std::to_string(row.button);
        EXPECT_EQ(Rows(inventory.m_characterLists.m_effects.m_list), row.rows) << name;
        EXPECT_STREQ(inventory.m_characterLists.m_effects.SelectedKey(), "1") << name;
        const std::string body = Body(inventory.m_characterLists.m_effects);
        size_t lines = 0;
        for (size_t at = body.find("(Guard"); at != std::string::npos; at = body.find("(Guard", at + 1)) ++lines;
        EXPECT_EQ(lines, row.lines) << name << ": " << body;
        for (uint32_t filter = 0; filter < 3; ++filter)
            EXPECT_EQ(inventory.m_characterLists.m_filterButtons[filter].IsChecked(),
                      Lists::kFilterButtons[filter] == row.button)
                << name;
    }
    EXPECT_EQ(inventory.m_pages.effectsFilter, uint32_t(kAllEffects));
    // The potion's entry, wrapped where the line is full.
    EXPECT_NE(Body(inventory.m_characterLists.m_effects).find("potion)"), std::string::npos);
    EXPECT_STREQ(inventory.m_characterLists.m_effects.m_text.m_title.Text(), "Fortify skill");
}

TEST_F(CharacterListsTest, aDynamicOnlyPageWithoutTimedEffectsIsEmpty) {
    SStateInventory& inventory = OpenSheet(kSmallTall, Lists::kEffects);
    const SAbility& ability = AddAbility("base_keen", "Keen eyes");
    Player().AddAbility(ability.m_name.Text(), false);
    Command(SCharacterHeader::kTabs[Lists::kEffects]);
    EXPECT_EQ(inventory.m_pages.effectsFilter, uint32_t(kDynamicEffects)) << "every visit of the screen starts so";
    EXPECT_EQ(inventory.m_characterLists.m_effects.m_list.RowCount(), 0);
    EXPECT_TRUE(Body(inventory.m_characterLists.m_effects).empty());
    Command(Lists::kFilterButtons[kConstantEffects]);
    ASSERT_EQ(Rows(inventory.m_characterLists.m_effects.m_list), std::vector<std::string>{"Resist poison"});
    // Small screens leave the title out.
    EXPECT_STREQ(inventory.m_characterLists.m_effects.m_text.m_title.Text(), "");
    EXPECT_EQ(Body(inventory.m_characterLists.m_effects), Digits("+20%, (Keen eyes ability)\r"));
}

TEST_F(CharacterListsTest, abilitiesAndDiseasesListTheirTitlesAndDescribeTheirEffects) {
    for (uint32_t mode : {kLargeTall, kSmallTall}) {
        SStateInventory& inventory = OpenSheet(mode, Lists::kAbilities);
        AddAbility("base_keen", "Keen eyes");
        AddDisease("base_rot", "Cellar rot");
        Player().AddAbility("base_keen", false);
        Player().InfectDisease("base_rot", false);
        Command(SCharacterHeader::kTabs[Lists::kAbilities]);
        const SJournalList& abilities = inventory.m_characterLists.m_abilities;
        EXPECT_EQ(Rows(abilities.m_list), std::vector<std::string>{"Keen eyes"});
        EXPECT_STREQ(abilities.SelectedKey(), "base_keen");
        EXPECT_STREQ(abilities.m_text.m_title.Text(), mode == kLargeTall ? "Keen eyes" : "");
        SString expected;
        Game().m_abilities.Find("base_keen")->Describe(Game().EffectLookups(), expected);
        EXPECT_FALSE(expected.IsEmpty());
        EXPECT_EQ(Body(abilities).rfind(std::string(expected.Text()).substr(0, 6), 0), 0u) << Body(abilities);

        Command(SCharacterHeader::kTabs[Lists::kDiseases]);
        const SJournalList& diseases = inventory.m_characterLists.m_diseases;
        EXPECT_EQ(Rows(diseases.m_list), std::vector<std::string>{"Cellar rot"});
        Command(Lists::kDiseaseIds.list);
        EXPECT_EQ(m_rig->Sounds().Lines().back().rfind("bsnd_click", 0), 0u);
        EXPECT_STREQ(diseases.m_text.m_title.Text(), mode == kLargeTall ? "Cellar rot" : "");
        m_rig->Frame();
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Shot("character_diseases_mode" + std::to_string(mode));
    }
}

// The rule of every list page: down is offered while rows lie past the page, up while the page is
// not the first, and a page turn selects the page's first row. The Diseases page's buttons act
// as the other two pages' do.
TEST_F(CharacterListsTest, pageDownIsOfferedOnlyWhenARowLiesPastThePage) {
    for (uint32_t sheet : {Lists::kAbilities, Lists::kDiseases}) {
        SStateInventory& inventory = OpenSheet(kLargeTall, sheet);
        const SJournalList& list = Shown(sheet);
        const int visible = int(list.m_list.m_rowsPerPage);
        ASSERT_GE(visible, 2);
        for (int i = 0; i <= visible; ++i) {
            const std::string name = "base_r" + std::to_string(100 + i);
            if (sheet == Lists::kAbilities) {
                AddAbility(name.c_str(), name.c_str());
                Player().AddAbility(name.c_str(), false);
            } else {
                AddDisease(name.c_str(), name.c_str());
                Player().InfectDisease(name.c_str(), false);
            }
            Command(SCharacterHeader::kTabs[sheet]);
            const std::string what = "sheet " + std::to_string(sheet) + " rows " + std::to_string(i + 1);
            EXPECT_EQ(list.m_pageDown.IsEnabled(), i + 1 > visible) << what;
            EXPECT_FALSE(list.m_pageUp.IsEnabled()) << what;
        }
        Command(list.Ids().pageDown);
        EXPECT_EQ(list.m_list.m_top, visible);
        EXPECT_EQ(list.m_list.m_selected, visible);
        EXPECT_EQ(list.SelectedKey(), "base_r" + std::to_string(100 + visible));
        EXPECT_TRUE(list.m_pageUp.IsEnabled());
        EXPECT_FALSE(list.m_pageDown.IsEnabled());
        Command(list.Ids().pageUp);
        EXPECT_EQ(list.m_list.m_top, 0);
        EXPECT_EQ(list.m_list.m_selected, 0);
        EXPECT_EQ(inventory.m_pages.subPage, sheet);
    }
}

TEST_F(CharacterListsTest, aLongDescriptionPagesWithItsButtons) {
    SStateInventory& inventory = OpenSheet(kSmallTall, Lists::kEffects);
    Command(Lists::kFilterButtons[kAllEffects]);
    for (uint8_t skill = 1; skill <= 20; ++skill)
        Player().AddTimedEffect(kFromSpell, nullptr, skill, 30, kFortifySkillKind, skill, nullptr);
    Command(SCharacterHeader::kTabs[Lists::kEffects]);
    SJournalList& effects = inventory.m_characterLists.m_effects;
    ASSERT_GT(effects.m_text.PageCount(), 1);
    EXPECT_FALSE(effects.m_previousText.IsEnabled());
    EXPECT_TRUE(effects.m_nextText.IsEnabled());
    for (int page = 1; page < effects.m_text.PageCount(); ++page) Command(Lists::kEffectIds.nextText);
    EXPECT_EQ(int(effects.m_text.m_page), effects.m_text.PageCount() - 1);
    EXPECT_FALSE(effects.m_nextText.IsEnabled());
    EXPECT_TRUE(effects.m_previousText.IsEnabled());
    Command(Lists::kEffectIds.nextText);
    EXPECT_EQ(int(effects.m_text.m_page), effects.m_text.PageCount() - 1) << "never past the last page";
    Command(Lists::kEffectIds.previousText);
    EXPECT_EQ(int(effects.m_text.m_page), effects.m_text.PageCount() - 2);
}

}  // namespace

}  // namespace character_lists_test
