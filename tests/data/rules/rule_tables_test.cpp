#include <gtest/gtest.h>

#include <string>

#include "data/package/empty_table.h"
#include "data/rules/class_table.h"
#include "support/table_fixture.h"

namespace rule_tables_test {

namespace {

TEST(AttributeTableTest, theDefaultsAreFoundByIdTextExactlyAndByNameInAnyCase) {
    SAttributeTable attributes;
    attributes.InitDefaults();
    EXPECT_STREQ(attributes.FullName(1), "Strength");
    EXPECT_STREQ(attributes.Entry(5)->shortName.Text(), "Per");
    EXPECT_STREQ(attributes.Entry(4)->id.Text(), "base_intelligence");
    EXPECT_EQ(attributes.FullName(0), nullptr);
    EXPECT_EQ(attributes.FullName(6), nullptr);
    const std::pair<const char*, int> kFinds[] = {
        {"str", 1}, {"STRENGTH", 1},  {"base_strength", 1}, {"Base_Strength", 0},
        {"dEx", 2}, {"Endurance", 3}, {"per", 5},           {"luck", 0},
        {"", 0},    {nullptr, 0},
    };
    for (auto [text, id] : kFinds) EXPECT_EQ(attributes.Find(text), id) << (text ? text : "null");
}

TEST(SkillTableTest, theDefaultsGiveEachSkillItsAttributeSecondValueAndNames) {
    SSkillTable skills;
    skills.InitDefaults();
    struct Row {
        int id;
        const char* name;
        const char* shortName;
        const char* abbreviation;
        uint8_t attribute, second;
    };
    const Row kRows[] = {
        {1, "Block", "Block", "Block", 2, 9},
        {2, "Light Weapon", "Light Weapon", "Light Weap", 2, 8},
        {3, "Heavy Weapon", "Heavy Weap", "Heavy W", 1, 9},
        {6, "Heavy Armor", "Heavy Armor", "Heavy Arm", 3, 9},
        {9, "Protection Magic", "Prot. Magic", "Prot. Magic", 4, 11},
        {11, "Mind Magic", "Mind Magic", "Mind Magic", 5, 11},
        {20, "Stealth", "Stealth", "Stealth", 2, 9},
    };
    for (const Row& row : kRows) {
        const SSkillDef* skill = skills.Entry(row.id);
        ASSERT_NE(skill, nullptr);
        EXPECT_STREQ(skills.Name(row.id), row.name);
        EXPECT_STREQ(skills.ShortName(row.id), row.shortName);
        EXPECT_STREQ(skill->abbreviation.Text(), row.abbreviation);
        EXPECT_EQ(skill->attribute, row.attribute) << row.id;
        EXPECT_EQ(skill->second, row.second) << row.id;
    }
    EXPECT_EQ(skills.Entry(0), nullptr);
    EXPECT_EQ(skills.Name(21), nullptr);
    EXPECT_EQ(skills.Find("base_alchemy"), 16);
    EXPECT_EQ(skills.Find("ENVIRONMENT MAGIC"), 13);
    EXPECT_EQ(skills.Find("Base_Alchemy"), 0);
    EXPECT_EQ(skills.Find(nullptr), 0);
}

TEST(SkillTableTest, levelCostsFollowTheCurveBetweenItsPoints) {
    const std::pair<int, uint32_t> kCosts[] = {{0, 50},    {5, 75},     {10, 100},   {45, 525}, {95, 2500},
                                               {99, 2900}, {100, 3000}, {150, 3000}, {-5, 50}};
    for (auto [level, cost] : kCosts) EXPECT_EQ(SSkillTable::GetLevelCost(level), cost) << level;
}

TEST(ClassTableTest, theSixClassesAreAvailableWithTheirPrimarySkills) {
    SClassTable classes;
    EXPECT_FALSE(classes.Entry(1)->available);
    classes.InitDefaults();
    const std::array<uint8_t, 6> kSkills[] = {{3, 6, 4, 14, 1, 2},  {2, 5, 7, 17, 18, 19}, {2, 8, 9, 10, 13, 16},
                                              {2, 5, 1, 10, 9, 11}, {7, 2, 20, 8, 5, 16},  {2, 5, 8, 9, 16, 17}};
    for (int id = 1; id <= SClassTable::kCount; ++id) {
        EXPECT_TRUE(classes.Entry(id)->available);
        EXPECT_EQ(classes.Entry(id)->primarySkills, kSkills[id - 1]) << id;
    }
    EXPECT_STREQ(classes.Entry(4)->id.Text(), "battlemage");
    EXPECT_STREQ(classes.Entry(4)->displayName.Text(), "Battlemage");
    EXPECT_STREQ(classes.Entry(6)->descriptionKey.Text(), "priest description");
    EXPECT_EQ(classes.Entry(0), nullptr);
    EXPECT_EQ(classes.Entry(7), nullptr);
}

// A skill table with every field of every skill changed.
void changeSkills(SSkillTable& skills) {
    for (int id = 1; id <= 20; ++id) {
        const std::string n = std::to_string(id);
        skills.SetEntry(id, ("w_skill" + n).c_str(), ("Skill " + n).c_str(), ("Sk " + n).c_str(), ("S" + n).c_str(),
                        uint8_t(1 + id % 5), uint8_t(20 + id));
    }
}

struct SkillGateCase {
    int version;
    bool shortName, abbreviation, second, furtherText;
};

const SkillGateCase kSkillGates[] = {
    {73, false, false, false, false}, {74, true, false, false, false}, {82, true, false, false, false},
    {83, true, false, true, false},   {85, true, false, true, false},  {86, true, false, true, true},
    {109, true, false, true, true},   {110, true, true, true, true},
};

TEST_F(TablesTest, aPackageSkillRecordReplacesTheFieldsItsDataVersionCarries) {
    for (const SkillGateCase& c : kSkillGates) {
        SCOPED_TRACE(c.version);
        SSkillTable written;
        written.InitDefaults();
        changeSkills(written);
        // The further text has no setter: it only ever comes from packages.
        for (int id = 1; id <= 20; ++id) written.Entry(id)->furtherText.Assign(("about " + std::to_string(id)).c_str());
        skills.InitDefaults();
        ASSERT_NE(OpenWith({{SModuleTable::Skills, TableRecord(written, c.version)}}, c.version,
                           ("World" + std::to_string(c.version)).c_str()),
                  nullptr)
            << modules.Error().Message();
        SSkillTable defaults;
        defaults.InitDefaults();
        for (int id : {1, 3, 20}) {
            const SSkillDef& read = *skills.Entry(id);
            const SSkillDef& given = *written.Entry(id);
            const SSkillDef& kept = *defaults.Entry(id);
            EXPECT_STREQ(read.id.Text(), given.id.Text());
            EXPECT_EQ(read.id.Hash(), HashName(given.id.Text()));
            EXPECT_STREQ(read.name.Text(), given.name.Text());
            EXPECT_EQ(read.attribute, given.attribute);
            EXPECT_STREQ(read.shortName.Text(), (c.shortName ? given : kept).shortName.Text());
            EXPECT_STREQ(read.abbreviation.Text(), (c.abbreviation ? given : kept).abbreviation.Text());
            EXPECT_EQ(read.second, (c.second ? given : kept).second);
            EXPECT_STREQ(read.furtherText.Text(), (c.furtherText ? given : kept).furtherText.Text());
        }
        EXPECT_EQ(skills.Find("w_skill7"), 7);
        EXPECT_EQ(skills.Find("base_block"), 0);
    }
}

TEST_F(TablesTest, aPackageRaceRecordCarriesTheThirdTextFromVersion52) {
    SRaceTable written;
    written.InitDefaults();
    for (int id = 0; id <= 5; ++id) {
        SRaceDef& race = *written.Entry(id);
        race.name.Assign(("Folk " + std::to_string(id)).c_str());
        race.texts = {SString("first"), SString("second"), SString("third")};
    }
    for (int version : {51, 52}) {
        SCOPED_TRACE(version);
        races.InitDefaults();
        ASSERT_NE(OpenWith({{SModuleTable::Races, TableRecord(written, version)}}, version,
                           ("World" + std::to_string(version)).c_str()),
                  nullptr)
            << modules.Error().Message();
        EXPECT_STREQ(races.Entry(0)->name.Text(), "Folk 0");
        EXPECT_STREQ(races.Entry(5)->name.Text(), "Folk 5");
        EXPECT_STREQ(races.Entry(2)->texts[1].Text(), "second");
        EXPECT_STREQ(races.Entry(2)->texts[2].Text(), version >= 52 ? "third" : "");
        EXPECT_EQ(races.Entry(6), nullptr);
    }
}

TEST_F(TablesTest, aPackageAttributeRecordReplacesTheAttributes) {
    SAttributeTable written;
    written.InitDefaults();
    SAttributeDef& might = *written.Entry(1);
    might.id.Set("w_might");
    might.fullName.Assign("Might");
    might.shortName.Assign("Mgt");
    ASSERT_NE(OpenWith({{SModuleTable::Attributes, TableRecord(written, 114)}}), nullptr) << modules.Error().Message();
    EXPECT_EQ(attributes.Find("mgt"), 1);
    EXPECT_EQ(attributes.Find("str"), 0);
    EXPECT_STREQ(attributes.FullName(5), "Personality");
}

TEST_F(TablesTest, aFlagZeroRecordKeepsWhatTheTablesHold) {
    SSkillTable changed;
    changed.InitDefaults();
    changeSkills(changed);
    ASSERT_NE(OpenWith({{SModuleTable::Skills, TableRecord(changed, 114)}}, 114, "First"), nullptr);
    // The empty chunks of the second package are the three records with the flag 0.
    ASSERT_NE(OpenWith({}, 114, "Second"), nullptr) << modules.Error().Message();
    EXPECT_STREQ(skills.Name(4), "Skill 4");
    EXPECT_STREQ(attributes.FullName(2), "Dexterity");
    EXPECT_STREQ(races.Entry(3)->name.Text(), "Seiry");
}

}  // namespace

}  // namespace rule_tables_test
