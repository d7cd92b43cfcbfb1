#include <gtest/gtest.h>

#include <filesystem>

#include "engine/base/byte_order.h"
#include "game/saved_game_fixture.h"
#include "game/saved_screens.h"
#include "support/map_fixture.h"

namespace saved_game_test {

namespace {

// Record 3001 written out byte by byte: the count, the current package and map, and each package
// with zero bytes up to a whole word before its first id.
std::vector<uint8_t> PackageIndex(const char* current, const char* map,
                                  std::initializer_list<std::pair<const char*, uint32_t>> packages) {
    std::vector<uint8_t> index(4);
    WriteLE32(index.data(), uint32_t(packages.size()));
    const auto text = [&index](const char* t) { index.insert(index.end(), t, t + std::strlen(t) + 1); };
    text(current);
    text(map);
    for (auto [identifier, first] : packages) {
        text(identifier);
        index.resize((index.size() + 3) / 4 * 4 + 4);
        WriteLE32(&index[index.size() - 4], first);
    }
    return index;
}

std::vector<uint8_t> Head(const std::vector<uint8_t>& bytes, size_t n) {
    return {bytes.begin(), bytes.begin() + ptrdiff_t(std::min(n, bytes.size()))};
}

// A game under way on the world of the fixture, with something changed in every saved part.
class SaveLoadTest : public SavedGameTest {
protected:
    void SetUp() override {
        SavedGameTest::SetUp();
        SCharacterChoice choice;
        choice.name = "Ayla";
        choice.race = 3;
        choice.majorSkills = {1, 3, 5, 8, 13, 20};
        ASSERT_TRUE(StartGame(choice)) << error;
        SPlayer& player = game.m_player;
        player.ReceiveGold(250, false, false);
        player.AddTimedEffect(kFromSpell, game.m_spells.FindSpell("base_spellfeather"), 3, 40, 2, 1, nullptr);
        player.UpdateMarkSlots();
        cave = game.m_packages.FindMap("base_s0101");
        ASSERT_NE(cave, nullptr);
        player.SetMark(0, *game.m_packages.Current(), *cave, 2, 1, 3);
        game.m_packages.Current()->SetCurrentMap(cave);
        // A visited map keeps its creatures and containers in a save.
        cave->LoadCells(grid, 100);
        cave->FindObject(1)->state = 0x1234;
        cave->FindCreature(1)->hp = 5;
        SItemList* chest = cave->FindContainer(1);
        ASSERT_NE(chest, nullptr);
        chest->AddItems(*game.m_items.FindItemType("base_gem_amethyst"), 2, *game.m_random);
        cave->SetExplored(2, 1);
        game.m_globals.Find("base_bridgeopen")->m_value.SetNumber(7);
    }

    // What the tests compare before a save and after a load.
    struct Snapshot {
        std::string name;
        uint32_t gold;
        int items;
        std::string mainHand;
        bool knowsCure;
        int spellEffects;
        std::string markMap;
        uint16_t objectState;
        int16_t creatureHp;
        int chestItems;
        bool explored;
        int32_t global;
        std::string currentMap;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const {
        const SPlayer& player = game.m_player;
        const SMap* map = game.m_packages.FindMap("base_s0101");
        int spellEffects = 0;
        for (uint32_t type = 1; type < kPlayerEffectTypes; ++type)
            for (const SActiveEffect& effect : player.Effects().List(type)) spellEffects += effect.origin == kFromSpell;
        const SModule* current = game.m_packages.Current();
        return {player.Name().Text(),
                player.Gold(),
                player.ItemCount(),
                player.MainHandWeapon() ? player.MainHandWeapon()->m_type->m_name.Text() : "",
                player.KnowsSpellByName("base_spellcurelightwounds"),
                spellEffects,
                player.Mark(0) ? player.Mark(0)->mapName.Text() : "",
                map->FindObject(1)->state,
                map->FindCreature(1)->hp,
                map->FindContainer(1) ? map->FindContainer(1)->Count() : -1,
                map->IsExplored(2, 1),
                game.m_globals.Find("base_bridgeopen")->m_value.Number(),
                current && current->CurrentMap() ? current->CurrentMap()->Name() : ""};
    }

