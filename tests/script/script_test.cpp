#include "script/script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_fixture.h"

namespace script_test {

namespace {

// ---- Expressions: what x holds after one statement -----------------------------------------

struct ValueCase {
    const char* name;
    const char* listing;
    const char* text;
    int32_t number;
    bool isText;
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.name; }

class ScriptValueTest : public ScriptTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ScriptValueTest, leavesExpectedValue) {
    const ValueCase& c = GetParam();
    ASSERT_TRUE(Execute(c.listing)) << m_script.ErrorMessage();
    const SScriptValue x = ValueOf("x");
    EXPECT_STREQ(x.Text(), c.text);
    EXPECT_EQ(x.Number(), c.number);
    EXPECT_EQ(x.IsText(), c.isText);
    EXPECT_TRUE(m_output.m_messages.empty());
}

// In a statement, + and - wait for the operator to their left once the stack holds three
// values; inside brackets and right sides everything groups from the right.
INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptValueTest,
    ::testing::Values(ValueCase{"timesThenPlus", "$x = 2 * 3 + 4 ;", "10", 10, false},
                      ValueCase{"plusThenTimes", "$x = 2 + 3 * 4 ;", "14", 14, false},
                      ValueCase{"minusLeftToRight", "$x = 10 - 4 - 3 ;", "3", 3, false},
                      ValueCase{"bracketsGroupFromTheRight", "$x = ( 10 - 4 - 3 ) ;", "9", 9, false},
                      ValueCase{"longSumLeftToRight", "$x = 1 + 2 + 3 + 4 ;", "10", 10, false},
                      ValueCase{"minusThenTimes", "$x = 10 - 2 * 3 ;", "4", 4, false},
                      ValueCase{"timesThenMinus", "$x = 2 * 3 - 1 ;", "5", 5, false},
                      ValueCase{"bracketedRightSide", "$x = 2 * ( 3 + 4 ) ;", "14", 14, false},
                      ValueCase{"everyNumberWidth", "$x = -7 + 300 + 70000 ;", "70293", 70293, false},
                      ValueCase{"forcedWidths", "$x = 5d + 6w + 7b ;", "18", 18, false},
                      ValueCase{"comparison", "$x = 3 < 4 ;", "1", 1, false},
                      ValueCase{"textComparisonIgnoresCase", "$x = \"ABC\" == \"abc\" ;", "1", 1, false},
                      ValueCase{"not", "$x = ! 0 ;", "1", 1, false},
                      ValueCase{"remainderKeepsDividendSign", "$x = -7 % 2 ;", "-1", -1, false},
                      ValueCase{"divisionByZeroGivesZero", "$x = 7 / 0 ;", "0", 0, false},
                      ValueCase{"literalsInARowJoin", "$x = \"ab\" \"cd\" ;", "abcd", 0, true},
                      ValueCase{"literalAfterNumberAddsItsReading", "$x = 5 \"12\" ;", "5", 17, false},
                      ValueCase{"tabRule", "$x = \"a\\gb\" ;", "a\tb", 0, true},
                      ValueCase{"textPlusNumberJoins", "$x = \"abc\" + 5 ;", "abc5", 0, true},
                      ValueCase{"freshVariableIsEmptyText", "$x = $fresh + \"a\" ;", "a", 0, true},
                      ValueCase{"objectNameIsText", "$x = @door ;", "door", 0, true},
                      ValueCase{"commandResult", "$x = echo ( 7 ) + 1 ;", "8", 8, false},
                      ValueCase{"objectCommandResult", "$x = @door . echo ( \"open\" ) ;", "open", 0, true},
                      ValueCase{"compoundAdd", "$x = 5 ; $x += 3 ;", "8", 8, false},
                      ValueCase{"compoundRemainder", "$x = 7 ; $x %= 4 ;", "3", 3, false},
                      ValueCase{"compoundWithBracketedRightSide", "$x = 2 ; $x *= ( 1 + 2 ) ;", "6", 6, false},
                      ValueCase{"increment", "$x = 2 ; $x ++ ;", "3", 3, false},
                      ValueCase{"decrement", "$x = 2 ; $x -- ;", "1", 1, false},
                      ValueCase{"variableCopiesValue", "$y = 4 ; $x = $y ; $y = 5 ;", "4", 4, false},
                      ValueCase{"fillersAndLinesAreSkipped", "~ #3 $x ~ = #4 2 ;", "2", 2, false},
                      // A result that a statement leaves unused must not change how the next statement groups.
                      ValueCase{"unusedResultLeavesNothing", "echo ( 5 ) ; echo ( 6 ) ; $x = 1 + 2 ;", "3", 3, false}),
    CaseName());

