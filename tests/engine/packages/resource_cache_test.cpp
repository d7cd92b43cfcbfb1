#include "engine/packages/resource_cache.h"

#include "engine/files/pdb_writer.h"
#include "engine/packages/resource_index.h"
#include "support/picture_record.h"
#include "support/temp_folder.h"

namespace resource_cache_test {

namespace {

std::vector<uint8_t> blankPicture(int width, int height) {
    return PictureRecord(0, width, height, std::vector<uint32_t>(size_t(width * height), 0), {0x1234});
}

class ResourceCacheTest : public TempFolderTest {
protected:
    // Writes a package with the given pictures and palettes from record 4000 on, opens it and
    // reads its index into the cache.
    void openPackage(const std::vector<SNamedResource>& pictures, const std::vector<SNamedResource>& palettes) {
        SPdbWriter writer;
        writer.Attach(folder);
        writer.SetTypeAndCreator("DATA", kPackageCreator);
        uint16_t id = 4000;
        WriteResourceIndex(writer, id, pictures, palettes);
        writtenNextId = id;
        ASSERT_TRUE(writer.Write("Pkg"));
        package.Attach(folder);
        ASSERT_TRUE(package.Open("Pkg")) << package.Error().Message();
        cache.Init();
        nextId = 4000;
        ASSERT_TRUE(cache.ReadIndex(package, nextId)) << cache.Error().Message();
    }

    SFileFolder folder{Folder()};
    SPdb package;
    SResourceCache cache;
    uint16_t nextId = 0;
    uint16_t writtenNextId = 0;
};

TEST_F(ResourceCacheTest, aNewCacheFindsNothingAndNeverEntryZero) {
    SResourceCache empty;
    empty.Init();
    EXPECT_EQ(empty.FindPicture("bres_any"), nullptr);
    EXPECT_EQ(empty.FindPicture(nullptr), nullptr);
    EXPECT_EQ(empty.FindPalette(""), nullptr);
    EXPECT_EQ(empty.FindPaletteSlot("bres_pal"), 0u);
    EXPECT_EQ(empty.PictureCount(), 1);
    EXPECT_EQ(empty.PictureCapacity(), 100);
}

TEST_F(ResourceCacheTest, namesFindTheirEntriesAndTheIdsRunOn) {
    openPackage(
        {{"bres_wall", blankPicture(2, 2)}, {"bres_door", blankPicture(4, 3)}, {"bres_sky", blankPicture(6, 1)}},
        {{"bres_pal1", std::vector<uint8_t>(32, 1), "p", 7}, {"bres_pal2", std::vector<uint8_t>(32, 2)}});
    EXPECT_EQ(nextId, 4000 + 3 + 1 + 2 + 1);
    EXPECT_EQ(nextId, writtenNextId);
    ASSERT_NE(cache.FindPicture("bres_door"), nullptr);
    EXPECT_EQ(cache.FindPicture("bres_door")->recordId, 4002);
    EXPECT_EQ(cache.FindPicture("bres_door"), cache.Picture(2));
    EXPECT_EQ(cache.FindPicture("bres_doo"), nullptr);
    SPaletteEntry* palette = cache.FindPalette("bres_pal1");
    ASSERT_NE(palette, nullptr);
    EXPECT_STREQ(palette->secondText, "p");
    EXPECT_EQ(palette->value, 7);
    EXPECT_EQ(palette->recordId, 4005);
    cache.AssignSlots();
    EXPECT_EQ(cache.FindPaletteSlot("bres_pal2"), 2u);
}

TEST_F(ResourceCacheTest, aPictureIsLoadedAndCountedOnce) {
    openPackage({{"bres_wall", blankPicture(2, 2)}, {"bres_door", blankPicture(4, 3)}}, {});
    cache.AssignSlots();
    SPictureEntry& door = *cache.FindPicture("bres_door");
    ASSERT_TRUE(cache.LoadPicture(door));
    const uint32_t size = door.size;
    EXPECT_EQ(cache.LoadedBytes(), size);
    ASSERT_TRUE(cache.LoadPicture(door));
    EXPECT_EQ(cache.LoadedBytes(), size);
    int width = 0, height = 0;
    SResourceCache::PictureSize(door, width, height);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 3);
    EXPECT_EQ(cache.SlotWidths()[2], 4);
    EXPECT_EQ(cache.SlotHeights()[2], 3);
    EXPECT_EQ(cache.SlotData()[2], door.data);