    SMap* cave = nullptr;
    TestGrid grid;
};

TEST_F(SaveLoadTest, aLoadRestoresThePlayerTheMapsTheGlobalsAndTheCurrentMap) {
    const Snapshot saved = Take();
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(game.m_saveNames.ItemTypes().Next(), 0) << "the tables are emptied after a save";

    ASSERT_TRUE(StartGame()) << error;
    ASSERT_NE(Take(), saved);
    game.m_gameRunning = true;
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(Take(), saved);
    EXPECT_EQ(steps.Current(), 18u);
    EXPECT_FALSE(game.m_gameRunning);
    EXPECT_EQ(game.m_saveNames.ItemTypes().Count(), 0);
    EXPECT_EQ(game.m_saveNames.Spells().Next(), 0);
}

TEST_F(SaveLoadTest, theHeaderAndThePackageIndexOfABaseWorldAreLaidOutByteForByte) {
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    const std::vector<uint8_t>& header = records[kSaveHeaderRecord];
    // The file rounds records up to whole words.
    ASSERT_GE(header.size(), 6u + 8000u + 9u + 1u);
    // Tags 2, 3, 0xFF, version 116, the thumbnail's 8000 bytes; the title after them, no date yet.
    EXPECT_EQ(std::vector<uint8_t>(header.begin(), header.begin() + 6),
              (std::vector<uint8_t>{2, 3, 0xFF, 116, 0x40, 0x1F}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&header[8006])), "The cave");
    EXPECT_EQ(header[8015], 0);

    // One listed package, the base world, from record 3010; its two maps at 3011 and 3012.
    const std::vector<uint8_t> index = {1,   0,   0,   0, 'b', 'a', 's', 'e', 0, 'b', 'a', 's', 'e',  '_',  's', '0',
                                        '1', '0', '1', 0, 'b', 'a', 's', 'e', 0, 0,   0,   0,   0xC2, 0x0B, 0,   0};
    EXPECT_EQ(Head(records[kSavePackagesRecord], index.size()), index);
    EXPECT_TRUE(records.count(3010) && records.count(3011) && records.count(3012));
    EXPECT_FALSE(records.count(3013));
}

TEST_F(SaveLoadTest, anAddOnWorldTakesItsFirstIdAfterTheBaseWorldsMaps) {
    TestWorldPackage addOn;
    addOn.identifier = "isle";
    addOn.mapPrefix = "isle_s";
    addOn.maps = {{"isle_s0101", "The isle", ""}};
    ASSERT_TRUE(addOn.Write(*game.m_fileFolder, "Isle"));
    ASSERT_TRUE(game.m_packages.Open("Isle"));
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    // The add-on opened last is the current world, on no map yet; its first id is 3010 + 1 + the
    // base world's two maps.
    const std::vector<uint8_t> index = PackageIndex("isle", "", {{"base", 3010}, {"isle", 3013}});
    EXPECT_EQ(Head(records[kSavePackagesRecord], index.size()), index);
    EXPECT_TRUE(records.count(3013) && records.count(3014));
}

TEST_F(SaveLoadTest, aHeaderWithoutItsTagsStillLoads) {
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    std::vector<uint8_t>& header = records[kSaveHeaderRecord];
    header.erase(header.begin(), header.begin() + 3);
    WriteSave(records);
    EXPECT_TRUE(Load()) << error;
    // The slot lists offer only what reads as a header.
    EXPECT_EQ(game.m_saveNames.ReadSaveSlotInfo(1), nullptr);
}

struct Damage {
    const char* name;
    std::function<void(std::map<uint16_t, std::vector<uint8_t>>&)> apply;
};

class DamagedSaveTest : public SaveLoadTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedSaveTest, isRefusedWithAMessageAndTheRunningGameStaysAsItWas) {
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    GetParam().apply(records);
    WriteSave(records);
    game.m_gameRunning = true;
    const Snapshot before = Take();
    const int packages = game.m_packages.Count();

