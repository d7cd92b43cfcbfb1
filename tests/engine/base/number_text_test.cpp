#include "engine/base/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace number_text_test {

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    int32_t value;
    int16_t shortValue;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, readsTheLeadingNumber) {
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
    EXPECT_EQ(StrToShort(GetParam().text), GetParam().shortValue);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumberTest,
    ::testing::Values(
        ReadCase{"plain", "123", 123, 123}, ReadCase{"blanksSignAndJunk", "  -12x", -12, -12},
        ReadCase{"plusSign", "+7", 7, 7}, ReadCase{"loneSign", "+", 0, 0}, ReadCase{"noDigits", "x12", 0, 0},
        ReadCase{"tabIsNotSkipped", "\t5", 0, 0}, ReadCase{"twoSigns", "-+5", 0, 0}, ReadCase{"null", nullptr, 0, 0},
        ReadCase{"shortWraps", "40000", 40000, -25536}, ReadCase{"mostNegative", "-2147483648", INT32_MIN, 0},
        ReadCase{"overflowWraps", "4294967297", 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, writesDecimalDigits) {
    char text[kDecimalTextSize];
    IntToStr(INT32_MIN, text);
    EXPECT_STREQ(text, "-2147483648");
    IntToStr(0, text);
    EXPECT_STREQ(text, "0");
    UIntToStr(UINT32_MAX, text);
    EXPECT_STREQ(text, "4294967295");
}

}  // namespace

}  // namespace number_text_test
