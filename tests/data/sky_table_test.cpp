#include "data/sky_table.h"

#include <gtest/gtest.h>

#include "engine/base/archive.h"
#include "support/module_fixture.h"
#include "support/picture_record.h"
#include "support/record_package.h"

namespace sky_table_test {

namespace {

std::unique_ptr<SSkyType> makeSky(const char* name, uint8_t kind, uint8_t key, uint16_t fogColour = 0) {
    auto sky = std::make_unique<SSkyType>();
    sky->name.Set(name);
    sky->pictureName.Assign((std::string("bres_") + name).c_str());
    sky->kind = kind;
    sky->key = key;
    sky->fogColour = fogColour;
    return sky;
}

// The fog colour tells the skies apart in the view.
class SkyPickTest : public ::testing::Test {
protected:
    void SetUp() override {
        skies.Add(makeSky("dawn", SSkyType::kDawnOrDusk, 50, 4));
        skies.Add(makeSky("clearday", SSkyType::kDay, 10, 10));
        skies.Add(makeSky("rainday", SSkyType::kDay, 90, 90));
        skies.Add(makeSky("night", SSkyType::kNight, 0, 2));
    }
    uint16_t pick(int hour, int roll) {
        SSkyView view;
        view.fogColour = 0xFFFF;
        skies.PickForHour(hour, roll, view);
        return view.fogColour;
    }
    SSkyTable skies;
};

TEST_F(SkyPickTest, theHourPicksTheKindAndTheRollTheNearestKey) {
    struct Row {
        int hour, roll;
        uint16_t fog;
    };
    for (Row row : {Row{5, 50, 2}, Row{6, 50, 4}, Row{7, 0, 4}, Row{8, 10, 10}, Row{19, 80, 90}, Row{20, 50, 4},
                    Row{21, 100, 4}, Row{22, 50, 2}, Row{0, 50, 2}, Row{12, 49, 10}, Row{12, 51, 90}})
        EXPECT_EQ(pick(row.hour, row.roll), row.fog) << "hour " << row.hour << " roll " << row.roll;
}

TEST_F(SkyPickTest, onEqualDistanceTheFirstInNameHashOrderStays) {
    const bool clearFirst = HashName("clearday") <= HashName("rainday");
    EXPECT_EQ(pick(12, 50), clearFirst ? 10 : 90);
}

TEST_F(SkyPickTest, withoutASkyOfTheKindTheViewStaysAsItWas) {
    SSkyTable daysOnly;
    daysOnly.Add(makeSky("clearday", SSkyType::kDay, 10, 10));
    SSkyView view{5, 6, 7, 8};
    daysOnly.PickForHour(22, 50, view);
    EXPECT_EQ(view.cloudScroll, 5);
    EXPECT_EQ(view.fogColour, 6);
    EXPECT_EQ(view.visibility, 7);
    EXPECT_EQ(view.pictureSlot, 8u);
    EXPECT_FALSE(daysOnly.Get("night", view));
    EXPECT_EQ(view.fogColour, 6);
    EXPECT_TRUE(daysOnly.Get("clearday", view));
    EXPECT_EQ(view.fogColour, 10);
}

class SkyTableTest : public RecordPackageTest {};

// A sky written and read at one version: what the older records lack takes its default.
TEST_F(SkyTableTest, olderRecordsLeaveOutTheirLaterFields) {
    struct Row {
        int version;
        const char* pictureName;
        int8_t cloudScroll;
        uint16_t fogColour;
        uint8_t visibility;
    };
    for (Row row : {Row{114, "bres_stars", -3, 0x1234, 40}, Row{76, "bres_stars", -3, 0x1234, 40},
                    Row{75, "bres_stars", 0, 0x1234, 40}, Row{39, "bres_stars", 0, 0x1234, 40},
                    Row{38, "night", 0, 0x1234, 40}, Row{32, "night", 0, 0x1234, 40}, Row{31, "night", 0, 0, 100}}) {
        SSkyTable written;
        auto sky = makeSky("night", SSkyType::kNight, 30, 0x1234);
        sky->pictureName.Assign("bres_stars");
        sky->cloudScroll = -3;
        sky->visibility = 40;
        written.Add(std::move(sky));
        SSkyTable read;
        ASSERT_TRUE(read.Load(OpenRecords(written.Write(row.version), row.version))) << Refusal();
        const SSkyType* night = read.Find("night");
        ASSERT_NE(night, nullptr) << row.version;
        EXPECT_STREQ(night->pictureName.Text(), row.pictureName) << row.version;
        EXPECT_EQ(night->kind, SSkyType::kNight);
        EXPECT_EQ(night->key, 30);
        EXPECT_EQ(night->cloudScroll, row.cloudScroll) << row.version;
        EXPECT_EQ(night->fogColour, row.fogColour) << row.version;
        EXPECT_EQ(night->visibility, row.visibility) << row.version;
    }
}

TEST_F(SkyTableTest, anEmptyPictureNameMeansTheSkysOwnName) {
    SSkyTable written;
    auto sky = makeSky("bres_dusk", SSkyType::kDawnOrDusk, 0);
    sky->pictureName.Assign("");
    written.Add(std::move(sky));
    SSkyTable read;
    ASSERT_TRUE(read.Load(OpenRecords(written.Write(114), 114))) << Refusal();
    EXPECT_STREQ(read.Find("bres_dusk")->pictureName.Text(), "bres_dusk");
}

TEST_F(SkyTableTest, damagedSkiesAreRefused) {
    struct Row {
        const char* name;
        void (*spoil)(SRecordList&);
        const char* expected;
    };
    // One sky "dawn": tag 'B', pad, count at 2; its record from 4: 'A', "dawn", picture name
    // "bres_dawn", kind at 20, key at 21, fog colour at 22, visibility at 24, cloud scroll at 25.
    for (Row row :
         {Row{"kind3", [](SRecordList& r) { r[0][20] = 3; },
              "record 100 (the sky table): sky \"dawn\" has kind 3; skies are of kind 1 (day), 2 (night) or "
              "4 (dawn and dusk)"},
          Row{"visibility101", [](SRecordList& r) { r[0][24] = 101; },
              "record 100 (the sky table): sky \"dawn\" has a visibility of 101 percent"},
          Row{"countTooHigh", [](SRecordList& r) { r[0][2] = 2; }, "record 100 (the sky table) at byte 28: cut short"},
          Row{"cutInThePictureName", [](SRecordList& r) { r[0].resize(12); },
              "record 100 (the sky table) at byte 14: cut short"}}) {
        SSkyTable written;
        written.Add(makeSky("dawn", SSkyType::kDawnOrDusk, 50));
        SRecordList records = written.Write(114);
        ASSERT_EQ(records[0][20], SSkyType::kDawnOrDusk) << "the layout above holds";
        row.spoil(records);
        SSkyTable read;
        EXPECT_FALSE(read.Load(OpenRecords(records, 114))) << row.name;
        EXPECT_NE(Refusal().find(row.expected), std::string::npos) << row.name << ": " << Refusal();
    }
}

// The sky's picture comes from the resource cache of the packages opened; its slot is the view's.
class SkyPictureTest : public ModuleTest {};

TEST_F(SkyPictureTest, theViewGetsTheSlotOfTheSkysPicture) {
    TestWorldPackage package;
    package.pictures = {{"bres_one", PictureRecord(0, 1, 1, {0}, {0x1111})},
                        {"bres_night", PictureRecord(0, 2, 1, {0, 0}, {0x2222})}};
    ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();
    SSkyTable skies;
    skies.Attach(&cache);
    skies.Add(makeSky("night", SSkyType::kNight, 0));
    skies.Add(makeSky("day", SSkyType::kDay, 0));  // "bres_day" is no picture of the package
    skies.LoadPictures();
    cache.AssignSlots();

    SSkyView view;
    skies.PickForHour(23, 0, view);
    const SPictureEntry* picture = cache.FindPicture("bres_night");
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(picture->data, nullptr) << "loaded";
    EXPECT_EQ(view.pictureSlot, picture->slot);
    EXPECT_NE(view.pictureSlot, 0u);
    EXPECT_EQ(cache.SlotWidths()[view.pictureSlot], 2);
    skies.PickForHour(12, 0, view);
    EXPECT_EQ(view.pictureSlot, 0u) << "a sky without its picture shows none";
}

}  // namespace

}  // namespace sky_table_test
