#include "data/package/module.h"

#include "data/package/module_records.h"
#include "engine/files/pdb_writer.h"
#include "support/map_fixture.h"
#include "support/module_fixture.h"
#include "support/package_builder.h"
#include "support/picture_record.h"

namespace module_test {

namespace {

// Stand-ins for the type tables' records: only their addresses are compared.
alignas(8) unsigned char fakeTypes[4];
SItemType* fakeItem() { return reinterpret_cast<SItemType*>(&fakeTypes[2]); }
SMonster* fakeMonster() { return reinterpret_cast<SMonster*>(&fakeTypes[3]); }

std::vector<uint8_t> blankPicture() { return PictureRecord(0, 1, 1, {0}, {0x1234}); }

using TableIds = std::vector<std::pair<std::string, uint16_t>>;

struct LoadOrderCase {
    const char* name;
    int version;
    TableIds tables;
    uint16_t mapsRecord;
};

class ModuleLoadOrderTest : public MapTest, public ::testing::WithParamInterface<LoadOrderCase> {};

// With no pictures and no map prefix, record 4000 is the empty picture index, 4001 the empty
// palette index, 4002 and 4003 stay unused and the tables start at 4004. The gaps in the ids show
// where the name-index records lie.
const LoadOrderCase kLoadOrders[] = {
    {"version72_namesBesideTheirTables",
     72,
     {{"the ability table", 4004},      {"the alchemy recipe table", 4005}, {"the disease table", 4006},
      {"the script globals", 4007},     {"the item database", 4008},        {"the map-object type table", 4012},
      {"the monster table", 4016},      {"the dialogue table", 4019},       {"the face table", 4020},
      {"the person type table", 4021},  {"the quest table", 4022},          {"the scene table", 4023},
      {"the sky table", 4024},          {"the named script table", 4025},   {"the sound and music table", 4026},
      {"the spell effect table", 4027}, {"the spell table", 4028},          {"the interior table", 4029},
      {"the race table", 4030},         {"the skill table", 4031},          {"the attribute table", 4032}},
     4033},
    {"version71_namesAfterTheLastTable",
     71,
     {{"the ability table", 4004},      {"the alchemy recipe table", 4005}, {"the disease table", 4006},
      {"the script globals", 4007},     {"the item database", 4008},        {"the map-object type table", 4012},
      {"the monster table", 4013},      {"the dialogue table", 4015},       {"the face table", 4016},
      {"the person type table", 4017},  {"the quest table", 4018},          {"the scene table", 4019},
      {"the sky table", 4020},          {"the named script table", 4021},   {"the sound and music table", 4022},
      {"the spell effect table", 4023}, {"the spell table", 4024},          {"the interior table", 4025},
      {"the race table", 4026},         {"the skill table", 4027},          {"the attribute table", 4028}},
     4033},
};

TEST_P(ModuleLoadOrderTest, tablesAndNameIndexesFollowInTheirOrder) {
    RecordTables();
    SMapObjectType* wall = AddType(5, "base_wall");
    SMapObjectType* water = AddType(1, "base_water");
    std::vector<std::string> asked;
    context.findItemType = [&](const char* name) {
        asked.push_back(std::string("D:") + name);
        return fakeItem();
    };
    context.findMonster = [&](const char* name) {
        asked.push_back(std::string("E:") + name);
        return fakeMonster();
    };
    TestWorldPackage package;
    package.version = GetParam().version;
    package.palettes = {{"base_pal", std::vector<uint8_t>(32, 0)}};
    package.names = {{SNameIndex::MapObjectTypes, {"base_wall", "base_gone"}},
                     {SNameIndex::ItemTypes, {"base_sword"}},
                     {SNameIndex::Monsters, {"base_rat"}},
                     {SNameIndex::Palettes, {"base_pal", "base_nopal"}}};
    package.maps = {{"base_s0101", "Harbour"}};
    // The palette index now holds one entry: every table id moves on by one.
    SModule* module = OpenPackage(package);
    ASSERT_NE(module, nullptr) << modules.Error().Message();

    TableIds expected = GetParam().tables;
    for (auto& table : expected) ++table.second;
    EXPECT_EQ(tableLog, expected);
    // Each index was read from its own record: a shifted order would look names up in the wrong table.
    EXPECT_EQ(asked, (std::vector<std::string>{"D:base_sword", "E:base_rat"}));
    EXPECT_EQ(module->MapObjectTypeIndex(), (std::vector<SMapObjectType*>{nullptr, wall, nullptr}));
    EXPECT_EQ(module->DefaultFloorType(), water);
    EXPECT_EQ(module->ItemTypeIndex(), (std::vector<SItemType*>{nullptr, fakeItem()}));
    EXPECT_EQ(module->MonsterIndex(), (std::vector<SMonster*>{nullptr, fakeMonster()}));
    EXPECT_EQ(module->PaletteIndex(), (std::vector<SPaletteEntry*>{nullptr, cache.FindPalette("base_pal"), nullptr}));
    ASSERT_EQ(module->Maps().Count(), 1);
    EXPECT_EQ(module->Maps()[0]->CellsRecord(), GetParam().mapsRecord + 1 + 1);
}

INSTANTIATE_TEST_SUITE_P(DataVersions, ModuleLoadOrderTest, ::testing::ValuesIn(kLoadOrders),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleTest, theHeaderIsReadIntoTheModule) {
    TestWorldPackage package;
    package.version = 96;
    package.headerValue = 0x01020304;
    package.flagA = 0;
    package.flagB = 7;
    package.name = "Brim Vale";
    package.identifier = "base";
    package.text = "The vale and its towns";
    package.valueA = 300;
    package.valueB = 12;
    SModule* module = OpenPackage(package);
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    const SModuleHeader& header = module->Header();
    EXPECT_EQ(header.value, 0x01020304u);
    EXPECT_EQ(module->DataVersion(), 96);
    EXPECT_EQ(header.flagA, 0);
    EXPECT_EQ(header.flagB, 7);
    EXPECT_STREQ(header.name.Text(), "Brim Vale");
    EXPECT_STREQ(module->Identifier().Text(), "base");
    EXPECT_STREQ(module->NamePrefix().Text(), "base_");
    EXPECT_EQ(module->PrefixHash(), HashName5("base_"));
    EXPECT_STREQ(header.text.Text(), "The vale and its towns");
    EXPECT_EQ(header.valueA, 300);
    EXPECT_EQ(header.valueB, 12);
    EXPECT_EQ(module->PackagePicture(), nullptr);
    EXPECT_EQ(module->File()->Header().creator[0], 'B');
}

TEST_F(ModuleTest, aMapPrefixBringsThePackagePictureInTheTwoIdsAfterThePalettes) {
    RecordTables();
    TestWorldPackage package;
    package.pictures = {{"base_wall", blankPicture()}, {"base_door", blankPicture()}};
    package.palettes = {{"base_pal", std::vector<uint8_t>(8, 0)}};
    package.mapPrefix = "base_s";
    package.packagePicture = PictureRecord(0, 2, 1, {0, 1}, {0x1111, 0x2222});
    SModule* module = OpenPackage(package);
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    // 4000 picture index, 4001-4002 pictures, 4003 palette index, 4004 palette, 4005 'L', 4006 picture.
    ASSERT_NE(module->PackagePicture(), nullptr);
    EXPECT_EQ(module->PackagePicture()->recordId, 4006);
    EXPECT_EQ(module->PackagePicture()->size, 4 + package.packagePicture.size());
    int width = 0, height = 0;
    SResourceCache::PictureSize(*module->PackagePicture(), width, height);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 1);
    ASSERT_FALSE(tableLog.empty());
    EXPECT_EQ(tableLog[0].second, 4007);
}

TEST_F(MapTest, mapsKeepFileOrderAndEachReadsItsLevelDataFromItsOwnRecords) {
    AddType(1, "base_sign");
    TestWorldPackage package;
    package.mapPrefix = "base_s";
    package.maps = {{"base_s0202", "Crossing", "object 1 base_sign text-a=crossing"},
                    {"base_s0101", "Harbour", "object 1 base_sign text-a=harbour"},
                    {"base_cave", "Old Cave", "object 2 base_sign text-a=cave"}};
    SModule* module = OpenPackage(package);
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    ASSERT_EQ(module->Maps().Count(), 3);
    EXPECT_STREQ(module->Maps()[1]->Title().Text(), "Harbour");
    EXPECT_EQ(module->FindMap("base_cave"), module->Maps()[2]);
    EXPECT_EQ(module->FindMap("base_s0303"), nullptr);
    // The maps record is record 4033; each map's data starts five ids after the one before.
    const std::vector<std::pair<uint16_t, const char*>> expected = {{4034, "crossing"},
                                                                    {4039, "harbour"},
                                                                    {4044, "cave"}};
    for (int i = 0; i < 3; ++i) {
        const SMap& map = *module->Maps()[i];
        EXPECT_EQ(map.CellsRecord(), expected[size_t(i)].first);
        ASSERT_EQ(map.Objects().Count(), 1);
        EXPECT_STREQ(map.Objects()[0]->textA.Text(), expected[size_t(i)].second);
    }
}

TEST_F(MapTest, theDefaultFloorIsTheNamedTypeOrElseWaterAndThePaletteComesFromTheCache) {
    SMapObjectType* water = AddType(1, "base_water");
    SMapObjectType* grass = AddType(1, "base_grass");
    TestWorldPackage package;
    package.palettes = {{"base_dusk", std::vector<uint8_t>(8, 0)}};
    package.names = {{SNameIndex::MapObjectTypes, {"base_sand", "base_grass"}}, {SNameIndex::Palettes, {"base_dusk"}}};
    struct Case {
        uint16_t floor, palette;
        SMapObjectType* floorType;
        bool hasPalette;
    };
    for (const Case& c : {Case{0, 0, water, false}, Case{2, 1, grass, true}, Case{1, 0, water, false}}) {
        SCOPED_TRACE(c.floor);
        modules.Clear();
        cache.Clear();
        cache.Init();
        package.floorIndex = c.floor;
        package.paletteIndex = c.palette;
        SModule* module = OpenPackage(package);
        ASSERT_NE(module, nullptr) << modules.Error().Message();
        EXPECT_EQ(module->DefaultFloorType(), c.floorType);
        EXPECT_EQ(module->DefaultPalette(), c.hasPalette ? cache.FindPalette("base_dusk") : nullptr);
    }
}

// Maps on a grid: the prefix base_s and sections (3, 3), (4, 3), (3, 2) and (0, 3).
class ModuleGridTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        TestWorldPackage package;
        package.mapPrefix = "base_s";
        package.maps = {
            {"base_s0303", ""}, {"base_s0403", ""}, {"base_s0302", ""}, {"base_s0003", ""}, {"base_cave", ""}};
        module = OpenPackage(package);
        ASSERT_NE(module, nullptr) << modules.Error().Message();
        module->SetCurrentMap(module->FindMap("base_s0303"));
    }
    SModule* module = nullptr;
};

