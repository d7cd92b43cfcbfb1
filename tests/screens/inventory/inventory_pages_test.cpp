#include "screens/inventory/inventory_pages.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/base/archive.h"
#include "engine/base/byte_order.h"

namespace inventory_pages_test {

namespace {

std::vector<uint8_t> written(SInventoryPages pages) {
    SArchive archive;
    archive.OpenWrite();
    pages.Serialize(archive);
    return {archive.Data(), archive.Data() + archive.GetSize()};
}

bool read(const std::vector<uint8_t>& bytes, SInventoryPages& pages) {
    SArchive archive;
    archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
    return pages.Read(archive);
}

// The eight words without the tag, as a record that lacks it holds them.
std::vector<uint8_t> untagged(std::initializer_list<uint32_t> words) {
    std::vector<uint8_t> bytes(words.size() * 4);
    size_t at = 0;
    for (uint32_t word : words) {
        WriteLE32(&bytes[at], word);
        at += 4;
    }
    return bytes;
}

SInventoryPages sample() {
    SInventoryPages pages;
    pages.page = 3;
    pages.returnPage = 1;
    pages.subPage = 4;
    pages.descriptionView = 0;
    pages.itemFilter = 8;
    pages.effectsFilter = 2;
    pages.questFilter = 3;
    pages.spellSchool = 7;
    return pages;
}

bool same(const SInventoryPages& a, const SInventoryPages& b) {
    return a.page == b.page && a.returnPage == b.returnPage && a.subPage == b.subPage &&
           a.descriptionView == b.descriptionView && a.itemFilter == b.itemFilter &&
           a.effectsFilter == b.effectsFilter && a.questFilter == b.questFilter && a.spellSchool == b.spellSchool;
}

// A failure here means saved games of other versions of the game no longer read alike.
TEST(InventoryPages, theRecordIsTheTagThreeZerosAndEightWords) {
    const std::vector<uint8_t> bytes = written(sample());
    std::vector<uint8_t> expected = {'X', 0, 0, 0};
    const std::vector<uint8_t> words = untagged({3, 1, 4, 0, 8, 2, 3, 7});
    expected.insert(expected.end(), words.begin(), words.end());
    EXPECT_EQ(bytes, expected);
}

TEST(InventoryPages, roundTripsWithAndWithoutTheTag) {
    SInventoryPages tagged;
    ASSERT_TRUE(read(written(sample()), tagged));
    EXPECT_TRUE(same(tagged, sample()));
    SInventoryPages bare;
    ASSERT_TRUE(read(untagged({3, 1, 4, 0, 8, 2, 3, 7}), bare));
    EXPECT_TRUE(same(bare, sample()));
}

TEST(InventoryPages, aRecordCutShortIsRefusedAndChangesNothing) {
    std::vector<uint8_t> bytes = written(sample());
    for (size_t size : {size_t(0), size_t(1), size_t(4), bytes.size() - 1}) {
        SInventoryPages pages;
        EXPECT_FALSE(read({bytes.begin(), bytes.begin() + ptrdiff_t(size)}, pages)) << size;
        EXPECT_TRUE(same(pages, SInventoryPages())) << size;
    }
}

struct RangeCase {
    const char* name;
    std::vector<uint8_t> bytes;
    SInventoryPages expected;
};

// Values outside their ranges only say where the screen stood: they fall back to the first page,
// no filter and the first school.
TEST(InventoryPages, valuesOutsideTheirRangesFallBack) {
    SInventoryPages defaults;
    SInventoryPages handQuestion;
    handQuestion.page = SInventoryPages::kHandQuestion;
    const RangeCase cases[] = {
        {"page 77", untagged({77, 0, 0, 1, 0, 0, 0, 1}), defaults},
        {"page 9 is a page", untagged({9, 0, 0, 1, 0, 0, 0, 1}), handQuestion},
        {"every word too large", untagged({10, 4, 5, 2, 9, 3, 4, 8}), defaults},
        {"school 0", untagged({0, 0, 0, 1, 0, 0, 0, 0}), defaults},
    };
    for (const RangeCase& c : cases) {
        SInventoryPages pages = sample();
        ASSERT_TRUE(read(c.bytes, pages)) << c.name;
        EXPECT_TRUE(same(pages, c.expected)) << c.name;
    }
}

}  // namespace

}  // namespace inventory_pages_test
