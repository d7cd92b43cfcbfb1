#include "engine/base/c_string.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace c_string_test {

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

struct CompareCase {
    const char* name;
    const char* a;
    const char* b;
    int exact;   // sign of StrCmp
    int folded;  // sign of StrICmp
};

void PrintTo(const CompareCase& c, std::ostream* out) { *out << c.name; }

class CompareTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTest, ordersTexts) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(Sign(StrCmp(c.a, c.b)), c.exact);
    EXPECT_EQ(Sign(StrICmp(c.a, c.b)), c.folded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareTest,
    ::testing::Values(
        CompareCase{"equal", "abc", "abc", 0, 0}, CompareCase{"caseOnly", "ABC", "abc", -1, 0},
        // The folded order decides the sign, not the raw bytes 'c' and 'D'.
        CompareCase{"mixedCaseLower", "abc", "ABD", 1, -1}, CompareCase{"mixedCaseUpper", "ABC", "abd", -1, -1},
        CompareCase{"prefixFirst", "ab", "abc", -1, -1}, CompareCase{"nullAfterText", nullptr, "a", 1, 1},
        CompareCase{"textBeforeNull", "a", nullptr, -1, -1},
        // Bytes above 127 are negative, so they sort before ASCII.
        CompareCase{"highByteSigned", "\xE9", "a", -1, -1}, CompareCase{"onlyAtoZFold", "@", "`", -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct SearchCase {
    const char* name;
    const char* text;
    const char* sub;
    int find, ifind, count, icount;
};

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class SearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, findsAndCounts) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(StrFind(c.text, c.sub), c.find);
    EXPECT_EQ(StrIFind(c.text, c.sub), c.ifind);
    EXPECT_EQ(StrCount(c.text, c.sub), c.count);
    EXPECT_EQ(StrICount(c.text, c.sub), c.icount);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchTest,
    ::testing::Values(
        SearchCase{"middle", "xxabyy", "ab", 2, 2, 1, 1}, SearchCase{"caseDiffers", "xxABab", "ab", 4, 2, 1, 2},
        SearchCase{"nonOverlapping", "aaaa", "aa", 0, 0, 2, 2}, SearchCase{"absent", "abc", "abd", -1, -1, 0, 0},
        SearchCase{"subLongerThanText", "ab", "abc", -1, -1, 0, 0}, SearchCase{"emptySub", "abc", "", -1, -1, 0, 0},
        SearchCase{"emptyText", "", "a", -1, -1, 0, 0}, SearchCase{"nullText", nullptr, "a", -1, -1, 0, 0},
        SearchCase{"nullSub", "abc", nullptr, -1, -1, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CString, findCharAnswersTheFirstIndex) {
    EXPECT_EQ(StrFindChar("a,b,c", ','), 1);
    EXPECT_EQ(StrFindChar("abc", 'x'), -1);
    EXPECT_EQ(StrFindChar(nullptr, 'x'), -1);
}

TEST(CString, boundedCopyAndAppendStopAtTheCount) {
    char buffer[8] = "zzzzzzz";
    StrNCopy(buffer, "abcdef", 3);
    EXPECT_STREQ(buffer, "abc");
    StrNCat(buffer, "defgh", 2);
    EXPECT_STREQ(buffer, "abcde");
    StrAppendChar(buffer, '!');
    EXPECT_STREQ(buffer, "abcde!");
    StrNCat(buffer, nullptr, 3);
    EXPECT_STREQ(buffer, "abcde!");
}

TEST(CString, leftAndRightTakeAtMostTheText) {
    const std::unique_ptr<char[]> left(StrLeft("abcdef", 2));
    const std::unique_ptr<char[]> right(StrRight("abcdef", 2));
    const std::unique_ptr<char[]> whole(StrRight("abc", 10));
    const std::unique_ptr<char[]> none(StrLeft("abc", -1));
    EXPECT_STREQ(left.get(), "ab");
    EXPECT_STREQ(right.get(), "ef");
    EXPECT_STREQ(whole.get(), "abc");
    EXPECT_STREQ(none.get(), "");
    EXPECT_EQ(StrLeft(nullptr, 2), nullptr);
}

TEST(CString, reverseAndLowerWorkInPlace) {
    char text[] = "AbC\xC9z";
    StrLower(text);
    EXPECT_STREQ(text, "abc\xC9z");  // only A-Z change case
    StrReverse(text);
    EXPECT_STREQ(text,
                 "z\xC9"
                 "cba");
}

TEST(CString, wideningKeepsBytesAbove127AsLatin1) {
    wchar_t wide[4] = {L'x', L'x', L'x', L'x'};
    StrToWide(wide, "a\xE9");
    EXPECT_EQ(wide[0], L'a');
    EXPECT_EQ(wide[1], static_cast<wchar_t>(0xE9));
    EXPECT_EQ(wide[2], L'\0');
}

TEST(CString, articleFollowsTheFirstLetter) {
    EXPECT_STREQ(ArticleFor("apple"), "an");
    EXPECT_STREQ(ArticleFor("Orc"), "an");
    EXPECT_STREQ(ArticleFor("sword"), "a");
    EXPECT_STREQ(ArticleFor(""), "a");
    EXPECT_STREQ(ArticleFor(nullptr), "a");
}

}  // namespace

}  // namespace c_string_test
