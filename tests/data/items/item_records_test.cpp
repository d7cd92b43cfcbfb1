// The item database's four record kinds written and read back at the data versions where their
// layouts change.
#include "support/item_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/sound_table.h"
#include "engine/files/settings.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "tools/sampledata/wave_writer.h"

namespace item_records_test {

namespace {

std::unique_ptr<SItemType> longSword() {
    auto type = MakeItemType("base_longsword", kItemWeapon, kWeaponLongSword, "Long sword");
    type->m_firstText.Assign("first");
    type->m_equipName.Assign("base_eqsword");
    type->m_fourthText.Assign("fourth");
    type->m_fifthText.Assign("fifth");
    type->m_paletteName.Assign("bres_steelpal");
    type->m_seventhText.Assign("seventh");
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(26, 5, 0, "", kSourceStrike));
    type->m_effects = EffectListOf(std::move(effects), 250);
    type->m_baseValue = 70000;
    type->m_weight = 350;
    type->m_minDamage = 10;
    type->m_maxDamage = 15;
    type->m_armorClass = 1;
    type->m_enchantCapacity = 120;
    type->m_maxCondition = 900;
    type->m_outfit = 7;
    type->m_level = 2;
    type->m_stockWeight = 3;
    type->m_alignment = 1;
    type->m_flags = kItemLightWeapon;
    return type;
}

TEST(ItemTypeRecordTest, everyFieldOfItsVersionReadsBackAndTheBytesAreWrittenAgainUnchanged) {
    auto written = longSword();
    for (int version : {47, 48, 61, 62, 63, 64, 72, 73, 84, 85, 113, 114}) {
        SCOPED_TRACE(version);
        const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, version); });
        SItemType read;
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, version); }), int(bytes.size()));
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { read.Serialize(a, version); }), bytes);
        EXPECT_STREQ(read.m_name.Text(), "base_longsword");
        EXPECT_EQ(read.m_name.Hash(), HashName("base_longsword"));
        EXPECT_STREQ(read.m_displayName.Text(), "Long sword");
        EXPECT_STREQ(read.m_equipName.Text(), "base_eqsword");
        EXPECT_STREQ(read.m_fifthText.Text(), "fifth");
        EXPECT_STREQ(read.m_paletteName.Text(), "bres_steelpal");
        ASSERT_NE(read.m_effects, nullptr);
        EXPECT_EQ(read.m_effects->m_value, 250u);
        EXPECT_TRUE(read.m_effects->Equals(written->m_effects.get()));
        EXPECT_EQ(read.m_baseValue, 70000u);
        EXPECT_EQ(read.m_maxCondition, 900);
        EXPECT_EQ(read.m_enchantCapacity, 120);
        EXPECT_EQ(read.m_level, 2);
        EXPECT_EQ(read.m_class, kItemWeapon);
        EXPECT_EQ(read.m_subtype, kWeaponLongSword);
        EXPECT_EQ(read.m_flags, kItemLightWeapon);
        // The fields that later versions added keep their defaults below their gates.
        EXPECT_EQ(read.m_outfit, version >= 64 ? 7 : 0);
        EXPECT_EQ(read.m_stockWeight, version >= 85 ? 3 : 1);
        EXPECT_STREQ(read.m_seventhText.Text(), version >= 114 ? "seventh" : "");
    }
}

TEST(ItemTypeRecordTest, aTextOfDataVersions62To72IsReadAndDropped) {
    auto written = longSword();
    for (int version : {62, 72}) {
        SCOPED_TRACE(version);
        std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, version); });
        // The dropped text is written empty, right after the display name; an old package's
        // four-byte text keeps the alignment of what follows.
        const std::string display = "Long sword";
        auto at = std::search(bytes.begin(), bytes.end(), display.begin(), display.end()) + display.size() + 1;
        ASSERT_EQ(*at, 0);
        bytes.insert(at, {'o', 'l', 'd', 'x'});
        SItemType read;
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, version); }), int(bytes.size()));
        EXPECT_STREQ(read.m_fourthText.Text(), "fourth");
        EXPECT_EQ(read.m_baseValue, 70000u);
    }
}

TEST(ItemTypeRecordTest, aTypeWithoutEffectsHasNoList) {
    auto written = MakeItemType("base_bread", kItemComestible, 1, "Bread");
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written->Serialize(a, 114); });
    SItemType read;
    read.m_effects = std::make_unique<SEffectList>();
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, 114); }), int(bytes.size()));
    EXPECT_EQ(read.m_effects, nullptr);
    EXPECT_EQ(read.Fault(), "");
    read.m_class = 17;
    EXPECT_EQ(read.Fault(), "class 17 is not one of 0..16");
}

