#include <gtest/gtest.h>

#include "game/game_data.h"
#include "support/fake_dialog_world.h"
#include "support/item_records.h"
#include "support/monster_records.h"
#include "support/picture_record.h"
#include "support/spell_records.h"
#include "support/step_counter.h"
#include "support/temp_folder.h"
#include "support/world_package.h"
#include "tools/sampledata/sample_people.h"

namespace world_tables_test {

namespace {

TEST(WorldTablesTest, clearingTwiceIsHarmless) {
    SGameData game;
    game.ClearTables();
    game.ClearTables();
    EXPECT_EQ(game.m_cache.PictureCount(), 1);
    EXPECT_STREQ(game.m_skills.Name(1), "Block");
    StepCounter loading;
    loading.Start(8);
    game.LoadTablePictures(&loading);
    game.BuildTables(&loading);
    EXPECT_EQ(loading.Current(), 8u);
}

// The game object's own package list, over a fresh program folder.
class GameTablesTest : public TempFolderTest {
protected:
    GameTablesTest() {
        game.m_cache.Init();
        game.m_moduleContext.folder = &folder;
        game.m_moduleContext.cache = &game.m_cache;
    }

    SFileFolder folder{Folder()};
    SGameData game;
};

template <typename Record>
void addNamed(SRecordTable<Record>& table, const char* name) {
    auto record = std::make_unique<Record>();
    record->m_name.Set(name);
    table.Add(std::move(record));
}

// A world that brings one record of each table the game reads, and its own skills, attributes and
// races.
TestWorldPackage worldWithEveryTable() {
    TestWorldPackage world;
    SDiseaseTable diseases;
    SAbilityTable abilities;
    SInteriorTable interiors;
    SGlobalTable globals;
    addNamed(diseases, "base_plague");
    addNamed(abilities, "base_nightsight");
    addNamed(interiors, "base_smithy");
    addNamed(globals, "base_bridgeopen");

    SSkillTable skills;
    skills.InitDefaults();
    skills.Entry(4)->name.Assign("Two Blades");
    SAttributeTable attributes;
    attributes.InitDefaults();
    attributes.Entry(2)->fullName.Assign("Agility");
    SRaceTable races;
    races.InitDefaults();
    races.Entry(3)->name.Assign("Sea folk");

    SItemDatabase items;
    items.AddItemType(MakeItemType("base_bread", kItemComestible, 1, "Bread"));
    SRecipeTable recipes;
    auto recipe = std::make_unique<SRecipe>();
    recipe->m_name.Set("base_breadcrumbs");
    recipes.Add(std::move(recipe));
    world.names[SNameIndex::ItemTypes] = {"base_bread"};

    const int v = world.version;
    world.tables = {{SModuleTable::Items, items.Write(v)},
                    {SModuleTable::Recipes, {TableRecord(recipes, v)}},
                    {SModuleTable::Diseases, {TableRecord(diseases, v)}},
                    {SModuleTable::Abilities, {TableRecord(abilities, v)}},
                    {SModuleTable::Interiors, {TableRecord(interiors, v)}},
                    {SModuleTable::Globals, {TableRecord(globals, v)}},
                    {SModuleTable::Skills, {TableRecord(skills, v)}},
                    {SModuleTable::Attributes, {TableRecord(attributes, v)}},
                    {SModuleTable::Races, {TableRecord(races, v)}}};
    return world;
}

TEST_F(GameTablesTest, aWorldFillsTheGamesTablesAndClearingGoesBackToTheBuiltInOnes) {
    game.ClearTables();
    ASSERT_TRUE(worldWithEveryTable().Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
    EXPECT_NE(game.m_diseases.Find("base_plague"), nullptr);
    EXPECT_NE(game.m_abilities.Find("base_nightsight"), nullptr);
    EXPECT_NE(game.m_interiors.Find("base_smithy"), nullptr);
    EXPECT_NE(game.m_globals.Find("base_bridgeopen"), nullptr);
    SItemType* bread = game.m_items.FindItemType("base_bread");
    ASSERT_NE(bread, nullptr);
    EXPECT_EQ(game.m_packages.Current()->ItemTypeIndex(), std::vector<SItemType*>({nullptr, bread}));
    EXPECT_NE(game.m_recipes.Find("base_breadcrumbs"), nullptr);
    EXPECT_STREQ(game.m_skills.Name(4), "Two Blades");
    EXPECT_STREQ(game.m_attributes.FullName(2), "Agility");
    EXPECT_STREQ(game.m_races.Entry(3)->name.Text(), "Sea folk");

    game.ClearTables();
    EXPECT_EQ(game.m_diseases.Count(), 0);
    EXPECT_EQ(game.m_abilities.Count(), 0);
    EXPECT_EQ(game.m_interiors.Count(), 0);
    EXPECT_EQ(game.m_globals.Count(), 0);
    EXPECT_EQ(game.m_items.ItemTypeCount(), 0);
    EXPECT_EQ(game.m_recipes.Count(), 0);
    EXPECT_STREQ(game.m_skills.Name(4), "Dual Wield");
    EXPECT_STREQ(game.m_attributes.FullName(2), "Dexterity");
    // A world that keeps the built-in races (flag 0) must not find the last world's in their place.
    EXPECT_STREQ(game.m_races.Entry(3)->name.Text(), "Seiry");
}

TEST_F(GameTablesTest, aWorldsMapsNameTheirCellsCreaturesAndLootThroughTheGamesTables) {
    TestWorldPackage world = worldWithEveryTable();
    SMapObjectTypeTable types;
    std::unique_ptr<SMapObjectType> grass = types.CreateType(1);
    grass->m_name.Set("base_grass");
    types.Add(std::move(grass));
    world.tables[SModuleTable::MapObjectTypes] = {TableRecord(types, world.version)};
    world.tables[SModuleTable::Monsters] = OneMonsterRecords("base_rat", "base_vermin", 12, world.version);
    world.maps = {{"base_cave", "Cave", R"(
cell . floor=base_grass
cells 0 0
.
end
container 1 255 255 loot=base_bread
creature base_rat 0 0
)"}};
    ASSERT_TRUE(world.Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
    const SMap* cave = game.m_packages.FindMap("base_cave");
    ASSERT_NE(cave, nullptr);
    EXPECT_EQ(cave->FloorType(), game.m_mapObjectTypes.Find("base_grass"));
    ASSERT_NE(cave->FindContainer(1), nullptr);
    ASSERT_EQ(cave->FindContainer(1)->m_rules.Count(), 1);
    EXPECT_STREQ(cave->FindContainer(1)->m_rules[0]->m_itemType.Text(), "base_bread");
    ASSERT_NE(cave->FindCreature(1), nullptr);
    EXPECT_EQ(cave->FindCreature(1)->monster, game.m_monsters.FindMonster("base_rat"));
    EXPECT_EQ(cave->FindCreature(1)->hp, 12);
}

TEST_F(GameTablesTest, aWorldsSpellsAndEffectsArriveWithTheirPicturesAndGoWithTheWorld) {
    TestWorldPackage world;
    world.pictures = {{"bres_spark1", PictureRecord(0, 2, 2, {0, 0, 0, 0}, {0xFFE0})}};
    SSpellEffectTable effects;
    effects.Add(MakeSpellEffect("base_spark", {"bres_spark1"}));
    SSpellTable spells;
    auto bolt = MakeSpell("base_sparkbolt", kSchoolAttack, {{25, 8}});
    bolt->m_castEffect.Assign("base_spark");
    spells.Add(std::move(bolt));
    world.tables[SModuleTable::SpellEffects] = {TableRecord(effects, world.version)};
    world.tables[SModuleTable::Spells] = spells.Write(world.version);
    ASSERT_TRUE(world.Write(folder, "Brimvale"));

    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
    const SSpellType* spell = game.m_spells.FindSpell("base_sparkbolt");
    ASSERT_NE(spell, nullptr);
    SSpellEffect* spark = game.m_spellEffects.Find(spell->m_castEffect.Text());
    ASSERT_NE(spark, nullptr);

    StepCounter loading;
    loading.Start(8);
    game.LoadTablePictures(&loading);
    const SPictureEntry* picture = game.m_cache.FindPicture("bres_spark1");
    EXPECT_NE(picture->data, nullptr);
    game.BuildTables(&loading);
    EXPECT_EQ(loading.Current(), 8u);
    ASSERT_EQ(spark->m_frameSlots.size(), 1u);
    EXPECT_EQ(spark->m_frameSlots[0], picture->slot);
    EXPECT_EQ(game.m_cache.SlotWidths()[spark->m_frameSlots[0]], 2);

    game.ClearTables();
    EXPECT_EQ(game.m_spells.Count(), 0);
    EXPECT_EQ(game.m_spellEffects.Count(), 0);
}

TEST_F(GameTablesTest, anItemsPicturesLoadWithTheTablePicturesAndItsListsAreBuiltWithTheTables) {
    TestWorldPackage world;
    world.pictures = {{"bres_bread", PictureRecord(0, 2, 3, {0, 0, 0, 0, 0, 0}, {0xFFE0})}};
    SItemDatabase items;
    auto picture = std::make_unique<SItemPicture>();
    picture->m_name.Set("bres_bread");
    items.Pictures().Add(std::move(picture));
    auto equipment = std::make_unique<SEquipPicture>();
    equipment->m_name.Set("base_eqbread");
    equipment->m_pictureName.Assign("bres_bread");
    items.Equipment().Add(std::move(equipment));
    auto bread = MakeItemType("base_bread", kItemComestible, 1, "Bread");
    bread->m_equipName.Assign("base_eqbread");
    bread->m_level = 1;
    items.AddItemType(std::move(bread));
    world.tables[SModuleTable::Items] = items.Write(world.version);
    ASSERT_TRUE(world.Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();

    StepCounter loading;
    loading.Start(8);
    game.LoadTablePictures(&loading);
    game.BuildTables(&loading);
    EXPECT_EQ(loading.Current(), 8u);
    const SItemType* type = game.m_items.FindItemType("base_bread");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->m_pictureSlot, game.m_cache.FindPicture("bres_bread")->slot);
    EXPECT_EQ(game.m_cache.SlotHeights()[type->m_pictureSlot], 3);
    EXPECT_EQ(game.m_items.CountOf(1, kItemComestible), 1);
}

TEST_F(GameTablesTest, aWorldsMonstersArriveWithTheirLootAndPicturesAndFaceControlsFindTheirBaseTypes) {
    TestWorldPackage world;
    world.version = 71;
    const std::vector<std::string> pictures = PictureNames("bres_bear", 1);
    for (const std::string& picture : pictures)
        world.pictures.push_back({picture.c_str(), PictureRecord(0, 1, 1, {0}, {0})});
    SItemDatabase items;
    items.AddItemType(MakeItemType("base_bread", kItemComestible, 1, "Bread"));
    world.tables[SModuleTable::Items] = items.Write(world.version);
    SMonsterTable monsters;
    auto bear = MakeBaseType("base_bear", 2, {});
    for (const std::string& picture : pictures) bear->m_pictureNames.Append(picture.c_str());
    bear->m_pictureGroup = 9;
    auto grizzly = MakeMonster("base_grizzly", bear.get());
    grizzly->m_loot.m_rules.Add(MakeLootRule("base_bread").release(), ListOrder::Appended);
    monsters.Add(std::move(bear));
    monsters.Add(std::move(grizzly));
    TestItemNames itemNames(items);
    world.tables[SModuleTable::Monsters] = MonsterRecords(monsters, world.version, itemNames);
    world.names[SNameIndex::ItemTypes] = {"base_bread"};
    world.names[SNameIndex::Monsters] = {"base_grizzly"};
    ASSERT_TRUE(world.Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();

    SMonster* monster = game.m_monsters.FindMonster("base_grizzly");
    ASSERT_NE(monster, nullptr);
    EXPECT_EQ(game.m_packages.Current()->MonsterIndex(), std::vector<SMonster*>({nullptr, monster}));
    ASSERT_EQ(monster->m_loot.m_rules.Count(), 1);
    EXPECT_STREQ(monster->m_loot.m_rules[0]->m_itemType.Text(), "base_bread");

    EXPECT_EQ(game.m_portraits, nullptr);
    StepCounter loading;
    loading.Start(8);
    game.LoadTablePictures(&loading);
    game.BuildTables(&loading);
    EXPECT_EQ(loading.Current(), 8u);
    const uint32_t slot = game.m_cache.FindPicture("bres_bear3")->slot;
    EXPECT_EQ(monster->m_baseType->PictureSlot(2), slot);
    EXPECT_EQ(game.m_cache.SlotFlags()[slot], 9);
    ASSERT_NE(game.m_portraits, nullptr);
    const std::optional<SBaseTypePictures> portraits = game.m_portraits->FindBaseType("base_bear");
    ASSERT_TRUE(portraits.has_value());
    EXPECT_EQ(portraits->kind, 2);
    ASSERT_EQ(portraits->pictures.size(), 7u);
    EXPECT_EQ(portraits->pictures[2], game.m_cache.FindPicture("bres_bear3"));
    EXPECT_FALSE(game.m_portraits->FindBaseType("base_grizzly").has_value());

    game.ClearTables();
    EXPECT_EQ(game.m_monsters.MonsterCount(), 0);
    EXPECT_EQ(game.m_monsters.BaseTypeCount(), 0);
    EXPECT_EQ(game.m_portraits, nullptr);
}

// The sample world's people: the world's topics read before the persons that name them, the face
// loaded with the tables and found by face controls, and all of it gone with the tables.
TEST_F(GameTablesTest, aWorldsPeopleTalkOfTheWorldsTopicsAndTheirFacesShow) {
    game.InitTables();
    TestWorldPackage world;
    AddSamplePeople(world);
    ASSERT_TRUE(world.Write(folder, "Brimvale"));
    ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();

    SNpcType* baker = game.m_npcTypes.Find("base_baker");
    ASSERT_NE(baker, nullptr);
    ASSERT_NE(baker->topics, nullptr);
    EXPECT_EQ(baker->topics->Topics()[1], game.m_dialogue.FindTopic("base_job"));
    FakeDialogWorld player;
    const std::optional<SDialogTopicEntry> greeting = baker->FindGreeting(player);
    ASSERT_TRUE(greeting.has_value());
    EXPECT_STREQ(greeting->answer->text.Text(), "Welcome, traveller!");
    player.baseAttributes[5] = 9;
    baker->UpdateShopOpen(player);
    EXPECT_EQ(baker->CollectTopics(player).size(), 1u) << "a closed shop names no prices";
    player.baseAttributes[5] = 10;
    baker->UpdateShopOpen(player);
    EXPECT_EQ(baker->CollectTopics(player).size(), 2u);

    game.LoadTablePictures(nullptr);
    EXPECT_NE(game.m_cache.FindPicture("bres_baker")->data, nullptr);
    game.BuildTables(nullptr);
    ASSERT_NE(game.m_portraits, nullptr);
    EXPECT_STREQ(game.m_portraits->FacePictureName("bres_baker"), "bres_baker");
    EXPECT_EQ(game.m_portraits->FacePictureName("base_baker"), nullptr);

    game.ClearTables();
    EXPECT_EQ(game.m_npcTypes.Count(), 0);
    EXPECT_EQ(game.m_faces.Count(), 0);
    EXPECT_TRUE(game.m_dialogue.Topics().empty());
    EXPECT_TRUE(game.m_dialogue.Greetings().empty());
}

}  // namespace

}  // namespace world_tables_test
