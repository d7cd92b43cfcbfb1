// Every table this build reads, fed from packages through its loader: what a whole record gives,
// and that a damaged one is refused with the table named and the table left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "support/table_fixture.h"

namespace table_loading_test {

namespace {

std::unique_ptr<SEffect> effect(uint8_t type, uint8_t subTarget, int16_t magnitude, const char* target = "") {
    auto entry = std::make_unique<SEffect>(kContextDisease);
    entry->m_type = type;
    entry->m_subTarget = subTarget;
    entry->m_baseMagnitude = magnitude;
    entry->m_radius = 1;
    entry->m_target.Assign(target);
    return entry;
}

template <typename Record>
std::unique_ptr<Record> named(const char* name, const char* text) {
    auto record = std::make_unique<Record>();
    record->m_name.Set(name);
    record->m_text.Assign(text);
    return record;
}

std::unique_ptr<SDisease> plague() {
    auto disease = named<SDisease>("base_plague", "Fever and chills");
    disease->m_strength = 3;
    disease->m_effects.Append(effect(kEffectFortifyAttribute, 3, -5).release());
    disease->m_effects.Append(effect(57, 0, 20).release());
    return disease;
}

// The plague, which ends in an Alcoholic effect, and a disease without effects.
std::vector<uint8_t> diseaseChunk(int version) {
    SDiseaseTable table;
    table.Add(plague());
    table.Add(named<SDisease>("base_sniffles", ""));
    return TableRecord(table, version);
}

// The plague alone: the chunk's last bytes are its last effect's sub-target, source, type and
// radius.
std::vector<uint8_t> plagueChunk() {
    SDiseaseTable table;
    table.Add(plague());
    return TableRecord(table, 114);
}

std::vector<uint8_t> abilityChunk(int version) {
    SAbilityTable table;
    auto sight = named<SAbility>("base_nightsight", "Sees in the dark");
    sight->m_effects.Append(effect(kEffectCastSpell, 0, 1, "base_light").release());
    table.Add(std::move(sight));
    table.Add(named<SAbility>("base_thickskin", "Shrugs off blows"));
    return TableRecord(table, version);
}

std::vector<uint8_t> interiorChunk(int version) {
    SInteriorTable table;
    auto shop = named<SInterior>("base_smithy", "The forge glows.");
    for (auto [picture, x] : {std::pair{"base_forge", 0}, std::pair{"base_anvil", 40}}) {
        auto layer = new SInteriorLayer;
        layer->picture.Assign(picture);
        layer->x = uint16_t(x);
        layer->y = 12;
        layer->value = 75;
        shop->m_layers.Append(layer);
    }
    table.Add(std::move(shop));
    table.Add(named<SInterior>("base_cellar", ""));
    return TableRecord(table, version);
}

std::vector<uint8_t> globalChunk(int version) {
    SGlobalTable table;
    for (const char* name : {"base_bridgeopen", "base_dragonsslain"}) {
        auto global = std::make_unique<SGlobalVar>();
        global->m_name.Set(name);
        global->m_value.SetNumber(17);
        table.Add(std::move(global));
    }
    return TableRecord(table, version);
}

TEST_F(TablesTest, diseasesAndAbilitiesComeWithTheirEffects) {
    ASSERT_NE(OpenWith({{SModuleTable::Diseases, diseaseChunk(114)}, {SModuleTable::Abilities, abilityChunk(114)}}),
              nullptr)
        << modules.Error().Message();
    ASSERT_EQ(diseases.Count(), 2);
    const SDisease* plague = diseases.Find("base_plague");
    ASSERT_NE(plague, nullptr);
    EXPECT_STREQ(plague->m_text.Text(), "Fever and chills");
    EXPECT_EQ(plague->m_strength, 3);
    ASSERT_EQ(plague->m_effects.Count(), 2);
    EXPECT_TRUE(plague->m_effects[0]->Equals(*effect(kEffectFortifyAttribute, 3, -5)));
    EXPECT_TRUE(plague->m_effects[1]->Equals(*effect(57, 0, 20)));
    ASSERT_NE(diseases.Find("base_sniffles"), nullptr);
    EXPECT_EQ(diseases.Find("base_sniffles")->m_effects.Count(), 0);
    EXPECT_EQ(diseases.Find("base_Plague"), nullptr);

    const SAbility* sight = abilities.Find("base_nightsight");
    ASSERT_NE(sight, nullptr);
    ASSERT_EQ(sight->m_effects.Count(), 1);
    EXPECT_STREQ(sight->m_effects[0]->m_target.Text(), "base_light");
    // The names are the table's own: the package's records are gone once it is read.
    EXPECT_TRUE(sight->m_name.OwnsText());
}

TEST_F(TablesTest, aSecondPackageAddsItsRecordsInNameHashOrder) {
    ASSERT_NE(OpenWith({{SModuleTable::Diseases, diseaseChunk(114)}}, 114, "First"), nullptr);
    SDiseaseTable more;
    for (const char* name : {"w_rot", "w_ague", "w_pox"}) more.Add(named<SDisease>(name, ""));
    ASSERT_NE(OpenWith({{SModuleTable::Diseases, TableRecord(more, 114)}}, 114, "Second"), nullptr);
    ASSERT_EQ(diseases.Count(), 5);
    for (int i = 1; i < diseases.Count(); ++i)
        EXPECT_LE(diseases.At(i - 1)->NameKey().Hash(), diseases.At(i)->NameKey().Hash());
    EXPECT_NE(diseases.Find("w_pox"), nullptr);
    EXPECT_NE(diseases.Find("base_plague"), nullptr);
}

TEST_F(TablesTest, interiorsCarryTheirTextFromVersion112) {
    for (int version : {111, 112}) {
        SCOPED_TRACE(version);
        interiors.Clear();
        ASSERT_NE(OpenWith({{SModuleTable::Interiors, interiorChunk(version)}}, version,
                           ("World" + std::to_string(version)).c_str()),
                  nullptr)
            << modules.Error().Message();
        const SInterior* smithy = interiors.Find("base_smithy");
        ASSERT_NE(smithy, nullptr);
        EXPECT_STREQ(smithy->m_text.Text(), version >= 112 ? "The forge glows." : "");
        ASSERT_EQ(smithy->LayerCount(), 2);
        EXPECT_STREQ(smithy->Layer(0)->picture.Text(), "base_forge");
        EXPECT_STREQ(smithy->Layer(1)->picture.Text(), "base_anvil");
        EXPECT_EQ(smithy->Layer(1)->x, 40);
        EXPECT_EQ(smithy->Layer(1)->y, 12);
        EXPECT_EQ(smithy->Layer(1)->value, 75);
        EXPECT_EQ(smithy->Layer(2), nullptr);
    }
}

TEST_F(TablesTest, globalsStartAtZeroWhateverAnOldPackageStores) {
    // Before version 68 each global carries a value, which is read past.
    for (int version : {60, 67, 68}) {
        SCOPED_TRACE(version);
        globals.Clear();
        ASSERT_NE(OpenWith({{SModuleTable::Globals, globalChunk(version)}}, version,
                           ("World" + std::to_string(version)).c_str()),
                  nullptr)
            << modules.Error().Message();
        ASSERT_EQ(globals.Count(), 2);
        const SGlobalVar* global = globals.Find("base_dragonsslain");
        ASSERT_NE(global, nullptr);
        EXPECT_EQ(global->m_value.Number(), 0);
        EXPECT_STREQ(global->m_value.Text(), "0");
    }
    // The value bytes are there before version 68 and not from then on.
    EXPECT_GT(globalChunk(67).size(), globalChunk(68).size());
}

// A whole record of one table, and how to break it.
struct DamageCase {
    const char* name;
    SModuleTable table;
    std::function<std::vector<uint8_t>()> record;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* fault;  // what the message says after the table's name
    int version = 114;
};

// The chunk tables' count sits after the tag and a pad byte; its high byte makes it claim so many
// more records that the few zero bytes a package keeps after each record cannot stand in for them.
void addToCount(std::vector<uint8_t>& record) { ++record[3]; }
// A package keeps a few zero bytes after each record, which read as empty texts and zero numbers:
// the cuts leave out more than those can stand in for. The rule tables lose half their entries,
// the chunk tables keep only their tag and count, and each of their records needs more than a
// couple of bytes.
void cutShort(std::vector<uint8_t>& record) { record.resize(record.size() / 2); }
void cutToCount(std::vector<uint8_t>& record) { record.resize(4); }

// The built-in skills as a package record: the last skill ends in its governing attribute, its
// second value and its empty further text.
std::vector<uint8_t> skillRecord() {
    SSkillTable skills;
    skills.InitDefaults();
    return TableRecord(skills, 114);
}

std::vector<uint8_t> defaultsRecord(SModuleTable table) {
    if (table == SModuleTable::Attributes) {
        SAttributeTable attributes;
        attributes.InitDefaults();
        return TableRecord(attributes, 114);
    }
    SRaceTable races;
    races.InitDefaults();
    return TableRecord(races, 114);
}

const DamageCase kDamage[] = {
    {"diseaseCutShort", SModuleTable::Diseases, [] { return diseaseChunk(114); }, cutToCount, "cut short"},
    {"diseaseCountOverrun", SModuleTable::Diseases, [] { return diseaseChunk(114); }, addToCount, "cut short"},
    {"diseaseEffectType", SModuleTable::Diseases, plagueChunk, [](std::vector<uint8_t>& r) { r[r.size() - 2] = 77; },
     "entry 1 (\"base_plague\"): effect 2: effect type 77 is not one of 0..58"},
    {"diseaseSourceKind", SModuleTable::Diseases, plagueChunk, [](std::vector<uint8_t>& r) { r[r.size() - 3] = 9; },
     "entry 1 (\"base_plague\"): effect 2: source kind 9 is not one of 0..4"},
    {"abilityCutShort", SModuleTable::Abilities, [] { return abilityChunk(114); }, cutToCount, "cut short"},
    {"abilityCountOverrun", SModuleTable::Abilities, [] { return abilityChunk(114); }, addToCount, "cut short"},
    {"interiorCutShort", SModuleTable::Interiors, [] { return interiorChunk(114); }, cutToCount, "cut short"},
    {"interiorCountOverrun", SModuleTable::Interiors, [] { return interiorChunk(114); }, addToCount, "cut short"},
    // One more layer than the smithy has: the cellar is read as that layer, and the cellar's own
    // layers run past the record.
    {"interiorLayerOverrun", SModuleTable::Interiors, [] { return interiorChunk(114); },
     [](std::vector<uint8_t>& r) {
         const std::string smithy("base_smithy\0The forge glows.", 28);
         // The layer count follows the interior's text at the next even offset.
         size_t at = std::search(r.begin(), r.end(), smithy.begin(), smithy.end()) - r.begin() + smithy.size() + 1;
         at += at % 2;
         ++r[at];
     },
     "cut short"},
    // From version 68 a global is only its name, which the zero bytes after a record can make up.
    {"globalCutShort", SModuleTable::Globals, [] { return globalChunk(60); }, cutToCount, "cut short", 60},
    {"globalCountOverrun", SModuleTable::Globals, [] { return globalChunk(114); }, addToCount, "cut short"},
    {"skillCutShort", SModuleTable::Skills, skillRecord, cutShort, "cut short"},
    {"skillAttribute", SModuleTable::Skills, skillRecord, [](std::vector<uint8_t>& r) { r[r.size() - 3] = 9; },
     "entry 20: governing attribute 9 is not one of 1..5"},
    {"attributeCutShort", SModuleTable::Attributes, [] { return defaultsRecord(SModuleTable::Attributes); }, cutShort,
     "cut short"},
    {"raceCutShort", SModuleTable::Races, [] { return defaultsRecord(SModuleTable::Races); }, cutShort, "cut short"},
};

class TableDamageTest : public TablesTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(TableDamageTest, aDamagedRecordIsRefusedNamingItsTableAndChangesNothing) {
    const DamageCase& c = GetParam();
    std::vector<uint8_t> whole = c.record();
    ASSERT_NE(OpenWith({{c.table, whole}}, c.version, "Whole"), nullptr) << modules.Error().Message();
    std::vector<uint8_t> damaged = whole;
    c.damage(damaged);
    // What the tables hold after the whole package, to compare with after the damaged one.
    const int counts[] = {diseases.Count(), abilities.Count(), interiors.Count(), globals.Count()};
    skills.Entry(20)->name.Assign("Sneaking");
    attributes.Entry(5)->fullName.Assign("Charm");
    races.Entry(5)->name.Assign("Hill folk");

    EXPECT_EQ(OpenWith({{c.table, damaged}}, c.version, "Damaged"), nullptr);
    const std::string message = modules.Error().Message();
    EXPECT_NE(message.find(std::string("(") + TableName(c.table) + ")"), std::string::npos) << message;
    EXPECT_NE(message.find(c.fault), std::string::npos) << message;
    EXPECT_NE(message.find("Damaged.pdb: record 40"), std::string::npos) << message;

    EXPECT_EQ(diseases.Count(), counts[0]);
    EXPECT_EQ(abilities.Count(), counts[1]);
    EXPECT_EQ(interiors.Count(), counts[2]);
    EXPECT_EQ(globals.Count(), counts[3]);
    EXPECT_STREQ(skills.Name(20), "Sneaking");
    EXPECT_STREQ(attributes.FullName(5), "Charm");
    EXPECT_STREQ(races.Entry(5)->name.Text(), "Hill folk");
}

INSTANTIATE_TEST_SUITE_P(Records, TableDamageTest, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace table_loading_test