// ---- Command arguments ----------------------------------------------------------------------

struct ArgumentCase {
    const char* name;
    const char* listing;
    std::vector<std::string> args;
};

void PrintTo(const ArgumentCase& c, std::ostream* out) { *out << c.name; }

class ScriptArgumentTest : public ScriptTest, public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(ScriptArgumentTest, passesThreeArguments) {
    ASSERT_TRUE(Execute(GetParam().listing)) << m_script.ErrorMessage();
    ASSERT_FALSE(m_context.m_calls.empty());
    const SRecordedCall& call = m_context.m_calls.back();
    EXPECT_EQ(call.id, kMessage);
    std::vector<std::string> args;
    for (const SScriptValue& arg : call.args) args.emplace_back(arg.Text());
    EXPECT_EQ(args, GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptArgumentTest,
    ::testing::Values(
        // An operator in an argument takes every later argument into its right side.
        ArgumentCase{"operatorSwallowsLaterArguments", "message ( 1 , 2 + 3 , 4 ) ;", {"1", "2", "7"}},
        ArgumentCase{"fourthIsDropped", "message ( 1 , 2 , 3 , 4 ) ;", {"1", "2", "3"}},
        ArgumentCase{"emptyBrackets", "message ( ) ;", {"", "", ""}},
        ArgumentCase{"missingArgumentsStayEmpty", "message ( \"a\" , \"b\" ) ;", {"a", "b", ""}},
        ArgumentCase{"nestedCall", "message ( echo ( \"in\" ) , 2 ) ;", {"in", "2", ""}}),
    CaseName());

TEST_F(ScriptTest, callTargetsThisUnlessAnObjectIsNamed) {
    ASSERT_TRUE(Execute("message ( ) ; @door . message ( ) ;"));
    ASSERT_EQ(m_context.m_calls.size(), 2u);
    EXPECT_EQ(m_context.m_calls[0].target, "(this)");
    EXPECT_EQ(m_context.m_calls[1].target, "door");
    EXPECT_EQ(m_context.m_calls[1].id, kMessage);
}

TEST_F(ScriptTest, conditionDepthIsBackAtZeroAfterACall) {
    // A call's brackets must close, or the next statement's right side would wait for a ")".
    ASSERT_TRUE(Execute("message ( ( 1 ) ) ; $x = 1 + 2 ;")) << m_script.ErrorMessage();
    EXPECT_EQ(ValueOf("x").Number(), 3);
}

// ---- Control flow -------------------------------------------------------------------------

struct FlowCase {
    const char* name;
    std::string listing;
    std::vector<std::string> messages;
};

void PrintTo(const FlowCase& c, std::ostream* out) { *out << c.name; }

class ScriptFlowTest : public ScriptTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(ScriptFlowTest, runsExactlyTheChosenBranches) {
    ASSERT_TRUE(Execute(GetParam().listing)) << m_script.ErrorMessage();
    EXPECT_EQ(Messages(), GetParam().messages);
    EXPECT_TRUE(m_output.m_messages.empty());
}

const std::string kChain =
    "if ( $n == 1 ) message ( \"one\" ) ; else if ( $n == 2 ) message ( \"two\" ) ; "
    "else message ( \"other\" ) ; message ( \"after\" ) ;";

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptFlowTest,
    ::testing::Values(
        FlowCase{"ifTrue", "if ( 1 ) message ( \"a\" ) ; else message ( \"b\" ) ;", {"a"}},
        FlowCase{"ifFalse", "if ( 0 ) message ( \"a\" ) ; else message ( \"b\" ) ;", {"b"}},
        FlowCase{"ifWithoutElse", "if ( 0 ) message ( \"a\" ) ; message ( \"b\" ) ;", {"b"}},
        FlowCase{"textConditionReadsItsNumber",
                 "if ( \"7\" ) message ( \"a\" ) ; if ( \"x\" ) message ( \"b\" ) ;",
                 {"a"}},
        FlowCase{"chainFirst", "$n = 1 ; " + kChain, {"one", "after"}},
        FlowCase{"chainSecond", "$n = 2 ; " + kChain, {"two", "after"}},
        FlowCase{"chainLast", "$n = 3 ; " + kChain, {"other", "after"}},
        FlowCase{
            "blocks",
            "if ( 1 ) { message ( \"a\" ) ; message ( \"b\" ) ; } else { message ( \"c\" ) ; } message ( \"d\" ) ;",
            {"a", "b", "d"}},
        FlowCase{"skippedBlockHoldsBlocks",
                 "if ( 0 ) { if ( 1 ) { message ( \"x\" ) ; } } else { message ( \"y\" ) ; } message ( \"z\" ) ;",
                 {"y", "z"}},
        FlowCase{"skippedChainOfBlocks",
                 "if ( 1 ) message ( \"a\" ) ; else if ( 1 ) { message ( \"b\" ) ; } else { message ( \"c\" ) ; } "
                 "message ( \"d\" ) ;",
                 {"a", "d"}},
        FlowCase{"emptyThenKeepsItsElse", "if ( 1 ) ; else message ( \"b\" ) ; message ( \"c\" ) ;", {"c"}},
        FlowCase{"emptyConditionIsFalse", "if ( ) message ( \"a\" ) ; $x = 1 + 2 ; message ( $x ) ;", {"3"}},
        FlowCase{"returnEndsTheScript", "message ( \"a\" ) ; return ; message ( \"b\" ) ;", {"a"}},
        FlowCase{"returnWithValue", "message ( \"a\" ) ; return ( 5 ) ; message ( \"b\" ) ;", {"a"}},
        FlowCase{"returnInsideABranch", "if ( 1 ) { message ( \"a\" ) ; return ; } message ( \"b\" ) ;", {"a"}},
        FlowCase{"blockEndedByTheProgram", "if ( 1 ) { message ( \"a\" ) ;", {"a"}}),
    CaseName());

