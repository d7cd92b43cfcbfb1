// Compiled script images: the byte layout the assembler writes, and the images Load refuses.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "script/script.h"
#include "script_fixture.h"
#include "tools/sampledata/script_assembler.h"

namespace script_image_test {

namespace {

using Bytes = std::vector<uint8_t>;

// ---- Layout -------------------------------------------------------------------------------

TEST(ScriptAssemblerTest, writesTheGoldenImageOfAnAssignment) {
    // x = 300;
    const Bytes golden = {
        0x00, 0x00, 0x0E, 0x00,  // head: not read, pool at 14
        0x08, 0x00, 0x00, 0x00,  // variable, pad to 6, string 0
        0x51,                    // =
        0x1F, 0x2C, 0x01,        // i16 number at the even offset 10: 300
        0x03,                    // ;
        0x00,                    // end
        0x01, 0x00, 0x78, 0x00,  // pool: 1 string, "x"
    };
    EXPECT_EQ(SScriptAssembler::Assemble("$x = 300 ;"), golden);
    EXPECT_EQ(SScriptAssembler().Variable("x").Code(kCodeAssign).Number(300).Code(kCodeStatementEnd).Finish(), golden);
}

struct LayoutCase {
    const char* name;
    const char* listing;
    Bytes tokens;  // from offset 4 up to the end byte
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class ScriptLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ScriptLayoutTest, padsFromTheImageStart) {
    const Bytes image = SScriptAssembler::Assemble(GetParam().listing);
    const Bytes tokens(image.begin() + 4, image.begin() + 4 + GetParam().tokens.size());
    EXPECT_EQ(tokens, GetParam().tokens);
    EXPECT_EQ(image[4 + GetParam().tokens.size()], kCodeEnd);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptLayoutTest,
                         ::testing::Values(
                             // = at 8, the i32 code at 9, pad 10-11, the value at 12.
                             LayoutCase{"int32AlignsToFour",
                                        "$x = 70000 ;",
                                        {0x08, 0, 0, 0, 0x51, 0x20, 0, 0, 0x70, 0x11, 0x01, 0x00, 0x03}},
                             LayoutCase{"int8HasNoPad", "; -2 ;", {0x03, 0x1E, 0xFE, 0x03}},
                             // ; at 4, the line code at 5, 2 unused bytes at 6-7, the line at 8.
                             LayoutCase{"lineRecord", "; #300 ;", {0x03, 0x0D, 0, 0, 0x2C, 0x01, 0x03}},
                             LayoutCase{"lineRecordAfterPad", "#5", {0x0D, 0, 0, 0, 0x05, 0x00}},
                             LayoutCase{"stringsInternOnce",
                                        "$a $b $a \"a\"",
                                        {0x08, 0, 0, 0, 0x08, 0, 1, 0, 0x08, 0, 0, 0, 0x21, 0, 0, 0}}),
                         CaseName());

// ---- Loading ------------------------------------------------------------------------------

class ScriptImageTest : public ScriptTest {};

TEST_F(ScriptImageTest, runsTheGoldenImage) {
    ASSERT_EQ(Load({0x00, 0x00, 0x0E, 0x00, 0x08, 0x00, 0x00, 0x00, 0x51, 0x1F, 0x2C, 0x01, 0x03, 0x00, 0x01, 0x00,
                    0x78, 0x00}),
              kScriptOk);
    ASSERT_TRUE(m_script.Execute());
    EXPECT_EQ(ValueOf("x").Number(), 300);
}

TEST_F(ScriptImageTest, readsAPoolAtAnOddOffset) {
    SScriptAssembler out;
    out.Variable("x").Code(kCodeAssign).Text("odd").Code(kCodeStatementEnd);
    const Bytes image = out.Finish(1);
    ASSERT_EQ(image[2] % 2, 1);
    ASSERT_EQ(Load(image), kScriptOk);
    ASSERT_TRUE(m_script.Execute());
    EXPECT_STREQ(ValueOf("x").Text(), "odd");
}

TEST_F(ScriptImageTest, withoutAnImageARunFails) {
    EXPECT_FALSE(m_script.Execute());
    EXPECT_EQ(m_output.m_messages.size(), 1u);
}

struct DamageCase {
    const char* name;
    Bytes image;
    int code;
};

void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.name; }

// A small sound image: $x = "a" ; then the pool at 14 with one string.
Bytes Sound() { return SScriptAssembler::Assemble("$x = \"a\" ;"); }

Bytes With(Bytes image, size_t offset, uint8_t value) {
    image[offset] = value;
    return image;
}

// One token, then the end byte and a pool of one string.
Bytes OneToken(uint8_t code) { return SScriptAssembler().Code(code).Code(kCodeStatementEnd).Finish(); }

std::vector<DamageCase> DamageCases() {
    const Bytes sound = Sound();
    return {
        {"shorterThanTheHead", {0x00, 0x00, 0x05}, kScriptUnexpectedEnd},
        {"poolBeyondTheImage", With(sound, 2, 0xF0), kScriptUnexpectedEnd},
        {"poolOverTheHead", With(sound, 2, 0x04), kScriptUnexpectedEnd},
        {"poolCountAboveItsStrings", With(sound, sound[2], 0x03), kScriptUnexpectedEnd},
        {"stringWithoutTerminator", Bytes(sound.begin(), sound.end() - 1), kScriptUnexpectedEnd},
        {"stringIndexOutsideThePool", With(sound, 6, 0x02), kScriptInvalidToken},
        {"negativeStringIndex", With(With(sound, 6, 0xFF), 7, 0xFF), kScriptInvalidToken},
        // The end byte overwritten: the tokens run into the pool.
        {"missingTerminator", With(sound, 13, kCodeStatementEnd), kScriptUnexpectedEnd},
        {"numberOperandPastTheStream", {0x00, 0x00, 0x06, 0x00, kCodeNumber32, 0x00, 0x00, 0x00}, kScriptUnexpectedEnd},
        {"stringOperandPastTheStream",
         {0x00, 0x00, 0x06, 0x00, kCodeString, 0x00, 0x01, 0x00, 'a', 0},
         kScriptUnexpectedEnd},
        {"undefinedCode1", OneToken(1), kScriptInvalidToken},
        {"undefinedCode9", OneToken(9), kScriptInvalidToken},
        {"undefinedCode34", OneToken(34), kScriptInvalidToken},
        {"undefinedCode62", OneToken(62), kScriptInvalidToken},
        {"undefinedCode94", OneToken(94), kScriptInvalidToken},
        {"undefinedCode99", OneToken(99), kScriptInvalidToken},
        {"undefinedCode255", OneToken(255), kScriptInvalidToken},
    };
}

class ScriptDamageTest : public ScriptTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(ScriptDamageTest, isRefusedAndNothingRuns) {
    // A sound script bound first must not run in place of the refused one.
    ASSERT_EQ(Load(SScriptAssembler::Assemble("message ( ) ;", kTestCommands)), kScriptOk);
    // An exact-size copy, so that the sanitizer sees any read past its end.
    const Bytes& bytes = GetParam().image;
    auto image = std::make_unique<uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), image.get());
    EXPECT_EQ(m_script.Load(image.get(), uint32_t(bytes.size())), GetParam().code);
    EXPECT_FALSE(m_script.Execute());
    EXPECT_EQ(m_script.ErrorCode(), GetParam().code);
    EXPECT_TRUE(m_context.m_calls.empty());
    EXPECT_EQ(m_output.m_messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptDamageTest, ::testing::ValuesIn(DamageCases()), CaseName());

