#include "engine/base/string.h"

#include <gtest/gtest.h>

#include <string>

namespace string_test {

namespace {

struct CapacityCase {
    const char* name;
    const char* text;
    uint32_t capacity;
};

void PrintTo(const CapacityCase& c, std::ostream* out) { *out << c.name; }

class StringCapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(StringCapacityTest, growsInStepsOfTen) {
    const SString text(GetParam().text);
    EXPECT_EQ(text.Capacity(), GetParam().capacity);
    EXPECT_STREQ(text.Text(), GetParam().text ? GetParam().text : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, StringCapacityTest,
                         ::testing::Values(CapacityCase{"null", nullptr, 10}, CapacityCase{"empty", "", 10},
                                           CapacityCase{"eightCharacters", "abcdefgh", 10},
                                           CapacityCase{"nineCharacters", "abcdefghi", 20},
                                           CapacityCase{"nineteenCharacters", "abcdefghijklmnopqrs", 30}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SString, assignOfNullKeepsTheText) {
    SString text("keep");
    text.Assign(nullptr);
    EXPECT_STREQ(text.Text(), "keep");
}

TEST(SString, assignGrowsByStepsUntilTheTextFits) {
    SString text;
    text.Assign("0123456789");  // length 10 needs more than 10 bytes
    EXPECT_EQ(text.Capacity(), 20u);
    text.Assign("ab");
    EXPECT_EQ(text.Capacity(), 20u);
    EXPECT_STREQ(text.Text(), "ab");
}

TEST(SString, appendReservesRoundedToTheStep) {
    SString text("abc");
    text.Append("defgh");  // 3 + 6 + 1 = 10 does not fit in 10: ((10 / 10) + 1) x 10
    EXPECT_EQ(text.Capacity(), 20u);
    EXPECT_STREQ(text.Text(), "abcdefgh");
}

TEST(SString, appendingItsOwnTextSurvivesTheNewBuffer) {
    SString text("abcdefgh");
    text.Append(text.Text());
    EXPECT_STREQ(text.Text(), "abcdefghabcdefgh");
    text.Prepend(text.Text() + 12);
    EXPECT_STREQ(text.Text(), "efghabcdefghabcdefgh");
}

TEST(SString, appendVariants) {
    SString text;
    text.AppendN("xyz", 2);
    text.AppendN("q", 5);
    text.AppendChar('!');
    text.Append(nullptr);
    EXPECT_STREQ(text.Text(), "xyq!");
}

TEST(SString, prependPutsTextFirst) {
    SString text("world");
    text.Prepend("hello ");
    text.PrependChar('>');
    EXPECT_STREQ(text.Text(), ">hello world");
    SString empty;
    empty.PrependChar('x');
    EXPECT_STREQ(empty.Text(), "x");
}

TEST(SString, formatReplacesAndAppendFormatAppends) {
    SString text("old");
    text.Format("%s has %d gold", "Brim", 42);
    EXPECT_STREQ(text.Text(), "Brim has 42 gold");
    text.AppendFormat(" (%u)", 7u);
    EXPECT_STREQ(text.Text(), "Brim has 42 gold (7)");
    EXPECT_GT(text.Capacity(), static_cast<uint32_t>(text.Length()));
}

TEST(SString, formatCutsAnOverlongTextToItsScratchSize) {
    const std::string longText(SString::kFormatLimit * 2, 'x');
    SString text;
    text.Format("%s", longText.c_str());
    EXPECT_EQ(text.Length(), SString::kFormatLimit - 1);
    text.AppendFormat("%s", longText.c_str());
    EXPECT_EQ(text.Length(), SString::kFormatLimit - 1 + SString::kAppendFormatLimit - 1);
}

TEST(SString, replaceAllGrowsForLongerText) {
    SString text("a.a.a.a.a");
    text.ReplaceAll(".", "<->");
    EXPECT_STREQ(text.Text(), "a<->a<->a<->a<->a");
    EXPECT_GT(text.Capacity(), static_cast<uint32_t>(text.Length()));
    text.IReplaceAll("A<->", "");
    EXPECT_STREQ(text.Text(), "a");
}

TEST(SString, replaceDayFillsEveryMarker) {
    SString text("Day %day% of %DAY%");
    text.ReplaceDay(-3);
    EXPECT_STREQ(text.Text(), "Day -3 of -3");
}

TEST(SString, atIsZeroOutsideTheText) {
    SString text("abc");
    EXPECT_EQ(text.At(0), 'a');
    EXPECT_EQ(text.At(3), '\0');
    EXPECT_EQ(text.At(-1), '\0');
    EXPECT_EQ(text.SetAt(-1, 'x'), 3);
    EXPECT_EQ(text.SetAt(1, 'B'), 3);
    EXPECT_STREQ(text.Text(), "aBc");
}

TEST(SString, copiesAreIndependent) {
    SString original("abcdefghijk");
    SString copy(original);
    SString assigned;
    assigned = original;
    original.SetAt(0, 'X');
    EXPECT_STREQ(copy.Text(), "abcdefghijk");
    EXPECT_STREQ(assigned.Text(), "abcdefghijk");
    EXPECT_EQ(assigned.Capacity(), original.Capacity());
}

TEST(SString, comparisonsTreatNullAsNeverEqual) {
    const SString text("Abc");
    EXPECT_TRUE(text.Equals("Abc"));
    EXPECT_FALSE(text.Equals(nullptr));
    EXPECT_TRUE(text.NotEquals(nullptr));
    EXPECT_EQ(text.Compare(nullptr), -1);
    EXPECT_EQ(text.ICompare("aBC"), 0);
    EXPECT_EQ(text.IFind("BC"), 1);
    EXPECT_EQ(text.Find(nullptr), -1);
    EXPECT_STREQ(text.Left(2).Text(), "Ab");
    EXPECT_STREQ(text.Right(2).Text(), "bc");
}

}  // namespace

}  // namespace string_test