TEST_F(ScriptTest, variablesPersistBetweenRuns) {
    ASSERT_TRUE(Execute("$x = 41 ;"));
    ASSERT_TRUE(Execute("$x ++ ;"));
    EXPECT_EQ(ValueOf("x").Number(), 42);
}

// Joining a text to itself doubles it: forty joins once asked for terabytes.
TEST_F(ScriptTest, aTextJoinedToItselfOverAndOverStopsAtTheLongestText) {
    std::string listing = "$x = \"abcdefgh\" ;";
    for (int i = 0; i < 40; ++i) listing += " $x += $x ;";
    ASSERT_TRUE(Execute(listing + " $y = \"ab\" ; $y += $x ;"));
    const std::string x = ValueOf("x").Text();
    ASSERT_EQ(x.size(), size_t(SScriptValue::kLongestText));
    EXPECT_EQ(x.substr(x.size() - 8), "abcdefgh");
    const std::string y = ValueOf("y").Text();
    ASSERT_EQ(y.size(), size_t(SScriptValue::kLongestText));
    EXPECT_EQ(y.substr(0, 4), "abab");
}

TEST_F(ScriptTest, variableNamesAreCaseSensitive) {
    ASSERT_TRUE(Execute("$x = 1 ; $X = 2 ;"));
    EXPECT_EQ(ValueOf("x").Number(), 1);
    EXPECT_EQ(ValueOf("X").Number(), 2);
}

