#include "data/palette_holder.h"

#include <list>

#include "engine/base/archive.h"
#include "engine/files/pdb_writer.h"
#include "engine/packages/resource_cache.h"
#include "engine/packages/resource_index.h"
#include "support/temp_folder.h"

namespace palette_holder_test {

namespace {

class PaletteHolderTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        SPdbWriter writer;
        writer.Attach(folder);
        writer.SetTypeAndCreator("DATA", kPackageCreator);
        uint16_t id = 4000;
        WriteResourceIndex(writer, id, {},
                           {{"bres_red", std::vector<uint8_t>(8, 1)}, {"bres_blue", std::vector<uint8_t>(8, 2)}});
        ASSERT_TRUE(writer.Write("Pkg"));
        package.Attach(folder);
        ASSERT_TRUE(package.Open("Pkg"));
        cache.Init();
        id = 4000;
        ASSERT_TRUE(cache.ReadIndex(package, id));
        cache.AssignSlots();
    }

    // A holder read from a record naming the given palettes.
    void readHolder(SPaletteHolder& holder, std::vector<const char*> names) {
        SPaletteHolder source;
        for (const char* name : names) source.m_paletteNames.Append(name);
        SArchive writer;
        writer.OpenWrite();
        source.SerializePaletteNames(writer, 0);
        records.emplace_back(writer.Data(), writer.Data() + writer.GetSize());
        SArchive reader;
        reader.OpenRead(records.back().data(), uint32_t(records.back().size()));
        holder.SerializePaletteNames(reader, 0);
        ASSERT_FALSE(reader.Failed());
    }

    SFileFolder folder{Folder()};
    SPdb package;
    SResourceCache cache;
    std::list<std::vector<uint8_t>> records;
};

TEST_F(PaletteHolderTest, namesReadBackFromTheirRecord) {
    SPaletteHolder holder;
    readHolder(holder, {"bres_red", "bres_nowhere"});
    ASSERT_EQ(holder.m_paletteNames.Count(), 2);
    EXPECT_STREQ(holder.m_paletteNames[1], "bres_nowhere");
}

TEST_F(PaletteHolderTest, aPaletteStaysUntilItsLastHolderReleasesIt) {
    SPaletteHolder first, second;
    readHolder(first, {"bres_red", "bres_nowhere"});
    readHolder(second, {"bres_red"});
    const SPaletteEntry& red = *cache.FindPalette("bres_red");

    first.AcquirePalettes(cache);
    second.AcquirePalettes(cache);
    ASSERT_NE(red.data, nullptr);
    EXPECT_EQ(cache.SlotPaletteData()[red.slot], red.data);

    first.ReleasePalettes(cache);
    EXPECT_NE(red.data, nullptr) << "the second holder still draws with it";
    second.ReleasePalettes(cache);
    EXPECT_EQ(red.data, nullptr);
    EXPECT_EQ(cache.SlotPaletteData()[red.slot], nullptr);
    EXPECT_EQ(cache.FindPalette("bres_blue")->data, nullptr);
}

TEST_F(PaletteHolderTest, aHolderWithoutNamesTouchesNothing) {
    SPaletteHolder holder;
    readHolder(holder, {});
    holder.AcquirePalettes(cache);
    EXPECT_EQ(cache.FindPalette("bres_red")->data, nullptr);
    holder.ReleasePalettes(cache);
}

}  // namespace

}  // namespace palette_holder_test
