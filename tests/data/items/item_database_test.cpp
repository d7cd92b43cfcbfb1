// The item database fed from packages through its loader: the four chunks at every layout, the
// lists loot and merchants draw from, and the pictures the types show.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/base/random.h"
#include "support/item_records.h"
#include "support/picture_record.h"
#include "support/table_fixture.h"

namespace item_database_test {

namespace {

// An inventory picture, a sprite and an equipment record that link the long sword to them, and
// two more types.
void fillWorld(SItemDatabase& items) {
    auto picture = std::make_unique<SItemPicture>();
    picture->m_name.Set("bres_sword");
    picture->m_paletteNames.Append("bres_steelpal");
    items.Pictures().Add(std::move(picture));
    auto flagged = std::make_unique<SItemPicture>();
    flagged->m_name.Set("bres_flagged");
    flagged->m_flag = 1;
    items.Pictures().Add(std::move(flagged));
    auto sprite = std::make_unique<SFpsItem>();
    sprite->m_name.Set("base_fpssword");
    sprite->m_frameNames.Append("bres_sword1");
    sprite->m_frameNames.Append("bres_gone");
    sprite->m_soundName.Assign("bsnd_swish");
    items.Sprites().Add(std::move(sprite));
    auto equipment = std::make_unique<SEquipPicture>();
    equipment->m_name.Set("base_eqsword");
    equipment->m_pictureName.Assign("bres_sword");
    equipment->m_spriteName.Assign("base_fpssword");
    items.Equipment().Add(std::move(equipment));

    auto sword = MakeItemType("base_longsword", kItemWeapon, kWeaponLongSword, "Long sword");
    sword->m_equipName.Assign("base_eqsword");
    sword->m_level = 2;
    items.AddItemType(std::move(sword));
    auto potion = MakeItemType("base_healing", kItemPotion, 1, "Healing");
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(kEffectRestoreHp, 20, 0, "", kSourceOnUse));
    potion->m_effects = EffectListOf(std::move(effects));
    items.AddItemType(std::move(potion));
    auto key = MakeItemType("base_cellarkey", kItemKey, 1, "Cellar key");
    key->m_equipName.Assign("base_nothing");
    items.AddItemType(std::move(key));
}

class ItemDatabaseTest : public TablesTest {
protected:
    SModule* openItems(const SRecordList& records, int version = 114, const char* fileName = "Brimvale") {
        TestWorldPackage package;
        package.version = version;
        package.tables[SModuleTable::Items] = records;
        package.names[SNameIndex::ItemTypes] = {"base_healing", "base_unknown", "base_longsword"};
        return OpenPackage(package, fileName);
    }
};

TEST_F(ItemDatabaseTest, everyLayoutBringsAllFourChunksAndTheNameIndexFindsTheTypes) {
    struct Layout {
        int version;
        size_t records;  // the four chunks, from data version 48 plus one per type
    };
    for (Layout layout : {Layout{41, 4}, Layout{47, 4}, Layout{48, 7}, Layout{114, 7}}) {
        SCOPED_TRACE(layout.version);
        items.Clear();
        SItemDatabase written;
        fillWorld(written);
        const SRecordList records = written.Write(layout.version);
        EXPECT_EQ(records.size(), layout.records);
        const std::string fileName = "World" + std::to_string(layout.version);
        SModule* module = openItems(records, layout.version, fileName.c_str());
        ASSERT_NE(module, nullptr) << modules.Error().Message();

        ASSERT_EQ(items.ItemTypeCount(), 3);
        for (int i = 1; i < items.ItemTypeCount(); ++i)
            EXPECT_LE(items.ItemTypeAt(i - 1)->NameKey().Hash(), items.ItemTypeAt(i)->NameKey().Hash());
        const SItemType* sword = items.FindItemType("base_longsword");
        ASSERT_NE(sword, nullptr);
        EXPECT_STREQ(sword->m_displayName.Text(), "Long sword");
        const SItemType* potion = items.FindItemType("base_healing");
        ASSERT_NE(potion, nullptr);
        ASSERT_NE(potion->m_effects, nullptr);
        EXPECT_EQ(potion->m_effects->Get(0)->m_baseMagnitude, 20);
        EXPECT_EQ(items.FindItemType("base_Healing"), nullptr);
        EXPECT_EQ(items.FindItemType(nullptr), nullptr);

        ASSERT_NE(items.FindItemPicture("bres_flagged"), nullptr);
        EXPECT_EQ(items.FindItemPicture("bres_flagged")->m_flag, 1);
        const SFpsItem* sprite = items.FindFpsItem("base_fpssword");
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(sprite->m_frameNames.Count(), 2);
        const SEquipPicture* equipment = items.FindEquipPicture("base_eqsword");
        ASSERT_NE(equipment, nullptr);
        EXPECT_STREQ(equipment->m_spriteName.Text(), "base_fpssword");

        const std::vector<SItemType*> index = {nullptr, items.FindItemType("base_healing"), nullptr,
                                               items.FindItemType("base_longsword")};
        EXPECT_EQ(module->ItemTypeIndex(), index);
    }
}

TEST_F(ItemDatabaseTest, aSecondPackageAddsItsTypesAndNamesPalettesForTheFirstsPictures) {
    SItemDatabase first;
    fillWorld(first);
    ASSERT_NE(openItems(first.Write(114), 114, "First"), nullptr) << modules.Error().Message();

    SItemDatabase second;
    second.AddItemType(MakeItemType("w_ruby", kItemGem, 1, "Ruby"));
    SRecordList records = second.Write(114);
    // The item pictures' chunk: no pictures, and a palette part naming the first package's sword.
    records[0] = WrittenBytes([](SArchive& archive) {
        archive.SerializeTag(SItemPicture::kChunkTag);
        uint16_t count = 0;
        archive.SerializeU16(count);
        uint16_t entries = 1;
        archive.SerializeU16(entries);
        const char* name = "bres_sword";
        archive.SerializeCStr(name);
        SPaletteHolder names;
        names.m_paletteNames.Append("w_rubypal");
        names.SerializePaletteNames(archive, 114);
    });
    ASSERT_NE(openItems(records, 114, "Second"), nullptr) << modules.Error().Message();
    EXPECT_EQ(items.ItemTypeCount(), 4);
    EXPECT_NE(items.FindItemType("w_ruby"), nullptr);
    const SItemPicture* sword = items.FindItemPicture("bres_sword");
    ASSERT_EQ(sword->m_paletteNames.Count(), 2);
    EXPECT_STREQ(sword->m_paletteNames[1], "w_rubypal");
}

struct DatabaseDamage {
    const char* name;
    int version;
    std::function<void(SItemDatabase&, SRecordList&)> damage;
    const char* fault;
};

const DatabaseDamage kDatabaseDamage[] = {
    {"typeRecordCutShort", 114, [](SItemDatabase&, SRecordList& r) { r[5].resize(r[5].size() / 2); }, "cut short"},
    {"typeRecordMissing", 114, [](SItemDatabase&, SRecordList& r) { r.pop_back(); }, "record"},
    {"typeChunkCutShort", 47, [](SItemDatabase&, SRecordList& r) { r[3].resize(r[3].size() - 3); }, "cut short"},
    {"spriteChunkCutShort", 114, [](SItemDatabase&, SRecordList& r) { r[1].resize(r[1].size() / 2); }, "cut short"},
    {"unknownClass", 114,
     [](SItemDatabase& items, SRecordList& r) {
         items.AddItemType(MakeItemType("base_strange", 17));
         r = items.Write(114);
     },
     "\"base_strange\"): class 17 is not one of 0..16"},
    {"unknownClassInOneRecord", 47,
     [](SItemDatabase& items, SRecordList& r) {
         items.AddItemType(MakeItemType("base_strange", 17));
         r = items.Write(47);
     },
     "\"base_strange\"): class 17 is not one of 0..16"},
};

class DatabaseDamageTest : public ItemDatabaseTest, public ::testing::WithParamInterface<DatabaseDamage> {};

TEST_P(DatabaseDamageTest, aDamagedRecordAddsNothingOfItsPackage) {
    const DatabaseDamage& c = GetParam();
    SItemDatabase first;
    first.AddItemType(MakeItemType("w_ruby", kItemGem));
    ASSERT_NE(openItems(first.Write(114), 114, "First"), nullptr) << modules.Error().Message();

    SItemDatabase damaged;
    fillWorld(damaged);
    SRecordList records = damaged.Write(c.version);
    c.damage(damaged, records);
    EXPECT_EQ(openItems(records, c.version, "Damaged"), nullptr);
    const std::string message = modules.Error().Message();
    EXPECT_NE(message.find("(the item database)"), std::string::npos) << message;
    EXPECT_NE(message.find(c.fault), std::string::npos) << message;
    EXPECT_EQ(items.ItemTypeCount(), 1);
    EXPECT_EQ(items.FindItemPicture("bres_sword"), nullptr);
    EXPECT_EQ(items.FindFpsItem("base_fpssword"), nullptr);
    EXPECT_EQ(items.FindEquipPicture("base_eqsword"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Records, DatabaseDamageTest, ::testing::ValuesIn(kDatabaseDamage),
                         [](const auto& info) { return std::string(info.param.name); });

// A type of the class and level, entered stockWeight-wise.
std::unique_ptr<SItemType> stocked(const char* name, uint8_t itemClass, uint8_t level, uint8_t stockWeight) {
    auto type = MakeItemType(name, itemClass);
    type->m_level = level;
    type->m_stockWeight = stockWeight;
    return type;
}

TEST_F(ItemDatabaseTest, theListsHoldEachTypeOnceByLevelAndByStockWeightByLevelAndClass) {
    items.AddItemType(stocked("base_axe", kItemWeapon, 2, 3));
    items.AddItemType(stocked("base_club", kItemWeapon, 2, 1));
    items.AddItemType(stocked("base_salve", kItemPotion, 2, 1));
    items.AddItemType(stocked("base_relic", kItemMiscellaneous, 1, 0));
    items.AddItemType(stocked("base_crown", kItemAccessory, 0, 2));
    items.AddItemType(stocked("base_strange", kItemGem, 7, 1));
    items.BuildTables(cache);

    const SItemType* axe = items.FindItemType("base_axe");
    EXPECT_EQ(items.CountOf(2, kItemWeapon), 16);
    int axes = 0;
    for (int i = 0; i < items.CountOf(2, kItemWeapon); ++i) axes += items.TypeAt(2, kItemWeapon, i) == axe;
    EXPECT_EQ(axes, 15);
    EXPECT_EQ(items.CountOf(2, kItemPotion), 1);
    EXPECT_EQ(items.CountOf(1, kItemMiscellaneous), 0) << "stock weight 0 is never stocked";
    EXPECT_EQ(items.CountOf(0, kItemAccessory), 0);
    EXPECT_EQ(items.CountOf(7, kItemGem), 0) << "no level 7";
    EXPECT_EQ(items.CountOf(2, 17), 0);
    EXPECT_EQ(items.TypeAt(2, kItemWeapon, 16), nullptr);
    EXPECT_EQ(items.TypeAt(2, kItemWeapon, -1), nullptr);

    SRandom random;
    random.Seed(7);
    std::map<std::string, int> picks;
    for (int i = 0; i < 300; ++i) ++picks[items.RandomOfLevel(2, random)->NameKey().Text()];
    EXPECT_EQ(picks.size(), 3u) << "each type of level 2 once";
    EXPECT_GT(picks["base_club"], 60);
    EXPECT_GT(picks["base_axe"], 60);
    picks.clear();
    for (int i = 0; i < 320; ++i) ++picks[items.RandomOfClass(2, kItemWeapon, random)->NameKey().Text()];
    EXPECT_GT(picks["base_axe"], 10 * picks["base_club"]);
    EXPECT_GT(picks["base_club"], 0);
    EXPECT_NE(items.RandomOfLevel(1, random), nullptr);

    EXPECT_EQ(items.RandomOfLevel(0, random), nullptr);
    EXPECT_EQ(items.RandomOfLevel(3, random), nullptr);
    EXPECT_EQ(items.RandomOfLevel(7, random), nullptr);
    EXPECT_EQ(items.RandomOfClass(2, kItemNone, random), nullptr);
    EXPECT_EQ(items.RandomOfClass(2, kItemGem, random), nullptr);
    EXPECT_EQ(items.RandomOfClass(0, kItemAccessory, random), nullptr);

    // Building again starts the lists afresh.
    items.BuildTables(cache);
    EXPECT_EQ(items.CountOf(2, kItemWeapon), 16);
    items.Clear();
    EXPECT_EQ(items.ItemTypeCount(), 0);
    EXPECT_EQ(items.CountOf(2, kItemWeapon), 0);
    EXPECT_EQ(items.RandomOfLevel(2, random), nullptr);
}

TEST_F(ItemDatabaseTest, picturesLoadByNameAndResolveToSlotsOnceTheSlotsAreNumbered) {
    SItemDatabase written;
    fillWorld(written);
    TestWorldPackage package;
    package.pictures = {{"bres_flagged", PictureRecord(0, 1, 1, {0}, {0x0001})},
                        {"bres_sword1", PictureRecord(0, 2, 1, {0, 0}, {0xF800})},
                        {"bres_sword", PictureRecord(0, 3, 2, {0, 0, 0, 0, 0, 0}, {0x07E0})}};
    package.palettes = {{"bres_steelpal", std::vector<uint8_t>(8, 1)}};
    package.tables[SModuleTable::Items] = written.Write(package.version);
    ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();

    // As the game runs them: pictures first, then the slots, then the tables.
    EXPECT_FALSE(items.LoadPictures(cache)) << "the sprite's second frame is missing";
    cache.AssignSlots();
    items.BuildTables(cache);

    const SPictureEntry* swordPicture = cache.FindPicture("bres_sword");
    const SPictureEntry* frame = cache.FindPicture("bres_sword1");
    const SItemPicture* picture = items.FindItemPicture("bres_sword");
    EXPECT_EQ(picture->m_slot, swordPicture->slot);
    EXPECT_EQ(cache.SlotWidths()[picture->m_slot], 3);
    EXPECT_NE(cache.SlotData()[picture->m_slot], nullptr);
    EXPECT_NE(cache.FindPalette("bres_steelpal")->data, nullptr);
    EXPECT_EQ(items.FindFpsItem("base_fpssword")->m_frameSlots, std::vector<uint32_t>({frame->slot, 0}));
    EXPECT_EQ(cache.SlotWidths()[frame->slot], 2);
    // A flagged picture is not the resource of its name.
    EXPECT_EQ(items.FindItemPicture("bres_flagged")->m_slot, 0u);
    EXPECT_EQ(cache.FindPicture("bres_flagged")->data, nullptr);

    EXPECT_EQ(items.FindItemType("base_longsword")->m_pictureSlot, swordPicture->slot);
    EXPECT_EQ(items.FindItemType("base_cellarkey")->m_pictureSlot, 0u) << "its equipment record is unknown";
    EXPECT_EQ(items.FindItemType("base_healing")->m_pictureSlot, 0u) << "it names no equipment record";
}

}  // namespace

}  // namespace item_database_test
