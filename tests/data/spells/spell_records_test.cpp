// Spell and spell-effect records in both directions at the data versions where their forms change.
#include "support/spell_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/record_bytes.h"

namespace spell_records_test {

namespace {

// Every field set, each text its own, so that a field read into another's place shows.
std::unique_ptr<SSpellType> fireball() {
    auto spell = MakeSpell("base_fireball", kSchoolAttack, {{25, 12}});
    spell->m_displayName.Assign("Fireball");
    spell->m_description.Assign("A ball of flame");
    spell->m_strikeEffect.Assign("base_burst");
    spell->m_castEffect.Assign("base_flight");
    spell->m_strikePalette.Assign("bres_burstpal");
    spell->m_castPalette.Assign("bres_flightpal");
    spell->m_text7.Assign("bsnd_boom");
    spell->m_castSound.Assign("bsnd_whoosh");
    spell->m_text9.Assign("ninth");
    spell->m_value = 0x1234;
    spell->m_baseCost = 15;
    spell->m_costPercent = 40;
    auto poison = SpellEffectEntry(26, 3, 150);
    poison->m_radius = 2;
    poison->m_baseDuration = 4;
    spell->m_effects.Append(poison.release());
    spell->m_targetKind = kTargetTouch;
    spell->m_valueA = 7;
    spell->m_valueB = 200;
    return spell;
}

struct SpellForm {
    int version;
    bool texts7And8;
    bool droppedText;
    bool text9;
};

class SpellRecordTest : public ::testing::TestWithParam<SpellForm> {};

TEST_P(SpellRecordTest, readsBackWhatItWrites) {
    const SpellForm form = GetParam();
    auto written = fireball();
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, form.version); });
    SSpellType read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, form.version); }), int(bytes.size()));

    EXPECT_STREQ(read.m_name.Text(), "base_fireball");
    EXPECT_EQ(read.m_name.Hash(), written->m_name.Hash());
    for (auto [field, text] : {std::pair{&SSpellType::m_displayName, "Fireball"},
                               {&SSpellType::m_description, "A ball of flame"},
                               {&SSpellType::m_strikeEffect, "base_burst"},
                               {&SSpellType::m_castEffect, "base_flight"},
                               {&SSpellType::m_strikePalette, "bres_burstpal"},
                               {&SSpellType::m_castPalette, "bres_flightpal"}})
        EXPECT_STREQ((read.*field).Text(), text);
    EXPECT_STREQ(read.m_text7.Text(), form.texts7And8 ? "bsnd_boom" : "");
    EXPECT_STREQ(read.m_castSound.Text(), form.texts7And8 ? "bsnd_whoosh" : "");
    EXPECT_STREQ(read.m_text9.Text(), form.text9 ? "ninth" : "");
    EXPECT_EQ(read.m_value, 0x1234);
    EXPECT_EQ(read.m_baseCost, 15);
    EXPECT_EQ(read.m_costPercent, 40);
    ASSERT_EQ(read.m_effects.Count(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(read.m_effects[i]->Equals(*written->m_effects[i])) << i;
    EXPECT_EQ(read.m_school, kSchoolAttack);
    EXPECT_EQ(read.m_targetKind, kTargetTouch);
    EXPECT_EQ(read.m_valueA, 7);
    EXPECT_EQ(read.m_valueB, 200);

    // The dropped text: a record of an old package may carry one; reading passes over it. Two
    // letters keep the numbers after it on their even offsets.
    if (form.droppedText) {
        std::vector<uint8_t> old = bytes;
        const std::string before = form.texts7And8 ? "bsnd_whoosh" : "bres_flightpal";
        const auto end = std::search(old.begin(), old.end(), before.begin(), before.end()) + before.size() + 1;
        old.insert(end, {'o', 'k'});
        SSpellType fromOld;
        ASSERT_EQ(ReadBytes(old, [&](SArchive& a) { fromOld.Serialize(a, form.version); }), int(old.size()));
        EXPECT_EQ(fromOld.m_value, 0x1234);
        EXPECT_EQ(fromOld.m_effects.Count(), 2);
        EXPECT_EQ(fromOld.m_valueB, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, SpellRecordTest,
                         ::testing::Values(SpellForm{26, false, true, false}, SpellForm{27, true, true, false},
                                           SpellForm{50, true, true, false}, SpellForm{51, true, false, false},
                                           SpellForm{52, true, false, true}),
                         [](const auto& info) { return "v" + std::to_string(info.param.version); });

TEST(SpellRecordBytesTest, theFieldsLieWhereAPackageHasThem) {
    auto spell = MakeSpell("a", kSchoolUndead);
    spell->m_value = 0x0102;
    spell->m_baseCost = 0x0304;
    spell->m_costPercent = 0x0506;
    spell->m_targetKind = kTargetTouch;
    spell->m_valueA = 8;
    spell->m_valueB = 9;
    const std::vector<uint8_t> expected = {
        4, 'a', 0,           // tag, name
        0, 0,   0, 0, 0,     // display name, texts 2, 3, 5, 4
        0, 0,   0,           // texts 6, 7, 8
        0,                   // pad to the value
        2, 1,   4, 3, 6, 5,  // value, base cost, cost percent
        0, 0,                // no effects
        5, 2,   8, 9,        // school, target kind, two bytes
        0,                   // text 9
    };
    EXPECT_EQ(WrittenBytes([&](SArchive& a) { spell->Serialize(a, 114); }), expected);
}

TEST(SpellRecordBytesTest, theStrikePaletteComesBeforeTheCastEffect) {
    const std::vector<uint8_t> bytes = WrittenBytes([](SArchive& a) { fireball()->Serialize(a, 114); });
    auto at = [&](const std::string& text) {
        return std::search(bytes.begin(), bytes.end(), text.begin(), text.end());
    };
    EXPECT_LT(at("base_burst"), at("bres_burstpal"));
    EXPECT_LT(at("bres_burstpal"), at("base_flight"));
    EXPECT_LT(at("base_flight"), at("bres_flightpal"));
}

TEST(SpellRecordBytesTest, aRecordWithoutItsTagReadsTheSame) {
    // Written two bytes in, then cut before the tag: the fields keep their even offsets.
    std::vector<uint8_t> untagged = WrittenBytes([](SArchive& a) {
        uint8_t lead = 0;
        a.SerializeU8(lead);
        fireball()->Serialize(a, 114);
    });
    ASSERT_EQ(untagged[1], 4);
    untagged.erase(untagged.begin(), untagged.begin() + 2);
    SSpellType read;
    ASSERT_EQ(ReadBytes(untagged, [&](SArchive& a) { read.Serialize(a, 114); }), int(untagged.size()));
    EXPECT_STREQ(read.m_name.Text(), "base_fireball");
    EXPECT_EQ(read.m_value, 0x1234);
    EXPECT_STREQ(read.m_text9.Text(), "ninth");
}

struct EffectForm {
    int version;
    bool droppedText;
};

class SpellEffectRecordTest : public ::testing::TestWithParam<EffectForm> {};

TEST_P(SpellEffectRecordTest, readsBackWhatItWrites) {
    const EffectForm form = GetParam();
    auto written = MakeSpellEffect("base_burst", {"bres_burst1", "", "bres_burst3"}, {"bres_burstpal"});
    written->m_value = 7;
    std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, form.version); });
    if (form.droppedText) {
        // An old package's record may carry a text after the value; two letters keep the lists on
        // their even offsets.
        const std::string name = "base_burst";
        bytes.insert(bytes.begin() + 1 + name.size() + 1 + 1, {'o', 'k'});
    }
    SSpellEffect read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, form.version); }), int(bytes.size()));
    EXPECT_STREQ(read.m_name.Text(), "base_burst");
    EXPECT_EQ(read.m_value, 7);
    ASSERT_EQ(read.m_frameNames.Count(), 3);
    EXPECT_STREQ(read.m_frameNames[0], "bres_burst1");
    EXPECT_EQ(read.m_frameNames[1], nullptr);
    EXPECT_STREQ(read.m_frameNames[2], "bres_burst3");
    ASSERT_EQ(read.m_paletteNames.Count(), 1);
    EXPECT_STREQ(read.m_paletteNames[0], "bres_burstpal");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SpellEffectRecordTest,
    ::testing::Values(EffectForm{25, false}, EffectForm{26, true}, EffectForm{108, true}, EffectForm{109, false}),
    [](const auto& info) { return "v" + std::to_string(info.param.version); });

}  // namespace

}  // namespace spell_records_test