TEST_F(ModuleGridTest, neighboursAreFoundByTheirGridNumbers) {
    struct Case {
        int dx, dy;
        const char* expected;
    };
    for (const Case& c : {Case{1, 0, "base_s0403"}, Case{0, -1, "base_s0302"}, Case{-3, 0, "base_s0003"},
                          Case{-4, 0, nullptr}, Case{0, -4, nullptr}, Case{1, 1, nullptr}, Case{0, 0, "base_s0303"}}) {
        SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
        SMap* found = module->FindNeighbourMap(c.dx, c.dy);
        EXPECT_EQ(found, c.expected ? module->FindMap(c.expected) : nullptr);
    }
    EXPECT_EQ(module->FindMapAt(4, 3), module->FindMap("base_s0403"));
}

TEST_F(ModuleGridTest, aMapNameWithoutGridNumbersHasNoNeighboursAndNoPosition) {
    SMap* cave = module->FindMap("base_cave");
    int x = -1, y = -1;
    EXPECT_FALSE(module->ParseMapCoords(*cave, x, y));
    module->SetCurrentMap(cave);
    EXPECT_EQ(module->FindNeighbourMap(1, 0), nullptr);
    ASSERT_TRUE(module->SetPosition(*module->FindMap("base_s0303"), 7, 7, 2));
    EXPECT_FALSE(module->SetPosition(*cave, 10, 10, 3));
    EXPECT_EQ(module->WorldX(), 42);
    EXPECT_EQ(module->Facing(), 2);
}

