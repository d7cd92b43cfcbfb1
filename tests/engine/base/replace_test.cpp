#include "engine/base/replace.h"

#include <gtest/gtest.h>

#include <string>

namespace replace_test {

namespace {

struct ReplaceCase {
    const char* name;
    const char* text;
    const char* oldText;
    const char* newText;
    const char* exact;
    const char* folded;
};

void PrintTo(const ReplaceCase& c, std::ostream* out) { *out << c.name; }

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, replacesEveryOccurrence) {
    const ReplaceCase& c = GetParam();
    char exact[32];
    char folded[32];
    std::snprintf(exact, sizeof exact, "%s", c.text);
    std::snprintf(folded, sizeof folded, "%s", c.text);
    StrReplaceAll(exact, sizeof exact, c.oldText, c.newText);
    StrIReplaceAll(folded, sizeof folded, c.oldText, c.newText);
    EXPECT_STREQ(exact, c.exact);
    EXPECT_STREQ(folded, c.folded);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceTest,
                         ::testing::Values(ReplaceCase{"nonOverlapping", "aaa", "aa", "b", "ba", "ba"},
                                           ReplaceCase{"replacementNotScannedAgain", "ab", "a", "aa", "aab", "aab"},
                                           ReplaceCase{"grows", "x%Day%y%DAY%", "%Day%", "12", "x12y%DAY%", "x12y12"},
                                           ReplaceCase{"removes", "a-b-c", "-", "", "abc", "abc"},
                                           ReplaceCase{"emptyOldMatchesNothing", "abc", "", "x", "abc", "abc"},
                                           ReplaceCase{"nullOldMatchesNothing", "abc", nullptr, "x", "abc", "abc"},
                                           ReplaceCase{"nullNewRemoves", "abc", "b", nullptr, "ac", "ac"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Replace, cutsAResultThatOutgrowsTheBuffer) {
    char text[8] = "abab";
    StrReplaceAll(text, sizeof text, "b", "xyz");
    EXPECT_STREQ(text, "axyzaxy");
}

}  // namespace

}  // namespace replace_test
