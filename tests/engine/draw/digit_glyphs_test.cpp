// Digits, signs before a digit and the K, M, B and % right after a number (or after a closing
// bracket) turn into the font's digit glyphs; every other character stays.
#include "engine/draw/digit_glyphs.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/base/string.h"

namespace digit_glyphs_test {

namespace {

struct DigitCase {
    const char* text;
    std::string plain, high;  // the text rewritten for each glyph set
};

std::string Codes(std::initializer_list<int> codes) {
    std::string text;
    for (int code : codes) text.push_back(char(code));
    return text;
}

const DigitCase kCases[] = {
    {"", "", ""},
    {"0129", Codes({14, 15, 16, 23}), Codes({160, 161, 162, 169})},
    {"-5+7", Codes({28, 19, 29, 21}), Codes({134, 165, 135, 167})},
    {"a-b+", "a-b+", "a-b+"},
    {"7-", Codes({21, '-'}), Codes({167, '-'})},
    {"3K2M1B9%", Codes({17, 24, 16, 25, 15, 26, 23, 27}), Codes({163, 130, 162, 131, 161, 132, 169, 133})},
    {"K 5 K", Codes({'K', ' ', 19, ' ', 'K'}), Codes({'K', ' ', 165, ' ', 'K'})},
    {"(4)%", Codes({'(', 18, ')', 27}), Codes({'(', 164, ')', 133})},
    {"x)K", Codes({'x', ')', 24}), Codes({'x', ')', 130})},
};

TEST(DigitGlyphsTest, rewritesDigitsSignsAndSuffixesOnly) {
    for (const DigitCase& c : kCases) {
        SString plain(c.text), high(c.text);
        ToDigitGlyphs(plain);
        ToDigitGlyphsHigh(high);
        EXPECT_EQ(std::string(plain.Text()), c.plain) << c.text;
        EXPECT_EQ(std::string(high.Text()), c.high) << c.text;
    }
}

}  // namespace

}  // namespace digit_glyphs_test