TEST_F(ModuleGridTest, positionsCountFromTheGridAndLeadBackToTheirSection) {
    struct Case {
        const char* map;
        int localX, localY;
        int worldX, worldY;
        const char* positionMap;
    };
    // A section's cells lie 7 .. 27 in the play screen's grid; cells outside belong to neighbours.
    for (const Case& c :
         {Case{"base_s0303", 7, 7, 42, 42, "base_s0303"}, Case{"base_s0303", 27, 27, 62, 62, "base_s0303"},
          Case{"base_s0303", 6, 7, 41, 42, nullptr}, Case{"base_s0303", 28, 7, 63, 42, "base_s0403"},
          Case{"base_s0003", 7, 7, -21, 42, "base_s0003"}}) {
        SCOPED_TRACE(std::string(c.map) + " " + std::to_string(c.localX));
        ASSERT_TRUE(module->SetPosition(*module->FindMap(c.map), c.localX, c.localY, 1));
        EXPECT_EQ(module->WorldX(), c.worldX);
        EXPECT_EQ(module->WorldY(), c.worldY);
        int x = 0, y = 0;
        SMap* found = module->FindPositionMap(x, y);
        EXPECT_EQ(found, c.positionMap ? module->FindMap(c.positionMap) : nullptr);
    }
}