    EXPECT_FALSE(Load());
    EXPECT_NE(error.find("BrimvaleSave1.pdb"), std::string::npos) << error;
    EXPECT_EQ(Take(), before);
    EXPECT_EQ(game.m_packages.Count(), packages);
    EXPECT_TRUE(game.m_gameRunning);
    EXPECT_EQ(game.m_saveNames.ItemTypes().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedSaveTest,
    ::testing::Values(
        Damage{"missingPlayer", [](auto& r) { r.erase(kSavePlayerRecord); }},
        Damage{"missingNameTables", [](auto& r) { r.erase(kSaveNamesRecord); }},
        Damage{"missingMapState", [](auto& r) { r.erase(3012); }},
        Damage{"unknownCurrentPackage",
               [](auto& r) {
                   r[kSavePackagesRecord] = PackageIndex("atlantis", "base_s0101", {{"base", 3010}});
               }},
        Damage{"playerCutShort", [](auto& r) { r[kSavePlayerRecord].resize(r[kSavePlayerRecord].size() / 2); }},
        Damage{"headerCutShort", [](auto& r) { r[kSaveHeaderRecord].resize(100); }},
        Damage{"newerVersion", [](auto& r) { r[kSaveHeaderRecord][3] = 117; }},
        // Name tables that hold only the empty names: the pack's items lie past their end.
        Damage{"indexesPastTheNameTables",
               [](auto& r) { r[kSaveNamesRecord] = {'U', 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0}; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveLoadTest, aSaveThatCannotBeWrittenFailsAndTheOldFileSurvives) {
    ASSERT_TRUE(Save()) << error;
    const std::string path = PathOf("BrimvaleSave1.pdb");
    const auto oldSize = std::filesystem::file_size(path);
    const auto oldTime = std::filesystem::last_write_time(path);
    game.m_player.ReceiveGold(1, false, false);
    // The folder is read-only; the temporary file's name is taken as well, since the tests may run
    // with the rights to write anywhere.
    std::filesystem::create_directory(path + ".new");
    std::filesystem::permissions(Folder(),
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(Save());
    std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_NE(error.find("BrimvaleSave1.pdb"), std::string::npos) << error;
    EXPECT_EQ(std::filesystem::file_size(path), oldSize);
    EXPECT_EQ(std::filesystem::last_write_time(path), oldTime);
    EXPECT_TRUE(Load()) << error;
}

TEST_F(SaveLoadTest, theSlotInfoShowsTheHeaderAndDeletingASlotAlwaysSucceeds) {
    ASSERT_TRUE(Save(2)) << error;
    std::unique_ptr<SSaveSlotInfo> info = game.m_saveNames.ReadSaveSlotInfo(2);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->version, 116);
    EXPECT_EQ(info->slot, 2u);
    EXPECT_EQ(info->mapTitle, "The cave");
    EXPECT_EQ(info->width, 80);
    EXPECT_EQ(info->height, 50);
    EXPECT_TRUE(game.m_saveNames.DeleteSaveSlot(2));
    EXPECT_FALSE(std::filesystem::exists(PathOf("BrimvaleSave2.pdb")));
    EXPECT_TRUE(game.m_saveNames.DeleteSaveSlot(2));
    EXPECT_EQ(game.m_saveNames.ReadSaveSlotInfo(2), nullptr);
}

struct BadSlot {
    const char* name;
    std::function<void(std::map<uint16_t, std::vector<uint8_t>>&, SPdbWriter&)> apply;
};

class BadSlotTest : public SaveLoadTest, public ::testing::WithParamInterface<BadSlot> {};

TEST_P(BadSlotTest, theSlotListOffersNothing) {
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    SPdbWriter writer;
    writer.Attach(*game.m_fileFolder);
    writer.InitSaveHeader("BrimvaleSave1");
    GetParam().apply(records, writer);
    for (const auto& [id, bytes] : records) writer.AddRecord(id, bytes.data(), uint32_t(bytes.size()));
    ASSERT_TRUE(writer.Write("BrimvaleSave1"));
    EXPECT_EQ(game.m_saveNames.ReadSaveSlotInfo(1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSlotTest,
    ::testing::Values(BadSlot{"wrongCreator", [](auto&, SPdbWriter& w) { w.SetTypeAndCreator("BrVS", "BrVa"); }},
                      BadSlot{"wrongType", [](auto&, SPdbWriter& w) { w.SetTypeAndCreator("DATA", "BrVS"); }},
                      BadSlot{"noHeader", [](auto& r, SPdbWriter&) { r.erase(kSaveHeaderRecord); }},
                      BadSlot{"thirdTagFE", [](auto& r, SPdbWriter&) { r[kSaveHeaderRecord][2] = 0xFE; }},
                      BadSlot{"thumbnailCutShort",
                              [](auto& r, SPdbWriter&) {
                                  // A block of 10 bytes, then the title and the date.
                                  r[kSaveHeaderRecord] = {2, 3, 0xFF, 116, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveLoadTest, aMissingSlotHasNoInfo) { EXPECT_EQ(game.m_saveNames.ReadSaveSlotInfo(4), nullptr); }

}  // namespace

namespace {

// The play and inventory screens' parts of a save as the screens will keep them: a word each, a
// thumbnail of one colour and a fixed date.
class RecordingSavedScreens : public SSavedPlayScreen, public SSavedInventory {
public:
    void ResetWorld() override { ++resets; }
    void LoadDoorAndDropResources() override { ++tableLookups; }
    void ViewThumbnail(std::span<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels) const override {
        std::fill(pixels.begin(), pixels.end(), uint16_t(0xF81F));
    }
    void FormatDayTime(SString& out) const override { out.Assign("Day 3, 7:05 pm"); }
    void SerializeForSave(SArchive& archive, int) override { serialize(archive, 'W', playWord); }
    bool SerializeForLoad(SArchive& archive, int) override { return serialize(archive, 'W', playWord); }
    bool CheckSaved(SArchive& archive, int, std::string&) const override {
        uint32_t word = 0;
        return serialize(archive, 'W', word);
    }
    void SerializeUiForSave(SArchive& archive, int) override { serialize(archive, 'X', journalPage); }
    bool SerializeUiForLoad(SArchive& archive, int) override { return serialize(archive, 'X', journalPage); }
    bool CheckUiRecord(SArchive& archive, int) const override {
        uint32_t page = 0;
        return serialize(archive, 'X', page);
    }

    int resets = 0;
    int tableLookups = 0;
    uint32_t playWord = 0;
    uint32_t journalPage = 0;

private:
    static bool serialize(SArchive& archive, uint8_t tag, uint32_t& value) {
        archive.SerializeTag(tag);
        archive.SerializeU32(value);
        return !archive.Failed();
    }
};

TEST_F(SaveLoadTest, thePlayAndInventoryScreensKeepTheirPartsAndTheSlotShowsTheirPictureAndDate) {
    RecordingSavedScreens screens;
    game.m_saveNames.SetPlayScreen(&screens);
    game.m_saveNames.SetInventory(&screens);
    screens.playWord = 0x01020304;
    screens.journalPage = 5;
    ASSERT_TRUE(Save()) << error;
    std::unique_ptr<SSaveSlotInfo> info = game.m_saveNames.ReadSaveSlotInfo(1);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dateText, "Day 3, 7:05 pm");
    EXPECT_EQ(info->thumbnail[0], 0xF81F);
    EXPECT_EQ(info->thumbnail[kSaveThumbWidth * kSaveThumbHeight - 1], 0xF81F);

    screens.playWord = 0;
    screens.journalPage = 0;
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(screens.resets, 1);
    EXPECT_EQ(screens.tableLookups, 1) << "after the tables of the load are built";
    EXPECT_EQ(screens.playWord, 0x01020304u);
    EXPECT_EQ(screens.journalPage, 5u);
    game.m_saveNames.SetPlayScreen(nullptr);
    game.m_saveNames.SetInventory(nullptr);
}

}  // namespace

}  // namespace saved_game_test