TEST_F(ScriptTest, compoundAssignmentKeepsVariableAddressWhileOthersAreCreated) {
    // The right side creates many variables while the left entry still refers to x.
    std::string listing = "$x = 1 ; $x += ( 0";
    for (int i = 0; i < 100; ++i) listing += " + $v" + std::to_string(i);
    ASSERT_TRUE(Execute(listing + " + 1 ) ;")) << m_script.ErrorMessage();
    EXPECT_EQ(ValueOf("x").Number(), 2);
}

// ---- Errors -------------------------------------------------------------------------------

struct ErrorCase {
    const char* name;
    std::vector<uint8_t> image;
    int code;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

ErrorCase Listing(const char* name, const char* listing, int code) {
    return {name, SScriptAssembler::Assemble(listing, kTestCommands), code};
}

std::vector<ErrorCase> ErrorCases() {
    return {
        {"emptyVariableName", SScriptAssembler().Variable("").Code(kCodeStatementEnd).Finish(), kScriptInvalidToken},
        Listing("literalStartsStatement", "5 ;", kScriptLvalueRequired),
        Listing("assignToResult", "echo ( 1 ) = 3 ;", kScriptLvalueRequired),
        Listing("incrementLiteral", "$x = 1 ; echo ( 1 ) ++ ;", kScriptLvalueRequired),
        Listing("commandWithoutBracket", "message 1 ;", kScriptBracketRequired),
        Listing("keywordWithoutBracket", "if 1 message ( ) ;", kScriptBracketRequired),
        Listing("statementEndInBrackets", "$x = ( 1 ; ) ;", kScriptUnexpectedStatementEnd),
        Listing("closeWithoutOpen", "$x = 1 ) ;", kScriptUnexpectedClose),
        Listing("blockCloseAtTopLevel", "$x = 1 ; } $x = 2 ;", kScriptUnexpectedBlockClose),
        Listing("blockCloseInSkippedStatement", "if ( 0 ) $x = 1 } ;", kScriptUnexpectedBlockClose),
        Listing("elseWithoutIf", "else ;", kScriptElseWithoutIf),
        Listing("endInsideStatement", "$x = 1", kScriptUnexpectedEnd),
        Listing("endInsideSkippedBlock", "if ( 0 ) { $x = 1 ;", kScriptUnexpectedEnd),
        Listing("endAfterIf", "if ( 1 )", kScriptUnexpectedEnd),
        Listing("endInsideCall", "message ( 1 ,", kScriptUnexpectedEnd),
        Listing("missingTarget", "@nowhere . message ( ) ;", kScriptNotAnObject),
        Listing("objectWithoutCommand", "@door . $x ;", kScriptMethodRequired),
        Listing("noResultUsedAsValue", "$x = message ( \"a\" ) ;", kScriptRvalueRequired),
        Listing("blockInExpression", "$x = { ;", kScriptRvalueRequired),
        Listing("operatorWithoutOperands", "= ;", kScriptRvalueRequired),
    };
}

class ScriptErrorTest : public ScriptTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ScriptErrorTest, endsWithCodeAndOneScriptError) {
    const ErrorCase& c = GetParam();
    ASSERT_EQ(Load(c.image), kScriptOk);
    EXPECT_FALSE(m_script.Execute());
    EXPECT_EQ(m_script.ErrorCode(), c.code);
    // 12 and 19 leave the message of the last successful step.
    const bool quiet = c.code == kScriptNotAnObject || c.code == kScriptRvalueRequired;
    EXPECT_STREQ(m_script.ErrorMessage(), quiet ? "no error" : SScript::ErrorText(c.code));
    ASSERT_EQ(m_output.m_messages.size(), 1u);
    EXPECT_EQ(m_output.m_messages[0].text, "Script error!");
    EXPECT_EQ(m_output.m_messages[0].buttons, SScriptOutput::kButtonOk);
}