    cache.UnloadPicture(door);
    EXPECT_EQ(cache.LoadedBytes(), 0u);
    EXPECT_EQ(cache.SlotData()[2], nullptr);
    EXPECT_EQ(cache.SlotWidths()[2], 0);
    ASSERT_TRUE(cache.LoadPicture("bres_door"));
    EXPECT_EQ(cache.LoadedBytes(), size);
}

// The decoded pixels point at the record's texels, so they must go when the record goes.
TEST_F(ResourceCacheTest, unloadingAPictureReleasesItsDecodedPixels) {
    openPackage({{"bres_door", blankPicture(4, 3)}}, {});
    SPictureEntry& door = *cache.FindPicture("bres_door");
    ASSERT_TRUE(cache.LoadPicture(door));
    door.decoded.Update(door.picture, SColourSource::OwnTable);
    EXPECT_EQ(door.decoded.Bytes(), 4u * 3 * 2);
    cache.UnloadPicture(door);
    EXPECT_EQ(door.decoded.Bytes(), 0u);
    EXPECT_TRUE(door.decoded.Opaque().empty());
}

TEST_F(ResourceCacheTest, anEmptyPictureIndexKeepsNoRecordAndThePalettesFollowAtOnce) {
    openPackage({}, {{"bres_pal", std::vector<uint8_t>(8, 3)}});
    EXPECT_EQ(cache.KeptIndexRecords(), 1u);
    EXPECT_EQ(cache.FindPalette("bres_pal")->recordId, 4002);
    EXPECT_EQ(nextId, 4003);
    cache.AssignSlots();
    ASSERT_TRUE(cache.LoadPalette("bres_pal"));
    EXPECT_EQ(cache.SlotPaletteData()[1][0], 3);
}

TEST_F(ResourceCacheTest, theTableGrowsBeforeItsLastSlotIsTaken) {
    SResourceCache grown;
    grown.Init();
    for (int i = 0; i < 98; ++i) grown.AddPicture(std::make_unique<SPictureEntry>());
    EXPECT_EQ(grown.PictureCount(), 99);
    EXPECT_EQ(grown.PictureCapacity(), 100);
    grown.AddPicture(std::make_unique<SPictureEntry>());
    EXPECT_EQ(grown.PictureCapacity(), 200);
    EXPECT_EQ(grown.SlotData().size(), 200u);
}

TEST_F(ResourceCacheTest, aPictureWhoseRecordIsMissingFailsClearly) {
    openPackage({{"bres_wall", blankPicture(2, 2)}}, {});
    SPictureEntry& wall = *cache.FindPicture("bres_wall");
    wall.recordId = 4999;
    EXPECT_FALSE(cache.LoadPicture(wall));
    EXPECT_NE(cache.Error().Message().find("bres_wall"), std::string::npos) << cache.Error().Message();
    EXPECT_NE(cache.Error().Message().find("4999"), std::string::npos);
    EXPECT_EQ(wall.data, nullptr);
    EXPECT_EQ(cache.LoadedBytes(), 0u);
}

// The fault's byte counts from the record's start, the four bytes before the picture included.
TEST_F(ResourceCacheTest, aDamagedPictureNamesItsRecordAndTheByteOfTheFault) {
    struct Case {
        const char* name;
        std::vector<uint8_t> picture;
        uint32_t offset;
    };
    std::vector<uint8_t> formatThree = blankPicture(2, 2);
    formatThree[0] = 3;
    const Case cases[] = {{"formatThree", formatThree, 4},
                          {"colourPastTheTable", PictureRecord(0, 2, 1, {0, 200}, {0x1234}), 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cache.Clear();
        openPackage({{"bres_wall", c.picture}}, {});
        EXPECT_FALSE(cache.LoadPicture("bres_wall"));
        const SReadError& error = cache.Error();
        EXPECT_EQ(error.file, PathOf("Pkg.pdb"));
        EXPECT_EQ(error.record, 4001);
        EXPECT_EQ(error.contents, "picture \"bres_wall\"");
        EXPECT_EQ(error.offset, c.offset);
        EXPECT_EQ(cache.FindPicture("bres_wall")->data, nullptr);
    }
}

// A name stored empty reads back as a null name; a refused record of such an entry once built its
// message from the null pointer and ended the program.
TEST_F(ResourceCacheTest, aNamelessPictureWhoseRecordIsRefusedGetsAMessage) {
    std::vector<uint8_t> formatThree = blankPicture(2, 2);
    formatThree[0] = 3;
    const std::vector<uint8_t> cut = {0, 0};
    for (const std::vector<uint8_t>& picture : {formatThree, cut}) {
        cache.Clear();
        openPackage({{"", picture}}, {});
        SPictureEntry* entry = cache.Picture(1);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->name.Text(), nullptr);
        EXPECT_FALSE(cache.LoadPicture(*entry));
        EXPECT_NE(cache.Error().Message().find("Pkg.pdb: record 4001 (picture \"\")"), std::string::npos)
            << cache.Error().Message();
    }
}

TEST_F(ResourceCacheTest, aDamagedIndexIsRefused) {
    SPdbWriter writer;
    writer.Attach(folder);
    writer.SetTypeAndCreator("DATA", kPackageCreator);
    const uint8_t truncated[] = {'<', 0, 2, 0, 'a', 0};  // claims two entries, holds half of one
    writer.AddRecord(4000, truncated, sizeof truncated);
    ASSERT_TRUE(writer.Write("Bad"));
    SPdb bad;
    bad.Attach(folder);
    ASSERT_TRUE(bad.Open("Bad"));
    uint16_t id = 4000;
    EXPECT_FALSE(cache.ReadIndex(bad, id));
    EXPECT_NE(cache.Error().Message().find("4000"), std::string::npos) << cache.Error().Message();
    EXPECT_EQ(cache.FindPicture("a"), nullptr);
}

TEST_F(ResourceCacheTest, clearForgetsEntriesAndTheirIndexRecords) {
    openPackage({{"bres_wall", blankPicture(2, 2)}}, {{"bres_pal", std::vector<uint8_t>(8, 3)}});
    ASSERT_TRUE(cache.LoadPicture("bres_wall"));
    cache.Clear();
    EXPECT_EQ(cache.KeptIndexRecords(), 0u);
    EXPECT_EQ(cache.LoadedBytes(), 0u);
    EXPECT_EQ(cache.PictureCount(), 1);
    EXPECT_EQ(cache.FindPicture("bres_wall"), nullptr);
}

}  // namespace

}  // namespace resource_cache_test
