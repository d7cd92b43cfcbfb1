#include "engine/base/name.h"

#include <gtest/gtest.h>

#include <string>

namespace name_test {

namespace {

struct HashCase {
    const char* name;
    const char* text;
    uint16_t hash;
    uint16_t shortHash;
};

void PrintTo(const HashCase& c, std::ostream* out) { *out << c.name; }

class NameHashTest : public ::testing::TestWithParam<HashCase> {};

TEST_P(NameHashTest, hashesAsTheDataFilesExpect) {
    EXPECT_EQ(HashName(GetParam().text), GetParam().hash);
    EXPECT_EQ(HashName5(GetParam().text), GetParam().shortHash);
}

INSTANTIATE_TEST_SUITE_P(Cases, NameHashTest,
                         ::testing::Values(HashCase{"abc", "abc", 298, 297}, HashCase{"null", nullptr, 0, 0},
                                           HashCase{"empty", "", 0, 0},
                                           // 0xE9 counts as -23: 1 ^ 0xFFE9, and 0xFFE9 alone.
                                           HashCase{"byteAbove127", "\xE9", 0xFFE8, 0xFFE9},
                                           // The shift wraps after 11 characters: index 11 shifts by 0 again.
                                           HashCase{"twelveCharacters", "aaaaaaaaaaaa", 0x07B2, 0x043F},
                                           // Only five characters count for the short hash.
                                           HashCase{"sixCharacters", "abcdez", 0x0B1F, 0x0459}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SName, borrowedNameKeepsThePointer) {
    char record[] = "torch";
    SName name;
    name.Set(record);
    EXPECT_EQ(name.Text(), record);
    EXPECT_EQ(name.Hash(), HashName("torch"));
    EXPECT_EQ(name.ShortHash(), HashName5("torch"));
}

TEST(SName, ownedNameKeepsACopy) {
    char record[] = "torch";
    SName name;
    name.SetOwned();
    name.Set(record);
    record[0] = 'p';
    EXPECT_STREQ(name.Text(), "torch");
    name.Set(name.Text());
    EXPECT_STREQ(name.Text(), "torch");
    name.Set(nullptr);
    EXPECT_EQ(name.Text(), nullptr);
    EXPECT_EQ(name.Hash(), 0);
}

TEST(SName, becomingOwnedCopiesABorrowedText) {
    char record[] = "torch";
    SName name;
    name.Set(record);
    name.SetOwned();
    record[0] = 'p';
    EXPECT_STREQ(name.Text(), "torch");
}

TEST(SName, matchesNeedsHashAndText) {
    SName name;
    name.Set("torch");
    EXPECT_TRUE(name.Matches("torch", HashName("torch")));
    EXPECT_FALSE(name.Matches("torch", HashName("torch") ^ 1));
    EXPECT_FALSE(name.Matches("Torch", HashName("torch")));
    EXPECT_FALSE(name.Matches(nullptr, 0));
    name.Release();
    EXPECT_EQ(name.Text(), nullptr);
    EXPECT_EQ(name.ShortHash(), 0);
}

}  // namespace

}  // namespace name_test