// Whatever a failed run left on the stack or in the bracket depth must not reach the next one.
TEST_P(ScriptErrorTest, nextScriptComputesCorrectly) {
    ASSERT_EQ(Load(GetParam().image), kScriptOk);
    m_script.Execute();
    m_output.m_messages.clear();
    ASSERT_TRUE(Execute("$y = 1 + 2 ; $z = 2 + 3 * 4 ;")) << m_script.ErrorMessage();
    EXPECT_EQ(ValueOf("y").Number(), 3);
    EXPECT_EQ(ValueOf("z").Number(), 14);
    EXPECT_TRUE(m_output.m_messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptErrorTest, ::testing::ValuesIn(ErrorCases()), CaseName());

TEST_F(ScriptTest, leftoverStackAndDepthFromAFailedRunAreCleared) {
    // Leaves three values and two open brackets behind when it fails.
    EXPECT_FALSE(Execute("$y = 1 2 message ( ( 3 ;"));
    EXPECT_EQ(m_script.ErrorCode(), kScriptUnexpectedStatementEnd);
    ASSERT_TRUE(Execute("$x = 1 + 2 ;")) << m_script.ErrorMessage();
    EXPECT_EQ(ValueOf("x").Number(), 3);
}

TEST_F(ScriptTest, errorLineIsTheLowByteOfTheSourceLine) {
    EXPECT_FALSE(Execute("#2 $x = 1 ; #300 $x = 1 ) ;"));
    EXPECT_EQ(m_script.ErrorLine(), 300 & 0xFF);
}

TEST_F(ScriptTest, returnSucceedsWithoutMessage) {
    EXPECT_TRUE(Execute("return ;"));
    EXPECT_EQ(m_script.RunToEnd(), kScriptReturn);
    EXPECT_TRUE(m_output.m_messages.empty());
}

TEST_F(ScriptTest, deepNestingEndsWithAnErrorInsteadOfExhaustingTheStack) {
    std::string listing = "$x = ";
    for (int i = 0; i < 20000; ++i) listing += "( ";
    EXPECT_FALSE(Execute(listing + "1 ;"));
    EXPECT_EQ(m_script.ErrorCode(), kScriptTooDeep);
}

TEST_F(ScriptTest, nestingThatRealScriptsUseRuns) {
    std::string listing = "$x = ";
    for (int i = 0; i < 200; ++i) listing += "( ";
    listing += "1";
    for (int i = 0; i < 200; ++i) listing += " )";
    ASSERT_TRUE(Execute(listing + " ;")) << m_script.ErrorMessage();
    EXPECT_EQ(ValueOf("x").Number(), 1);
}

// ---- A run inside a run -------------------------------------------------------------------

TEST_F(ScriptTest, runInsideARunIsRefused) {
    std::vector<uint8_t> other = SScriptAssembler::Assemble("message ( \"other\" ) ;", kTestCommands);
    int nestedLoad = -1;
    int nestedRun = -1;
    m_context.m_hook = [&] {
        nestedLoad = m_script.Load(other.data(), uint32_t(other.size()));
        nestedRun = m_script.RunToEnd();
    };
    ASSERT_TRUE(Execute("nested ( ) ; message ( \"outer\" ) ;")) << m_script.ErrorMessage();
    EXPECT_EQ(nestedLoad, kScriptBusy);
    EXPECT_EQ(nestedRun, kScriptBusy);
    EXPECT_EQ(Messages(), std::vector<std::string>{"outer"});
}

TEST_F(ScriptTest, nestedExecuteReportsAScriptError) {
    bool nested = true;
    m_context.m_hook = [&] { nested = m_script.Execute(); };
    ASSERT_TRUE(Execute("nested ( ) ;"));
    EXPECT_FALSE(nested);
    ASSERT_EQ(m_output.m_messages.size(), 1u);
    EXPECT_EQ(m_output.m_messages[0].text, "Script error!");
}

}  // namespace

}  // namespace script_test