struct DamageCase {
    const char* name;
    void (*damage)(TestWorldPackage&);
    const char* message;  // a part of the error
};

class ModuleDamageTest : public ModuleTest, public ::testing::WithParamInterface<DamageCase> {};

// The damaged packages have one picture and a map prefix, so their tables start at 4005 and their
// maps record is 4034.
const DamageCase kDamage[] = {
    {"wrongCreator", [](TestWorldPackage& p) { p.creator = "Othr"; }, "creator is not \"BrVa\""},
    // Records read back with the container's trailer and padding (zeros up to the next multiple of
    // four), so the cuts lie beyond those.
    {"truncatedTableRecord", [](TestWorldPackage& p) { p.tables[SModuleTable::Sounds] = {{','}}; },
     "Brimvale.pdb: record 4027 (the sound and music table) at byte 4: cut short"},
    {"tableWithEntriesThisBuildCannotRead",
     [](TestWorldPackage& p) {
         p.tables[SModuleTable::Quests] = {{8, 0, 2, 0}};
     },
     "record 4023 (the quest table): lists 2 entries"},
    {"nameIndexCutShort",
     [](TestWorldPackage& p) {
         p.tables[SModuleTable::MapObjectTypes] = {{25, 0, 0, 0, 0, 0}, {'C', 0, 9, 0}};
     },
     "record 4014 (the map-object type names) at byte 8: cut short"},
    {"floorBeyondTheTypeNames", [](TestWorldPackage& p) { p.floorIndex = 3; },
     "record 4034 (the maps record): the default floor is map-object type name 3 of 1"},
    {"paletteBeyondThePaletteNames", [](TestWorldPackage& p) { p.paletteIndex = 1; },
     "record 4034 (the maps record): the default palette is palette name 1 of 0"},
    // The byte counts from the record's start, the four bytes before the picture included.
    {"packagePictureDamaged", [](TestWorldPackage& p) { p.packagePicture = {0, 0, 40, 0, 40, 0, 0, 0}; },
     "record 4004 (the package picture) at byte 1612: picture texels of 40x40 reach past the end of the record"},
};