TEST_F(ScriptImageTest, everyTruncationIsRefused) {
    const Bytes full = SScriptAssembler::Assemble("if ( $x == 1 ) { @door . message ( \"hi\" , 70000 ) ; } #7 return ;",
                                                  kTestCommands);
    for (size_t length = 0; length < full.size(); ++length) {
        auto image = std::make_unique<uint8_t[]>(length + 1);
        std::copy(full.begin(), full.begin() + length, image.get());
        EXPECT_NE(m_script.Load(image.get(), uint32_t(length)), kScriptOk) << "length " << length;
        EXPECT_FALSE(m_script.Execute());
    }
    EXPECT_TRUE(m_context.m_calls.empty());
}

// Random damage to a script that uses every kind of token: every image either loads and runs to
// some end, or is refused, and none makes the interpreter read outside it (the sanitizer build
// checks that).
TEST_F(ScriptImageTest, randomDamageNeverEscapesTheImage) {
    const Bytes sound = SScriptAssembler::Assemble(
        "~ #1 $n = 3 ; $s = \"a\\g\" \"b\" ; #2 if ( $n >= 2 && ! 0 ) { $n += echo ( 1 , 2 + 3 , 4 , 5 ) ; } "
        "else if ( $n < 0 || $s != \"x\" ) $n -- ; else { @door . message ( $s , @key , 70000 ) ; } "
        "$t = ( 10 - 4 - 3 ) * 2 / 1 % 7 & 255 | 1 ; $n *= -1 ; $n /= 2 ; $n %= 3 ; $n ++ ; "
        "if ( $n <= 1 ) return ( $n ) ; $u = $n > 0 ; $u = $n != 1 ; message ( ) ;",
        kTestCommands);
    ASSERT_EQ(Load(sound), kScriptOk);
    ASSERT_TRUE(m_script.Execute()) << m_script.ErrorMessage();

    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    int loaded = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes damaged = sound;
        const int changes = 1 + round % 4;
        for (int i = 0; i < changes; ++i) {
            const size_t at = size_t(random() % damaged.size());
            switch (random() % 3) {
                case 0: damaged[at] = uint8_t(byte(random)); break;
                case 1: damaged.erase(damaged.begin() + std::ptrdiff_t(at)); break;
                default: damaged.insert(damaged.begin() + std::ptrdiff_t(at), uint8_t(byte(random))); break;
            }
        }
        auto image = std::make_unique<uint8_t[]>(damaged.size());
        std::copy(damaged.begin(), damaged.end(), image.get());
        const int code = m_script.Load(image.get(), uint32_t(damaged.size()));
        ASSERT_TRUE(code == kScriptOk || code == kScriptInvalidToken || code == kScriptUnexpectedEnd) << code;
        if (code == kScriptOk) ++loaded;
        m_script.Execute();
    }
    // Enough damaged images get past Load that the run-time checks are exercised too.
    EXPECT_GT(loaded, 100);
}

}  // namespace

}  // namespace script_image_test