// Bytes of an item picture record with an empty palette list: the name, the flag, the byte of
// versions 45 and 46 when the flag is 0, then the aligned count.
TEST(ItemPictureRecordTest, versions45And46CarryAByteAfterAFlagOf0) {
    struct Case {
        int version;
        uint8_t flag;
        bool oldByte;
    };
    const Case cases[] = {{44, 0, false}, {45, 0, true}, {46, 0, true}, {47, 0, false}, {45, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.version) + " flag " + std::to_string(c.flag));
        SItemPicture written;
        written.m_name.Set("bres_sword1");
        written.m_flag = c.flag;
        written.m_oldByte = 9;
        const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written.Serialize(a, c.version); });
        // The tag, "bres_sword1" and its NUL, the flag: 14 bytes; the byte pushes the aligned
        // count from 14 to 16.
        ASSERT_EQ(bytes.size(), c.oldByte ? 18u : 16u);
        EXPECT_EQ(bytes[13], c.flag);
        SItemPicture read;
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, c.version); }), int(bytes.size()));
        EXPECT_EQ(read.m_oldByte, c.oldByte ? 9 : 0);
        EXPECT_STREQ(read.m_name.Text(), "bres_sword1");
    }
}

void fillSprite(SFpsItem& sprite) {
    sprite.m_name.Set("base_fpssword");
    sprite.m_value = 4;
    sprite.m_text.Assign("text");
    sprite.m_numberA = 300;
    sprite.m_numberB = 40;
    sprite.m_bytes = {1, 2, 3, 4, 5};
    sprite.m_lateText.Assign("late");
    sprite.m_soundName.Assign("bsnd_swish");
    sprite.m_frameNames.Append("bres_sword1");
    sprite.m_frameNames.Append("bres_sword2");
    sprite.m_paletteNames.Append("bres_steelpal");
}

TEST(FpsItemRecordTest, eachFieldAppearsAtItsDataVersion) {
    SFpsItem written;
    fillSprite(written);
    for (int version : {3, 4, 17, 18, 74, 75, 76, 77, 78, 81, 82, 106, 107}) {
        SCOPED_TRACE(version);
        const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written.Serialize(a, version); });
        SFpsItem read;
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, version); }), int(bytes.size()));
        EXPECT_STREQ(read.m_name.Text(), "base_fpssword");
        EXPECT_EQ(read.m_value, 4);
        EXPECT_STREQ(read.m_text.Text(), "text");
        EXPECT_EQ(read.m_numberA, 300);
        EXPECT_EQ(read.m_numberB, 40);
        const std::array<uint8_t, 5> bytesRead = {uint8_t(version >= 4 ? 1 : 0), uint8_t(version >= 75 ? 2 : 0),
                                                  uint8_t(version >= 75 ? 3 : 0), uint8_t(version >= 77 ? 4 : 0),
                                                  uint8_t(version >= 78 ? 5 : 0)};
        EXPECT_EQ(read.m_bytes, bytesRead);
        EXPECT_STREQ(read.m_lateText.Text(), version >= 82 ? "late" : "");
        EXPECT_STREQ(read.m_soundName.Text(), version >= 107 ? "bsnd_swish" : "");
        ASSERT_EQ(read.m_frameNames.Count(), 2);
        EXPECT_STREQ(read.m_frameNames[1], "bres_sword2");
        EXPECT_EQ(read.m_paletteNames.Count(), version >= 18 ? 1 : 0);
    }
}

class FpsItemSoundTest : public TempFolderTest {};

TEST_F(FpsItemSoundTest, aBlowPlaysTheSpritesSoundAtFullVolume) {
    SSettings settings;
    SSound sound;
    sound.Open(settings);
    SSoundTable sounds;
    sounds.Attach(&sound);
    sound.Attach(&sounds);
    auto swish = std::make_unique<SSoundType>();
    swish->name = "bsnd_swish";
    swish->sampleImage = MakeWave(22050, 1, std::vector<int16_t>(100, 4000));
    sounds.AddSound(std::move(swish));
    SFpsItem sprite;
    EXPECT_EQ(sprite.PlaySound(sounds), 0) << "no sound named";
    sprite.m_soundName.Assign("bsnd_swish");
    EXPECT_GT(sprite.PlaySound(sounds), 0);
    EXPECT_NE(sounds.FindSound("bsnd_swish")->cache[10], nullptr);
}

TEST(EquipPictureRecordTest, theSixthNumberAppearsAtDataVersion29) {
    SEquipPicture written;
    written.m_name.Set("base_eqsword");
    written.m_text.Assign("text");
    written.m_pictureName.Assign("base_picsword");
    written.m_spriteName.Assign("base_fpssword");
    written.m_value = 123456;
    written.m_numbers = {1, 2, 3, 4, 5, 6};
    written.m_byteA = 7;
    written.m_byteB = 8;
    for (int version : {28, 29}) {
        SCOPED_TRACE(version);
        const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written.Serialize(a, version); });
        SEquipPicture read;
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, version); }), int(bytes.size()));
        EXPECT_STREQ(read.m_name.Text(), "base_eqsword");
        EXPECT_STREQ(read.m_pictureName.Text(), "base_picsword");
        EXPECT_STREQ(read.m_spriteName.Text(), "base_fpssword");
        EXPECT_EQ(read.m_value, 123456u);
        const std::array<uint16_t, 6> numbers = {1, 2, 3, 4, 5, uint16_t(version >= 29 ? 6 : 1000)};
        EXPECT_EQ(read.m_numbers, numbers);
        EXPECT_EQ(read.m_byteA, 7);
        EXPECT_EQ(read.m_byteB, 8);
    }
}

}  // namespace

}  // namespace item_records_test
