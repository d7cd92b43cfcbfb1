#include "script/script_value.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/base/archive.h"

namespace script_value_test {

namespace {

enum class Op { Add, Subtract, Multiply, Divide, Remainder, BitAnd, BitOr, Less, Equal, And, Or };

// A script operand: a text literal or a number.
struct Operand {
    const char* text;
    int32_t number;
    SScriptValue Make() const { return text ? SScriptValue(text) : SScriptValue(number); }
};

Operand T(const char* text) { return {text, 0}; }
Operand N(int32_t number) { return {nullptr, number}; }

struct OperatorCase {
    const char* name;
    Operand left;
    Op op;
    Operand right;
    bool isText;
    const char* text;
    int32_t number;
};

void PrintTo(const OperatorCase& c, std::ostream* out) { *out << c.name; }

SScriptValue Apply(SScriptValue left, Op op, const SScriptValue& right) {
    switch (op) {
        case Op::Add: left.Add(right); break;
        case Op::Subtract: left.Subtract(right); break;
        case Op::Multiply: left.Multiply(right); break;
        case Op::Divide: left.Divide(right); break;
        case Op::Remainder: left.Remainder(right); break;
        case Op::BitAnd: left.BitAnd(right); break;
        case Op::BitOr: left.BitOr(right); break;
        case Op::Less: return SScriptValue(left.Compare(right) < 0 ? 1 : 0);
        case Op::Equal: return SScriptValue(left.Compare(right) == 0 ? 1 : 0);
        case Op::And: return SScriptValue(left.And(right) ? 1 : 0);
        case Op::Or: return SScriptValue(left.Or(right) ? 1 : 0);
    }
    return left;
}

class ScriptValueOperatorTest : public ::testing::TestWithParam<OperatorCase> {};

TEST_P(ScriptValueOperatorTest, givesBothForms) {
    const OperatorCase& c = GetParam();
    const SScriptValue result = Apply(c.left.Make(), c.op, c.right.Make());
    EXPECT_EQ(result.IsText(), c.isText);
    EXPECT_STREQ(result.Text(), c.text);
    EXPECT_EQ(result.Number(), c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptValueOperatorTest,
    ::testing::Values(
        OperatorCase{"textPlusNumberJoins", T("abc"), Op::Add, N(5), true, "abc5", 0},
        OperatorCase{"numberPlusTextAdds", N(5), Op::Add, T("abc"), false, "5", 5},
        OperatorCase{"textsJoinAndRead", T("12"), Op::Add, T("3"), true, "123", 123},
        OperatorCase{"joinFormsATab", T("a\\"), Op::Add, T("gb"), true, "a\tb", 0},
        OperatorCase{"textsSubtractAsNumbers", T("10"), Op::Subtract, T("3"), false, "7", 7},
        OperatorCase{"additionWraps", N(INT32_MAX), Op::Add, N(1), false, "-2147483648", INT32_MIN},
        OperatorCase{"multiplicationWraps", N(65536), Op::Multiply, N(65536), false, "0", 0},
        OperatorCase{"divisionTruncates", N(-7), Op::Divide, N(2), false, "-3", -3},
        OperatorCase{"remainderFollowsDividend", N(-7), Op::Remainder, N(2), false, "-1", -1},
        OperatorCase{"divisionByZero", N(7), Op::Divide, N(0), false, "0", 0},
        OperatorCase{"remainderByZero", N(7), Op::Remainder, N(0), false, "0", 0},
        OperatorCase{"mostNegativeDividedByMinusOne", N(INT32_MIN), Op::Divide, N(-1), false, "-2147483648", INT32_MIN},
        OperatorCase{"mostNegativeRemainderMinusOne", N(INT32_MIN), Op::Remainder, N(-1), false, "0", 0},
        OperatorCase{"bitAnd", N(12), Op::BitAnd, N(10), false, "8", 8},
        OperatorCase{"bitOr", N(12), Op::BitOr, N(10), false, "14", 14},
        OperatorCase{"textEqualityIgnoresCase", T("ABC"), Op::Equal, T("abc"), false, "1", 1},
        OperatorCase{"textOrder", T("abc"), Op::Less, T("abd"), false, "1", 1},
        OperatorCase{"textOrderFollowsFoldedCase", T("abc"), Op::Less, T("ABD"), false, "1", 1},
        OperatorCase{"numberOnLeftComparesNumbers", N(10), Op::Less, T("9"), false, "0", 0},
        OperatorCase{"textOnLeftComparesTexts", T("10"), Op::Less, N(9), false, "1", 1},
        OperatorCase{"textAndLooksAtTexts", T("abc"), Op::And, N(0), false, "1", 1},
        OperatorCase{"emptyTextAndIsFalse", T(""), Op::And, N(1), false, "0", 0},
        OperatorCase{"numberOrLooksAtNumbers", N(0), Op::Or, T("x"), false, "0", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptValue, constructorsFillBothForms) {
    const SScriptValue zero;
    EXPECT_FALSE(zero.IsText());
    EXPECT_STREQ(zero.Text(), "0");
    const SScriptValue literal("a\\gb\\g");
    EXPECT_STREQ(literal.Text(), "a\tb\t");
    EXPECT_STREQ(SScriptValue("\\\\g\\").Text(), "\\\t\\") << "pairs are read left to right";
    EXPECT_TRUE(literal.IsText());
    const SScriptValue number(-12);
    EXPECT_STREQ(number.Text(), "-12");
    const SScriptValue null(static_cast<const char*>(nullptr));
    EXPECT_STREQ(null.Text(), "");
}

TEST(ScriptValue, unaryOperatorsGiveNumbers) {
    SScriptValue value("0");
    value.Not();
    EXPECT_EQ(value.Number(), 1);
    EXPECT_FALSE(value.IsText());
    value.Increment();
    EXPECT_STREQ(value.Text(), "2");
    value.SetNumber(INT32_MIN);
    value.Decrement();
    EXPECT_EQ(value.Number(), INT32_MAX);
}

// A number's text is written when first read; it must follow every change made after that, and a
// copy must carry whichever form it had.
TEST(ScriptValue, numberTextFollowsTheNumberAfterItWasRead) {
    SScriptValue value(41);
    EXPECT_STREQ(value.Text(), "41");
    value.Increment();
    const SScriptValue unread = value;
    EXPECT_STREQ(value.Text(), "42");
    const SScriptValue read = value;
    value.SetText("x");
    value.SetNumber(-7);
    EXPECT_STREQ(value.Text(), "-7");
    EXPECT_STREQ(unread.Text(), "42");
    EXPECT_STREQ(read.Text(), "42");
    EXPECT_TRUE(SScriptValue("").Or(SScriptValue(0))) << "a number's text is never empty";
}

// Joined literals leave the other form as it was: "1" "2" is the text "12" with the number 1.
TEST(ScriptValue, appendLiteralLeavesTheOtherFormStale) {
    SScriptValue text("1");
    text.AppendLiteral("2\\g");
    EXPECT_STREQ(text.Text(), "12\t");
    EXPECT_EQ(text.Number(), 1);

    SScriptValue number(5);
    number.AppendLiteral("70000");  // read as 16 bits: 4464
    EXPECT_EQ(number.Number(), 4469);
    EXPECT_STREQ(number.Text(), "5");
}

TEST(ScriptValue, setTextReadsTheNumber) {
    SScriptValue value(3);
    value.SetText(" -4 apples");
    EXPECT_TRUE(value.IsText());
    EXPECT_EQ(value.Number(), -4);
}

std::vector<uint8_t> WriteValues(std::vector<SScriptValue> values, uint8_t leadingBytes) {
    SArchive archive;
    archive.OpenWrite();
    for (uint8_t i = 0; i < leadingBytes; ++i) archive.SerializeU8(i);
    for (SScriptValue& value : values) value.Serialize(archive, archive.IsWriting());
    return std::vector<uint8_t>(archive.Data(), archive.Data() + archive.GetSize());
}

TEST(ScriptValue, numberIsAlignedFromTheRecordStart) {
    const std::vector<uint8_t> bytes = WriteValues({SScriptValue(-5)}, 2);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0, 1, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF}));
}

TEST(ScriptValue, roundTripRebuildsTheOtherForm) {
    SScriptValue number(-5);
    SScriptValue text("12ab");
    // A stale pair, as a joined literal leaves it: the number is rebuilt from the text on reading.
    SScriptValue joined("1");
    joined.AppendLiteral("2");
    const std::vector<uint8_t> bytes = WriteValues({number, text, joined}, 1);

    SArchive archive;
    archive.OpenRead(bytes.data(), static_cast<uint32_t>(bytes.size()));
    uint8_t lead = 0;
    archive.SerializeU8(lead);
    SScriptValue read[3] = {SScriptValue("junk"), SScriptValue(77), SScriptValue(1)};
    for (SScriptValue& value : read) value.Serialize(archive, archive.IsWriting());

    EXPECT_FALSE(archive.Failed());
    EXPECT_FALSE(read[0].IsText());
    EXPECT_EQ(read[0].Number(), -5);
    EXPECT_STREQ(read[0].Text(), "-5");
    EXPECT_TRUE(read[1].IsText());
    EXPECT_STREQ(read[1].Text(), "12ab");
    EXPECT_EQ(read[1].Number(), 12);
    EXPECT_STREQ(read[2].Text(), "12");
    EXPECT_EQ(read[2].Number(), 12);
}

TEST(ScriptValue, keepLeavesTheOtherFormAsRead) {
    const uint8_t bytes[] = {0, 0, 0, 0, 9, 0, 0, 0};
    SArchive archive;
    archive.OpenRead(bytes, sizeof bytes);
    SScriptValue value("old");
    value.Serialize(archive, true);
    EXPECT_EQ(value.Number(), 9);
    EXPECT_STREQ(value.Text(), "old");
}

}  // namespace

}  // namespace script_value_test
