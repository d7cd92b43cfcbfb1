// The spell and spell-effect tables fed from packages through their loaders.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/picture_record.h"
#include "support/record_bytes.h"
#include "support/spell_records.h"
#include "support/table_fixture.h"

namespace spell_loading_test {

namespace {

// Two of them share a name hash.
const char* const kSpellNames[] = {"base_heallight", "base_curebolt", "base_fireball"};

std::vector<std::vector<uint8_t>> spellRecords(int version) {
    SSpellTable table;
    uint8_t school = kSchoolHeal;
    for (const char* name : kSpellNames) {
        auto spell = MakeSpell(name, school++, {{25, 10}});
        spell->m_displayName.Assign(name + 5);
        spell->m_baseCost = 20;
        table.Add(std::move(spell));
    }
    return table.Write(version);
}

std::vector<uint8_t> interiorChunk() {
    SInteriorTable table;
    auto smithy = std::make_unique<SInterior>();
    smithy->m_name.Set("base_smithy");
    table.Add(std::move(smithy));
    return TableRecord(table, 114);
}

class SpellLoadingTest : public TablesTest {
protected:
    // A package with these spell records, and an interior: the interiors follow the spells, so
    // they are found only when the spell loader took exactly its records.
    SModule* openSpells(const std::vector<std::vector<uint8_t>>& records, const char* fileName = "Brimvale",
                        int version = 114) {
        TestWorldPackage package;
        package.version = version;
        package.tables[SModuleTable::Spells] = records;
        package.tables[SModuleTable::Interiors] = {interiorChunk()};
        return OpenPackage(package, fileName);
    }
};

TEST_F(SpellLoadingTest, everySpellRecordJoinsTheTableAndTheTablesAfterFollow) {
    for (int version : {26, 114}) {
        SCOPED_TRACE(version);
        spells.Clear();
        interiors.Clear();
        ASSERT_NE(openSpells(spellRecords(version), ("World" + std::to_string(version)).c_str(), version), nullptr)
            << modules.Error().Message();
        ASSERT_EQ(spells.Count(), 3);
        for (int i = 1; i < spells.Count(); ++i)
            EXPECT_LE(spells.At(i - 1)->NameKey().Hash(), spells.At(i)->NameKey().Hash());
        ASSERT_EQ(HashName("base_heallight"), HashName("base_curebolt"));
        uint8_t school = kSchoolHeal;
        for (const char* name : kSpellNames) {
            const SSpellType* spell = spells.FindSpell(name);
            ASSERT_NE(spell, nullptr) << name;
            EXPECT_STREQ(spell->m_displayName.Text(), name + 5);
            EXPECT_EQ(spell->m_school, school++);
            EXPECT_EQ(spell->m_baseCost, 20);
            ASSERT_EQ(spell->m_effects.Count(), 1);
            EXPECT_EQ(spell->m_effects[0]->m_baseMagnitude, 10);
        }
        EXPECT_EQ(spells.FindSpell("base_Fireball"), nullptr);
        EXPECT_EQ(spells.FindSpell(nullptr), nullptr);
        EXPECT_NE(interiors.Find("base_smithy"), nullptr);
    }
}

TEST_F(SpellLoadingTest, aChunkWithoutItsTagReadsTheSame) {
    std::vector<std::vector<uint8_t>> records = spellRecords(114);
    ASSERT_EQ(records[0], std::vector<uint8_t>({3, 0, 3, 0}));
    // Two spells: an untagged count of 3 would read as the tag.
    records.pop_back();
    records[0] = {2, 0};
    ASSERT_NE(openSpells(records), nullptr) << modules.Error().Message();
    EXPECT_EQ(spells.Count(), 2);
    EXPECT_NE(interiors.Find("base_smithy"), nullptr);
}

TEST_F(SpellLoadingTest, aSecondPackageAddsItsSpells) {
    ASSERT_NE(openSpells(spellRecords(114), "First"), nullptr);
    SSpellTable more;
    more.Add(MakeSpell("w_frostbolt", kSchoolAttack));
    ASSERT_NE(openSpells(more.Write(114), "Second"), nullptr) << modules.Error().Message();
    EXPECT_EQ(spells.Count(), 4);
    EXPECT_NE(spells.FindSpell("w_frostbolt"), nullptr);
    EXPECT_NE(spells.FindSpell("base_fireball"), nullptr);
}

struct SpellDamage {
    const char* name;
    size_t record;  // 1 for the first spell in table order
    void (*damage)(std::vector<uint8_t>&);
    const char* fault;
};

const SpellDamage kSpellDamage[] = {
    {"spellCutShort", 2, [](std::vector<uint8_t>& r) { r.resize(r.size() / 2); }, "cut short"},
    // The school follows the effects: five bytes from the end, before the target kind, the two
    // bytes and the empty text 9.
    {"unknownSchool", 2, [](std::vector<uint8_t>& r) { r[r.size() - 5] = 9; }, "spell 2: school 9 is not one of 0..7"},
    {"unknownEffectType", 3, [](std::vector<uint8_t>& r) { r[r.size() - 7] = 77; },
     "spell 3: effect 1: effect type 77 is not one of 0..58"},
};

class SpellDamageLoadTest : public SpellLoadingTest, public ::testing::WithParamInterface<SpellDamage> {};

TEST_P(SpellDamageLoadTest, aDamagedRecordAddsNoSpellOfItsPackage) {
    const SpellDamage& c = GetParam();
    SSpellTable first;
    first.Add(MakeSpell("w_frostbolt", kSchoolAttack));
    ASSERT_NE(openSpells(first.Write(114), "First"), nullptr);

    std::vector<std::vector<uint8_t>> records = spellRecords(114);
    c.damage(records[c.record]);
    EXPECT_EQ(openSpells(records, "Damaged"), nullptr);
    const std::string message = modules.Error().Message();
    EXPECT_NE(message.find("(the spell table)"), std::string::npos) << message;
    EXPECT_NE(message.find(c.fault), std::string::npos) << message;
    ASSERT_EQ(spells.Count(), 1);
    EXPECT_NE(spells.FindSpell("w_frostbolt"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Records, SpellDamageLoadTest, ::testing::ValuesIn(kSpellDamage),
                         [](const auto& info) { return std::string(info.param.name); });

// Further palette names for effects by name, as a chunk's palette part gives them.
using PalettePart = std::vector<std::pair<const char*, std::vector<const char*>>>;

// The chunk of the effects at data version 114, ending in the given palette part.
std::vector<uint8_t> effectChunk(SSpellEffectTable& table, const PalettePart& part) {
    return WrittenBytes([&](SArchive& archive) {
        archive.SerializeTag(SSpellEffect::kChunkTag);
        uint16_t count = uint16_t(table.Count());
        archive.SerializeU16(count);
        for (int i = 0; i < table.Count(); ++i) table.At(i)->Serialize(archive, 114);
        uint16_t entries = uint16_t(part.size());
        archive.SerializeU16(entries);
        for (const auto& [name, palettes] : part) {
            const char* text = name;
            archive.SerializeCStr(text);
            SPaletteHolder names;
            for (const char* palette : palettes) names.m_paletteNames.Append(palette);
            names.SerializePaletteNames(archive, 114);
        }
    });
}

class SpellEffectLoadingTest : public TablesTest {
protected:
    SModule* openEffects(const std::vector<uint8_t>& chunk, const char* fileName = "Brimvale") {
        TestWorldPackage package;
        package.tables[SModuleTable::SpellEffects] = {chunk};
        return OpenPackage(package, fileName);
    }
};

// Null names read as "(null)".
std::vector<std::string> names(const SPtrArray<const char>& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i] ? list[i] : "(null)");
    return out;
}

TEST_F(SpellEffectLoadingTest, thePalettePartAddsNamesAndPassesOverUnknownEffects) {
    SSpellEffectTable written;
    written.Add(MakeSpellEffect("base_burst", {"bres_burst1", "bres_burst2"}, {"bres_burstpal"}));
    written.Add(MakeSpellEffect("base_flight", {"bres_flight1"}));
    const std::vector<uint8_t> chunk =
        effectChunk(written, {{"base_flight", {"bres_flightpal"}},
                              {"base_nowhere", {"bres_a", "bres_b"}},  // read past with both names
                              {"base_burst", {"bres_hotpal", ""}}});
    ASSERT_NE(openEffects(chunk), nullptr) << modules.Error().Message();
    ASSERT_EQ(spellEffects.Count(), 2);
    const SSpellEffect* burst = spellEffects.Find("base_burst");
    ASSERT_NE(burst, nullptr);
    using Names = std::vector<std::string>;
    EXPECT_EQ(names(burst->m_frameNames), Names({"bres_burst1", "bres_burst2"}));
    EXPECT_EQ(names(burst->m_paletteNames), Names({"bres_burstpal", "bres_hotpal", "(null)"}));
    const SSpellEffect* flight = spellEffects.Find("base_flight");
    ASSERT_NE(flight, nullptr);
    EXPECT_EQ(names(flight->m_paletteNames), Names({"bres_flightpal"}));
}

TEST_F(SpellEffectLoadingTest, aLaterPackageNamesPalettesForAnEarlierOnesEffect) {
    SSpellEffectTable base;
    base.Add(MakeSpellEffect("base_burst", {"bres_burst1"}));
    ASSERT_NE(openEffects(TableRecord(base, 114), "First"), nullptr) << modules.Error().Message();

    SSpellEffectTable addOn;
    addOn.Add(MakeSpellEffect("w_spark", {"w_spark1"}));
    const std::vector<uint8_t> chunk = effectChunk(addOn, {{"base_burst", {"w_burstpal"}}});
    // The palette list claims more names than the record holds, and the chunk is refused only
    // once the name it has was read: the earlier effect must not keep it.
    std::vector<uint8_t> overrun = chunk;
    const std::string palette = "w_burstpal";
    const auto at = std::search(overrun.begin(), overrun.end(), palette.begin(), palette.end());
    ASSERT_EQ(*(at - 2), 1);
    *(at - 2) = 200;
    EXPECT_EQ(openEffects(overrun, "Overrun"), nullptr);
    EXPECT_NE(modules.Error().Message().find("(the spell effect table)"), std::string::npos)
        << modules.Error().Message();
    EXPECT_EQ(spellEffects.Find("base_burst")->m_paletteNames.Count(), 0);
    EXPECT_EQ(spellEffects.Find("w_spark"), nullptr);

    ASSERT_NE(openEffects(chunk, "Second"), nullptr) << modules.Error().Message();
    const SSpellEffect* burst = spellEffects.Find("base_burst");
    ASSERT_EQ(burst->m_paletteNames.Count(), 1);
    EXPECT_STREQ(burst->m_paletteNames[0], "w_burstpal");
    EXPECT_NE(spellEffects.Find("w_spark"), nullptr);
}

TEST_F(SpellEffectLoadingTest, framesResolveToSlotsAndTheirPicturesLoad) {
    SSpellEffectTable written;
    written.Add(MakeSpellEffect("base_burst", {"bres_burst1", "bres_gone", "bres_burst2"}, {"bres_burstpal"}));
    TestWorldPackage package;
    package.pictures = {{"bres_other", PictureRecord(0, 1, 1, {0}, {0x0001})},
                        {"bres_burst2", PictureRecord(0, 2, 1, {0, 0}, {0xF800})},
                        {"bres_burst1", PictureRecord(0, 3, 2, {0, 0, 0, 0, 0, 0}, {0x07E0})}};
    package.palettes = {{"bres_burstpal", std::vector<uint8_t>(8, 1)}};
    package.tables[SModuleTable::SpellEffects] = {TableRecord(written, package.version)};
    ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();
    cache.AssignSlots();
    SSpellEffect* burst = spellEffects.Find("base_burst");
    ASSERT_NE(burst, nullptr);

    spellEffects.ResolvePictures(cache);
    const uint32_t first = cache.FindPicture("bres_burst1")->slot;
    const uint32_t second = cache.FindPicture("bres_burst2")->slot;
    EXPECT_EQ(first, 3u);
    EXPECT_EQ(second, 2u);
    // The frame the index lacks keeps its place with slot 0.
    EXPECT_EQ(burst->m_frameSlots, std::vector<uint32_t>({first, 0, second}));
    // Resolving again rebuilds the list rather than adding to it.
    spellEffects.ResolvePictures(cache);
    EXPECT_EQ(burst->m_frameSlots.size(), 3u);

    EXPECT_FALSE(spellEffects.LoadPictures(cache)) << "a frame is missing";
    EXPECT_EQ(cache.SlotWidths()[first], 3);
    EXPECT_EQ(cache.SlotHeights()[first], 2);
    EXPECT_EQ(cache.SlotData()[second], cache.FindPicture("bres_burst2")->data);
    EXPECT_NE(cache.SlotData()[second], nullptr);
    EXPECT_EQ(cache.FindPicture("bres_other")->data, nullptr);
    const SPaletteEntry* palette = cache.FindPalette("bres_burstpal");
    EXPECT_NE(palette->data, nullptr);
    EXPECT_EQ(cache.SlotPaletteData()[palette->slot], palette->data);
    const uint32_t loaded = cache.LoadedBytes();
    EXPECT_GT(loaded, 0u);
    spellEffects.LoadPictures(cache);
    EXPECT_EQ(cache.LoadedBytes(), loaded) << "pictures load once";
}

}  // namespace

}  // namespace spell_loading_test
