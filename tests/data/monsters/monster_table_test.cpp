#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/monster_records.h"
#include "support/picture_record.h"
#include "support/table_fixture.h"

namespace monster_table_test {

namespace {

// The world tables with the monster table hooked in as the game hooks it: monsters found through
// the 'E' names, loot resolved once the package's last table is read.
class MonsterTableTest : public TablesTest {
protected:
    MonsterTableTest() {
        context.tables[int(SModuleTable::Monsters)] = [this](SRecordCursor& cursor) { return monsters.Load(cursor); };
        context.findMonster = [this](const char* name) { return monsters.FindMonster(name); };
        context.afterTables = [this](const SModule& module) { monsters.ResolveLoot(module.ItemTypeIndex()); };
    }

    // A package of this version with `written`'s monsters, `itemTypes`' items and these pictures and
    // palettes; the module or null.
    SModule* openMonsters(SMonsterTable& written, int version, SItemDatabase* itemTypes = nullptr,
                          std::vector<std::string> monsterNames = {}, std::vector<SNamedResource> pictures = {},
                          std::vector<SNamedResource> palettes = {}) {
        TestWorldPackage package;
        package.version = version;
        package.pictures = std::move(pictures);
        package.palettes = std::move(palettes);
        SItemDatabase none;
        TestItemNames itemNames(itemTypes ? *itemTypes : none);
        package.tables[SModuleTable::Monsters] = MonsterRecords(written, version, itemNames);
        if (itemTypes) package.tables[SModuleTable::Items] = itemTypes->Write(version);
        package.names[SNameIndex::ItemTypes].assign(itemNames.names.begin() + 1, itemNames.names.end());
        package.names[SNameIndex::Monsters] = std::move(monsterNames);
        return OpenPackage(package);
    }

