#include <gtest/gtest.h>

#include "game/game_data.h"
#include "support/item_records.h"
#include "support/monster_records.h"
#include "support/record_bytes.h"
#include "support/spell_records.h"

namespace save_names_test {

namespace {

// A game object whose tables hold a few item types, monsters and spells, and its manager.
class SaveNamesTest : public ::testing::Test {
protected:
    SaveNamesTest() {
        names.Attach(&game);
        for (const char* name : {"base_sword", "base_xenchant", "base_enchant"})
            game.m_items.AddItemType(MakeItemType(name, kItemWeapon));
        game.m_monsters.Add(MakeMonster("base_rat", nullptr));
        game.m_spells.Add(MakeSpell("base_spellenchant", kSchoolMagicItems));
        game.m_spells.Add(MakeSpell("base_spellfeather", kSchoolEnvironment));
    }

    // A record of the three tables' names, index 0 first, as an older game wrote it.
    static std::vector<uint8_t> Record(std::vector<const char*> items, std::vector<const char*> spells) {
        std::vector<const char*> monsters{""};
        return WrittenBytes([&](SArchive& archive) {
            archive.SerializeTag('U');
            for (auto* table : {&items, &monsters, &spells}) {
                uint16_t count = uint16_t(table->size());
                archive.SerializeU16(count);
                for (const char* name : *table) archive.SerializeCStr(name);
            }
        });
    }

    // Reads the record into the manager; the bytes read.
    int Read(const std::vector<uint8_t>& bytes) {
        return ReadBytes(bytes, [&](SArchive& archive) { names.ReadNameTables(archive); });
    }

    SGameData game;
    SSaveNames& names = game.m_saveNames;
};

TEST_F(SaveNamesTest, internedNamesCountFromOneAfterTheResetAndRepeatTheirIndex) {
    names.Reset();
    const SItemType& sword = *game.m_items.FindItemType("base_sword");
    EXPECT_EQ(names.InternItemType(sword), 1);
    EXPECT_EQ(names.InternItemType("base_sword"), 1);
    EXPECT_EQ(names.InternItemType("base_gone"), 2);
    EXPECT_EQ(names.InternMonster(*game.m_monsters.FindMonster("base_rat")), 1);
    EXPECT_EQ(names.InternSpell(*game.m_spells.FindSpell("base_spellfeather")), 1);
    EXPECT_EQ(names.GetItemType(1), &sword);
    EXPECT_EQ(names.GetItemType(0), nullptr);
    EXPECT_EQ(names.GetItemType(2), nullptr) << "a name the data lacks stands for nothing";
    names.Clear();
    EXPECT_EQ(names.ItemTypes().Next(), 0);
    EXPECT_EQ(names.ItemTypes().Count(), 0);
}

TEST_F(SaveNamesTest, theRecordHoldsEachTablesCountAndNamesAndReadsBack) {
    names.Reset();
    names.InternItemType("base_sword");
    names.InternSpell(*game.m_spells.FindSpell("base_spellfeather"));
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& archive) { names.WriteNameTables(archive); });
    // 'U'; item types: pad, count 2, "", "base_sword"; monsters: count 1, ""; spells: pad, count 2,
    // "", "base_spellfeather".
    std::vector<uint8_t> expected = {'U', 0, 2, 0, 0};
    const auto text = [&expected](const char* t) { expected.insert(expected.end(), t, t + std::strlen(t) + 1); };
    text("base_sword");
    expected.insert(expected.end(), {1, 0, 0, 0, 2, 0, 0});
    text("base_spellfeather");
    EXPECT_EQ(bytes, expected);

    names.Clear();
    EXPECT_EQ(Read(bytes), int(bytes.size()));
    EXPECT_EQ(names.GetItemType(1), game.m_items.FindItemType("base_sword"));
    EXPECT_EQ(names.GetSpell(1), game.m_spells.FindSpell("base_spellfeather"));
    EXPECT_EQ(names.Monsters().Next(), 1);
}

struct Rename {
    const char* stored;
    const char* read;
};

class ItemTypeRenameTest : public SaveNamesTest, public ::testing::WithParamInterface<Rename> {};

TEST_P(ItemTypeRenameTest, olderEnchantingItemTypesReadUnderTheirPresentName) {
    const Rename& r = GetParam();
    ASSERT_GT(Read(Record({"", r.stored}, {""})), 0);
    EXPECT_STREQ(names.ItemTypes().NameAt(1), r.read);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemTypeRenameTest,
                         ::testing::Values(Rename{"base_xenchantweapon", "base_xenchant"},
                                           Rename{"base_xenchantarmor", "base_xenchant"},
                                           Rename{"enchantarmor", "enchant"}, Rename{"enchantweapon", "enchant"},
                                           // Case counts, and short names have nothing to drop.
                                           Rename{"base_ENCHANTARMOR", "base_ENCHANTARMOR"}, Rename{"armor", "armor"},
                                           Rename{"base_sword", "base_sword"}));

class SpellRenameTest : public SaveNamesTest, public ::testing::WithParamInterface<Rename> {};

TEST_P(SpellRenameTest, olderEnchantingSpellsReadAsTheOneEnchantingSpell) {
    const Rename& r = GetParam();
    ASSERT_GT(Read(Record({""}, {"", r.stored})), 0);
    EXPECT_STREQ(names.Spells().NameAt(1), r.read);
    if (std::strcmp(r.read, "base_spellenchant") == 0) {
        EXPECT_EQ(names.GetSpell(1), game.m_spells.FindSpell(r.read));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SpellRenameTest,
                         ::testing::Values(Rename{"base_spellenchantweapon", "base_spellenchant"},
                                           Rename{"base_spellenchantarmor", "base_spellenchant"},
                                           Rename{"my_spellenchantarmor", "my_spellenchantarmor"}));

TEST_F(SaveNamesTest, aCountLargerThanTheRecordFailsTheReadInsteadOfGrowingTheTable) {
    const std::vector<uint8_t> bytes = {'U', 0, 0xFF, 0xFF, 0};
    EXPECT_EQ(Read(bytes), -1);
    EXPECT_LE(names.ItemTypes().Count(), 1);
}

}  // namespace

}  // namespace save_names_test
