#include "engine/base/format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace format_test {

// The game's own odd cases ("%-05d", "ab%xcd") are exactly what the compiler's printf checks reject.
#pragma GCC diagnostic ignored "-Wformat"
#pragma GCC diagnostic ignored "-Wformat-extra-args"

namespace {

// Each case formats one argument of the kind its conversion expects.
enum class Arg { None, Int, Unsigned, Long, Text };

struct FormatCase {
    const char* name;
    const char* format;
    Arg kind;
    long number;
    const char* text;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }

std::string FormatCaseText(const FormatCase& c, size_t size) {
    std::string out(size, '#');
    switch (c.kind) {
        case Arg::None: Format(out.data(), size, c.format); break;
        case Arg::Int: Format(out.data(), size, c.format, static_cast<int>(c.number)); break;
        case Arg::Unsigned: Format(out.data(), size, c.format, static_cast<unsigned>(c.number)); break;
        case Arg::Long: Format(out.data(), size, c.format, c.number); break;
        case Arg::Text: Format(out.data(), size, c.format, c.text); break;
    }
    return out.c_str();
}

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, writesTheGamesText) { EXPECT_EQ(FormatCaseText(GetParam(), 64), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatTest,
    ::testing::Values(FormatCase{"plainText", "gold: none", Arg::None, 0, nullptr, "gold: none"},
                      FormatCase{"percent", "100%% sure", Arg::None, 0, nullptr, "100% sure"},
                      FormatCase{"width", "[%5d]", Arg::Int, 42, nullptr, "[   42]"},
                      FormatCase{"leftJustified", "[%-5d]", Arg::Int, 42, nullptr, "[42   ]"},
                      FormatCase{"zeroPadGoesBeforeTheSign", "%05d", Arg::Int, -42, nullptr, "00-42"},
                      FormatCase{"plusOnPositive", "%+d", Arg::Int, 7, nullptr, "+7"},
                      FormatCase{"plusNotOnZero", "%+d", Arg::Int, 0, nullptr, "0"},
                      FormatCase{"plusNotOnNegative", "%+d", Arg::Int, -7, nullptr, "-7"},
                      FormatCase{"leftJustifiedZeroPad", "%-05d", Arg::Int, 7, nullptr, "70000"},
                      FormatCase{"mostNegative", "%d", Arg::Int, INT_MIN, nullptr, "-2147483648"},
                      FormatCase{"unsigned", "%u", Arg::Unsigned, 4294967295L, nullptr, "4294967295"},
                      FormatCase{"longKeepsLow32Bits", "%ld", Arg::Long, 0x100000005L, nullptr, "5"},
                      FormatCase{"longNegative", "%ld", Arg::Long, -5, nullptr, "-5"},
                      FormatCase{"text", "<%s>", Arg::Text, 0, "Brim", "<Brim>"},
                      FormatCase{"nullTextPads", "[%5s]", Arg::Text, 0, nullptr, "[     ]"},
                      FormatCase{"character", "%c!", Arg::Int, 'x', nullptr, "x!"},
                      FormatCase{"characterZeroIsEmpty", "[%c]", Arg::Int, 0, nullptr, "[]"},
                      FormatCase{"hexEndsTheOutput", "ab%xcd", Arg::Int, 1, nullptr, "ab"},
                      FormatCase{"precisionEndsTheOutput", "ab%.2dcd", Arg::Int, 1, nullptr, "ab"},
                      FormatCase{"floatEndsTheOutput", "ab%fcd", Arg::None, 0, nullptr, "ab"},
                      FormatCase{"trailingPercentEndsTheOutput", "ab%", Arg::None, 0, nullptr, "ab"},
                      FormatCase{"emptyFormat", "", Arg::None, 0, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Format, cutsTheTextToTheBuffer) {
    char out[6];
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(Format(out, 4, "%s and more", "abcdef"), 3);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(out[4], '#');
}

TEST(Format, cutsPaddingToTheBuffer) {
    char out[4];
    EXPECT_EQ(Format(out, sizeof out, "%30000d", 1), 3);
    EXPECT_STREQ(out, "   ");
}

TEST(Format, nullBufferOrFormatWritesNothing) {
    char out[4] = "xyz";
    EXPECT_EQ(Format(nullptr, 4, "abc"), 0);
    EXPECT_EQ(Format(out, sizeof out, nullptr), 0);
    EXPECT_EQ(Format(out, 0, "abc"), 0);
    EXPECT_STREQ(out, "xyz");
}

}  // namespace

}  // namespace format_test