    SMonsterTable monsters;
};

// Every field of both records set away from its default, written at a data version and read back:
// each field holds what was written from the version that brought it, and its default before.
TEST_F(MonsterTableTest, everyFieldRoundTripsFromTheVersionThatBroughtIt) {
    const std::vector<std::string> pictures = PictureNames("bres_ogre", 1);
    for (int v : {15, 16, 20, 21, 22, 41, 42, 44, 45, 46, 78, 79, 80, 87, 88, 93, 94, 95, 96, 97, 104, 105, 114}) {
        SCOPED_TRACE(v);
        SMonsterTable written;
        auto ogre = MakeBaseType("base_ogre", 3, {}, {"bres_ogregreen", "bres_ogrered"});
        for (const std::string& picture : pictures) ogre->m_pictureNames.Append(picture.c_str());
        ogre->m_texts[0] = "big";
        ogre->m_texts[1] = "slow";
        ogre->m_paralysedPalette = "bres_ogrestone";
        ogre->m_sounds[0] = "base_grunt";
        ogre->m_sounds[1] = "base_roar";
        ogre->m_sounds[2] = "base_sigh";
        ogre->m_creatureSound = "base_thud";
        ogre->m_stats = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        ogre->m_pictureGroup = 5;
        ogre->m_size = 3;
        ogre->m_copied[0] = 11;
        ogre->m_copied[1] = 12;
        ogre->m_attackKind = 2;
        ogre->m_missile = "base_rock";
        SMonsterBaseType* base = ogre.get();
        written.Add(std::move(ogre));
        auto brute = MakeMonster("base_brute", base);
        brute->m_displayName.Assign("Brute");
        brute->m_paletteName.Assign("bres_ogrered");
        brute->m_talkText.Assign("Go away.");
        brute->m_effects.Add(ItemEffect(kEffectFortifyAttribute, 5, 1));
        brute->m_loot.m_rules.Add(MakeLootRule("", 3).release(), ListOrder::Appended);
        brute->m_stats = {21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
        brute->m_kind = 3;
        brute->m_level = 7;
        brute->m_flags = 4;
        brute->m_attackKind = 4;
        brute->m_missilePalette.Assign("bres_rockgrey");
        brute->m_perception = 40;
        brute->m_copied[0] = 13;
        brute->m_copied[1] = 14;
        written.Add(std::move(brute));
        monsters.Clear();

        ASSERT_NE(openMonsters(written, v), nullptr) << modules.Error().Message();
        const SMonsterBaseType* type = monsters.FindBaseType("base_ogre");
        ASSERT_NE(type, nullptr);
        EXPECT_STREQ(type->m_texts[1], "slow");
        ASSERT_EQ(type->m_pictureNames.Count(), 7);
        EXPECT_STREQ(type->m_pictureNames[6], "bres_ogre7");
        EXPECT_STREQ(type->m_paralysedPalette, v > 15 ? "bres_ogrestone" : nullptr);
        EXPECT_STREQ(type->m_sounds[1], v > 21 ? "base_roar" : nullptr);
        EXPECT_STREQ(type->m_sounds[2], v > 104 ? "base_sigh" : nullptr);
        EXPECT_STREQ(type->m_creatureSound, v > 21 ? "base_thud" : nullptr);
        EXPECT_EQ(type->m_stats, SMonsterStats({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(type->m_kind, 3);
        EXPECT_EQ(type->m_pictureGroup, v > 44 ? 5 : 0);
        EXPECT_EQ(type->m_size, v > 45 ? 3 : 1);
        EXPECT_EQ(type->m_copied[0], v > 94 ? 11 : 0);
        EXPECT_EQ(type->m_copied[1], v > 96 ? 12 : 0);
        ASSERT_EQ(type->m_paletteNames.Count(), 2);
        EXPECT_STREQ(type->m_paletteNames[1], "bres_ogrered");
        EXPECT_EQ(type->m_attackKind, v >= 79 ? 2 : 1);
        EXPECT_STREQ(type->m_missile, v >= 80 ? "base_rock" : nullptr);

        const SMonster* monster = monsters.FindMonster("base_brute");
        ASSERT_NE(monster, nullptr);
        EXPECT_EQ(monster->m_baseType, type);
        EXPECT_STREQ(monster->m_displayName.Text(), "Brute");
        EXPECT_STREQ(monster->m_paletteName.Text(), "bres_ogrered");
        EXPECT_STREQ(monster->m_talkText.Text(), v > 20 ? "Go away." : "");
        ASSERT_EQ(monster->m_effects.Count(), 1);
        EXPECT_EQ(monster->m_effects.Get(0)->m_baseMagnitude, 5);
        ASSERT_EQ(monster->m_loot.m_rules.Count(), 1);
        EXPECT_EQ(monster->m_loot.m_rules[0]->m_level, 3);
        EXPECT_EQ(monster->m_stats, SMonsterStats({21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
        EXPECT_EQ(monster->m_level, 7);
        EXPECT_EQ(monster->m_flags, 4);
        EXPECT_EQ(monster->m_attackKind, v > 78 ? 4 : 1);
        EXPECT_STREQ(monster->m_missilePalette.Text(), v > 79 ? "bres_rockgrey" : "");
        EXPECT_EQ(monster->m_perception, v > 87 ? 40 : 0);
        EXPECT_EQ(monster->m_copied[0], v > 95 ? 13 : 0);
        EXPECT_EQ(monster->m_copied[1], v > 96 ? 14 : 0);
    }
}

// Every use of a base type's pictures takes ten for people and seven for the rest, so a record
// whose count says otherwise would be read past its list's end later.
TEST_F(MonsterTableTest, aBaseTypesPictureCountMustMatchItsKind) {
    struct Case {
        uint8_t kind;
        uint8_t pictureKind;  // the kind whose count the record carries
        bool accepted;
    };
    for (Case c : {Case{4, 4, true}, Case{1, 1, true}, Case{3, 3, true}, Case{4, 1, false}, Case{1, 4, false}}) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " with " << int(c.pictureKind));
        const std::vector<std::string> pictures = PictureNames("bres_thing", c.pictureKind);
        SMonsterTable written;
        auto type = MakeBaseType("base_thing", c.kind, {});
        for (const std::string& picture : pictures) type->m_pictureNames.Append(picture.c_str());
        SMonsterBaseType* base = type.get();
        written.Add(std::move(type));
        written.Add(MakeMonster("base_thingy", base));
        monsters.Clear();

        EXPECT_EQ(openMonsters(written, 114) != nullptr, c.accepted);
        if (c.accepted) {
            ASSERT_NE(monsters.FindBaseType("base_thing"), nullptr);
            EXPECT_EQ(monsters.FindBaseType("base_thing")->m_pictureNames.Count(), int(pictures.size()));
            continue;
        }
        EXPECT_NE(modules.Error().Message().find("monster"), std::string::npos) << modules.Error().Message();
        EXPECT_NE(modules.Error().Message().find("pictures"), std::string::npos) << modules.Error().Message();
        EXPECT_EQ(monsters.BaseTypeCount(), 0);
        EXPECT_EQ(monsters.MonsterCount(), 0);
    }
}

// The base types are read before the monsters that name them, but join the table only with them.
TEST_F(MonsterTableTest, aDamagedMonsterAddsNeitherTheMonstersNorTheBaseTypes) {
    const std::vector<std::string> pictures = PictureNames("bres_rat", 1);
    SMonsterTable written;
    auto rat = MakeBaseType("base_rat", 1, {});
    for (const std::string& picture : pictures) rat->m_pictureNames.Append(picture.c_str());
    SMonsterBaseType* base = rat.get();
    written.Add(std::move(rat));
    auto giant = MakeMonster("base_giantrat", base);
    giant->m_effects.Add(ItemEffect(kEffectFortifyAttribute, 5, 1, "", kLastEffectSource + 1));
    written.Add(std::move(giant));
    SItemDatabase none;
    TestItemNames itemNames(none);
    TestWorldPackage package;
    package.tables[SModuleTable::Monsters] = MonsterRecords(written, package.version, itemNames);

    EXPECT_EQ(OpenPackage(package), nullptr);
    EXPECT_NE(modules.Error().Message().find("base_giantrat"), std::string::npos) << modules.Error().Message();
    EXPECT_NE(modules.Error().Message().find("source kind"), std::string::npos) << modules.Error().Message();
    EXPECT_EQ(monsters.BaseTypeCount(), 0);
    EXPECT_EQ(monsters.MonsterCount(), 0);
}

TEST_F(MonsterTableTest, emptyPaletteNamesAfterTheFirstAreDropped) {
    struct Case {
        std::vector<const char*> written;
        std::vector<const char*> kept;
    };
    const std::vector<Case> cases = {
        {{"bres_a", nullptr, "bres_b", nullptr}, {"bres_a", "bres_b"}},
        {{nullptr, "bres_b"}, {nullptr, "bres_b"}},
        {{nullptr}, {nullptr}},
    };
    const std::vector<std::string> pictures = PictureNames("bres_bat", 1);
    for (const Case& c : cases) {
        SMonsterTable written;
        auto bat = MakeBaseType("base_bat", 1, {});
        for (const std::string& picture : pictures) bat->m_pictureNames.Append(picture.c_str());
        for (const char* palette : c.written) bat->m_paletteNames.Append(palette);
        written.Add(std::move(bat));
        monsters.Clear();
        ASSERT_NE(openMonsters(written, 114), nullptr) << modules.Error().Message();
        const SMonsterBaseType* type = monsters.FindBaseType("base_bat");
        ASSERT_NE(type, nullptr);
        std::vector<const char*> kept(type->m_paletteNames.Count());
        for (int i = 0; i < type->m_paletteNames.Count(); ++i) kept[i] = type->m_paletteNames[i];
        ASSERT_EQ(kept.size(), c.kept.size());
        for (size_t i = 0; i < kept.size(); ++i) EXPECT_STREQ(kept[i], c.kept[i]) << i;
    }
}

// The 'D' names come before the monsters from data version 72 and after the last table before it;
// either way the rules end up naming the index's item types, and a name no item type has drops its
// rule instead of becoming "any item".
TEST_F(MonsterTableTest, lootRulesResolveThroughTheItemTypeNamesWhereverThePackageReadsThem) {
    for (int v : {71, 72}) {
        SCOPED_TRACE(v);
        SItemDatabase itemTypes;
        itemTypes.AddItemType(MakeItemType("base_bread", kItemComestible));
        itemTypes.AddItemType(MakeItemType("base_club", kItemWeapon));
        SMonsterTable written;
        auto wolf = MakeMonster("base_wolf", nullptr);
        for (const char* name : {"base_club", "", "base_gone", "base_bread"})
            wolf->m_loot.m_rules.Add(MakeLootRule(name, 2).release(), ListOrder::Appended);
        written.Add(std::move(wolf));
        monsters.Clear();
        items.Clear();

        SModule* module = openMonsters(written, v, &itemTypes, {"base_wolf", "base_nobody"});
        ASSERT_NE(module, nullptr) << modules.Error().Message();
        SMonster* monster = monsters.FindMonster("base_wolf");
        ASSERT_NE(monster, nullptr);
        const SPtrArray<SLootRule>& rules = monster->m_loot.m_rules;
        ASSERT_EQ(rules.Count(), 3);
        EXPECT_STREQ(rules[0]->m_itemType.Text(), "base_club");
        EXPECT_STREQ(rules[1]->m_itemType.Text(), "");
        EXPECT_STREQ(rules[2]->m_itemType.Text(), "base_bread");
        EXPECT_EQ(module->MonsterIndex(), std::vector<SMonster*>({nullptr, monster, nullptr}));
    }
}

// A monster naming a base type no package defines keeps no base; resolving passes it by.
TEST_F(MonsterTableTest, picturesResolveToSlotsAndWriteTheirGroupAndAnUnknownBaseTypeIsPassedBy) {
    const std::vector<std::string> pictures = PictureNames("bres_elf", 4);
    SMonsterTable written;
    auto elf = MakeBaseType("base_elf", 4, {}, {"bres_elfgreen"});
    for (const std::string& picture : pictures) elf->m_pictureNames.Append(picture.c_str());
    elf->m_pictureNames.RemoveAt(9);
    elf->m_pictureNames.Append(nullptr);
    elf->m_pictureGroup = 6;
    elf->m_paralysedPalette = "bres_stone";
    SMonsterBaseType* base = elf.get();
    written.Add(std::move(elf));
    auto archer = MakeMonster("base_archer", base);
    archer->m_paletteName.Assign("bres_elfgreen");
    archer->m_missilePalette.Assign("bres_stone");
    written.Add(std::move(archer));
    SMonsterBaseType stranger;
    stranger.m_name.Set("base_stranger");
    auto lost = MakeMonster("base_lost", &stranger);
    lost->m_paletteName.Assign("bres_nowhere");
    written.Add(std::move(lost));

    std::vector<SNamedResource> pictureRecords;
    for (int i = 0; i < 9; ++i) pictureRecords.push_back({pictures[i].c_str(), PictureRecord(0, 1, 1, {0}, {0})});
    ASSERT_NE(openMonsters(written, 114, nullptr, {}, std::move(pictureRecords),
                           {{"bres_elfgreen", {0, 0, 0, 0}}, {"bres_stone", {0, 0, 0, 0}}}),
              nullptr)
        << modules.Error().Message();
    cache.AssignSlots();
    monsters.ResolvePictures(cache, cache.SlotFlags());

    const SMonsterBaseType* type = monsters.FindBaseType("base_elf");
    ASSERT_NE(type, nullptr);
    ASSERT_EQ(type->Pictures().size(), 10u);
    for (int i = 0; i < 9; ++i) {
        const uint32_t slot = cache.FindPicture(pictures[i].c_str())->slot;
        EXPECT_EQ(type->PictureSlot(i), slot) << i;
        EXPECT_EQ(cache.SlotFlags()[slot], 6) << i;
    }
    EXPECT_EQ(type->Pictures()[9], nullptr);
    EXPECT_EQ(type->PictureSlot(9), 0);
    const SMonster* archer2 = monsters.FindMonster("base_archer");
    EXPECT_EQ(archer2->m_paletteSlot, cache.FindPaletteSlot("bres_elfgreen"));
    EXPECT_EQ(archer2->m_paralysedPaletteSlot, cache.FindPaletteSlot("bres_stone"));
    EXPECT_NE(archer2->m_paralysedPaletteSlot, 0);
    EXPECT_EQ(archer2->m_missilePaletteSlot, archer2->m_paralysedPaletteSlot);
    const SMonster* lost2 = monsters.FindMonster("base_lost");
    ASSERT_NE(lost2, nullptr);
    EXPECT_EQ(lost2->m_baseType, nullptr);
    EXPECT_EQ(lost2->m_paletteSlot, 0);
    EXPECT_EQ(lost2->m_paralysedPaletteSlot, 0);
    EXPECT_EQ(lost2->m_missilePaletteSlot, 0);

    monsters.Clear();
    EXPECT_EQ(monsters.FindBaseType("base_elf"), nullptr);
    EXPECT_EQ(monsters.FindMonster("base_archer"), nullptr);
}

// The texts older records carry and newer readers drop hold no field to compare after a round
// trip, so the record's size pins them: a failure means a gate moved. The effect list after them
// is aligned to 4, so each pair's name length is chosen to keep the padding from hiding the change.
TEST(MonsterRecordTest, aMonstersRecordGrowsAndShrinksAtEachGate) {
    struct Gate {
        int version;
        const char* name;
        size_t size;
    };
    SItemDatabase none;
    TestItemNames names(none);
    for (Gate gate : {Gate{20, "m", 41}, Gate{21, "m", 45}, Gate{21, "mmm", 45}, Gate{22, "mmm", 49}, Gate{87, "m", 45},
                      Gate{88, "m", 46}, Gate{93, "mm", 50}, Gate{94, "mm", 46}, Gate{95, "m", 46}, Gate{96, "m", 47},
                      Gate{97, "m", 48}, Gate{104, "m", 48}, Gate{105, "m", 44}}) {
        SCOPED_TRACE(gate.version);
        SMonster monster;
        monster.m_name.Set(gate.name);
        const size_t size =
            WrittenBytes([&](SArchive& archive) { monster.Serialize(archive, gate.version, nullptr, &names); }).size();
        EXPECT_EQ(size, gate.size);
    }
}

TEST(MonsterTest, aMonsterMadeFromATypeTakesItsStatisticsOutOfHundredthsAndItsFlagsByKind) {
    for (uint8_t kind : {1, 3, 4}) {
        SCOPED_TRACE(int(kind));
        auto type = MakeBaseType("base_troll", kind, {}, {"bres_trollgrey", "bres_trollblue"});
        type->m_stats = {350, 600, 250, 2000, 10000, 199, 300, 300, 300, 1234};
        type->m_attackKind = 3;
        type->m_copied[0] = 7;
        type->m_copied[1] = 8;
        SMonster monster;
        monster.m_level = 9;
        monster.m_missilePalette.Assign("bres_old");
        monster.InitFromType(*type);
        EXPECT_EQ(monster.m_baseType, type.get());
        EXPECT_STREQ(monster.m_paletteName.Text(), "bres_trollgrey");
        EXPECT_EQ(monster.m_level, 1);
        EXPECT_EQ(monster.m_stats, SMonsterStats({3, 6, 2, 20, 100, 1, 3, 3, 3, 12}));
        EXPECT_EQ(monster.m_kind, kind);
        EXPECT_EQ(monster.m_flags, kind == 4 ? 8 : 12);
        EXPECT_EQ(monster.m_attackKind, 3);
        EXPECT_STREQ(monster.m_missilePalette.Text(), "");
        EXPECT_EQ(monster.m_copied[1], 8);
    }
}

TEST(MonsterTest, attributesAddTheFortifiedTotalAndStayAtLeastOne) {
    SMonster monster;
    monster.m_stats[kStatStrength] = 5;
    monster.m_stats[kStatIntelligence] = 2;
    EXPECT_EQ(monster.GetStrength(3), 8);
    EXPECT_EQ(monster.GetStrength(-10), 1);
    EXPECT_EQ(monster.GetIntelligence(0), 2);
    EXPECT_EQ(monster.GetDexterity(0), 1);
}

TEST(MonsterTest, knowsOnlyTheSpellsItCarries) {
    SMonster monster;
    monster.m_effects.Add(ItemEffect(kEffectFortifyAttribute, 5, 1, "base_fireball", kSourceConstant));
    monster.m_effects.Add(ItemEffect(kEffectFortifyAttribute, 0, 0, "base_frost", kSourceSpellCharge));
    EXPECT_TRUE(monster.KnowsSpell("base_frost"));
    EXPECT_FALSE(monster.KnowsSpell("base_fireball"));
    EXPECT_FALSE(monster.KnowsSpell("base_fros"));
    EXPECT_FALSE(monster.KnowsSpell(nullptr));
}

TEST(CreatureClassesTest, namesEachClassSingularAndPluralAndNothingOutsideThem) {
    SCreatureClasses classes;
    EXPECT_EQ(classes.Name(kUndead), nullptr);
    classes.Init();
    EXPECT_STREQ(classes.Name(kCreatureClassNone), "");
    EXPECT_STREQ(classes.Name(kHumanoids), "humanoid");
    EXPECT_STREQ(classes.PluralName(kUndead), "undeads");
    EXPECT_EQ(classes.Name(4), nullptr);
    EXPECT_EQ(classes.PluralName(-1), nullptr);
}

}  // namespace

}  // namespace monster_table_test