// Every damaged package carries pictures, so that a refused one shows it left none in the cache.
TEST_P(ModuleDamageTest, aDamagedPackageIsRefusedWithAMessageAndLeavesNothingBehind) {
    TestWorldPackage package;
    package.pictures = {{"base_wall", blankPicture()}};
    package.mapPrefix = "base_s";
    package.names = {{SNameIndex::MapObjectTypes, {"base_wall"}}};
    GetParam().damage(package);
    ASSERT_TRUE(package.Write(folder, "Brimvale"));
    EXPECT_FALSE(modules.Open("Brimvale"));
    EXPECT_NE(modules.Error().Message().find(GetParam().message), std::string::npos) << modules.Error().Message();
    EXPECT_EQ(modules.Count(), 0);
    EXPECT_EQ(modules.Current(), nullptr);
    EXPECT_EQ(cache.PictureCount(), 1);
    EXPECT_EQ(cache.KeptIndexRecords(), 0u);
}

TEST_F(ModuleTest, aRefusedPackageLeavesTheOnesOpenedBeforeItAsTheyWere) {
    TestWorldPackage good;
    good.identifier = "bres";
    good.pictures = {{"bres_wall", blankPicture()}};
    good.palettes = {{"bres_pal", std::vector<uint8_t>(8, 0)}};
    SModule* opened = OpenPackage(good, "BrimvaleRes");
    ASSERT_NE(opened, nullptr) << modules.Error().Message();
    TestWorldPackage damaged;
    damaged.pictures = {{"base_door", blankPicture()}};
    damaged.palettes = {{"base_pal", std::vector<uint8_t>(8, 0)}};
    damaged.tables[SModuleTable::Skies] = {{'B', 0, 1, 0}};
    EXPECT_EQ(OpenPackage(damaged), nullptr);
    EXPECT_EQ(modules.Count(), 1);
    EXPECT_EQ(modules.Current(), opened);
    EXPECT_NE(cache.FindPicture("bres_wall"), nullptr);
    EXPECT_NE(cache.FindPalette("bres_pal"), nullptr);
    EXPECT_EQ(cache.FindPicture("base_door"), nullptr);
    EXPECT_EQ(cache.FindPalette("base_pal"), nullptr);
    EXPECT_EQ(cache.KeptIndexRecords(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Packages, ModuleDamageTest, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleTest, aPackageThatEndsEarlyNamesTheRecordItLacks) {
    ASSERT_TRUE(WriteTestPackage(folder, "Short", {{3999, {1, 2}}}));
    SArchive archive;
    archive.OpenWrite();
    SModuleHeader header;
    header.Serialize(archive);
    SPdbWriter writer;
    writer.Attach(folder);
    writer.SetTypeAndCreator("DATA", kPackageCreator);
    writer.AddRecordFromArchive(kModuleHeaderRecord, archive);
    ASSERT_TRUE(writer.Write("NoIndex"));
    uint16_t id = kModuleFirstIndexRecord;
    WriteResourceIndex(writer, id, {}, {});
    ASSERT_TRUE(writer.Write("NoTables"));

    const char* cases[][2] = {{"Short", "Short.pdb: record 3999 (the header) at byte 4: cut short"},
                              {"NoIndex", "NoIndex.pdb: record 4000 (the picture index): missing"},
                              {"NoTables", "NoTables.pdb: record 4004 (the ability table): missing"}};
    for (const auto& c : cases) {
        EXPECT_FALSE(modules.Open(c[0]));
        EXPECT_EQ(modules.Error().Message(), PathOf(c[1]));
    }
}

TEST_F(ModuleTest, aMissingFileIsNamedWithItsFolder) {
    EXPECT_FALSE(modules.Open("Brimvale"));
    EXPECT_NE(modules.Error().Message().find(PathOf("Brimvale.pdb")), std::string::npos) << modules.Error().Message();
    EXPECT_EQ(modules.Count(), 0);
}

}  // namespace

}  // namespace module_test
