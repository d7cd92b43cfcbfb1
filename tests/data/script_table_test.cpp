#include "data/script_table.h"

#include <gtest/gtest.h>

#include "script/script_fixture.h"
#include "support/record_package.h"

namespace script_table_test {

namespace {

std::unique_ptr<SNamedScript> makeScript(const char* name, std::vector<uint8_t> program, uint8_t value = 5) {
    auto script = std::make_unique<SNamedScript>();
    script->name.Set(name);
    script->program = std::move(program);
    script->value = value;
    return script;
}

// Scripts written as a package and read back, run on an interpreter that records its messages.
class ScriptTableTest : public RecordPackageTest {
protected:
    void SetUp() override {
        RecordPackageTest::SetUp();
        interpreter.Init(&output);
        interpreter.SetContext(&context);
        scripts.Attach(&interpreter);
    }

    bool load(SScriptTable& written, int version = 114) {
        return scripts.Load(OpenRecords(written.Write(version), version));
    }

    SRecordingOutput output;
    SRecordingContext context;
    SScript interpreter;
    SScriptTable scripts;
};

TEST_F(ScriptTableTest, runAnswersWhetherAndHowTheScriptRan) {
    SScriptTable written;
    written.Add(makeScript("bres_greet", SScriptAssembler::Assemble("message ( \"hello\" ) ;", kTestCommands)));
    written.Add(makeScript("bres_leave", SScriptAssembler::Assemble("message ( \"bye\" ) ; return ;", kTestCommands)));
    written.Add(makeScript("bres_broken", SScriptAssembler::Assemble("message ( ;", kTestCommands)));
    written.Add(makeScript("bres_damaged", {0, 0, 0xFF, 0x7F, 1}));
    written.Add(makeScript("bres_empty", {}));
    ASSERT_TRUE(load(written)) << Refusal();

    struct Row {
        const char* name;
        int result;
        std::vector<std::string> calls;  // the messages the script sent
        bool scriptError;                // "Script error!" was queued
    };
    for (const Row& row :
         {Row{"bres_nothing", -1, {}, false}, Row{"bres_empty", 0, {}, false}, Row{"bres_greet", 1, {"hello"}, false},
          Row{"bres_leave", 1, {"bye"}, false}, Row{"bres_broken", 0, {}, true}, Row{"bres_damaged", 0, {}, true}}) {
        context.m_calls.clear();
        output.m_messages.clear();
        EXPECT_EQ(scripts.Run(row.name), row.result) << row.name;
        std::vector<std::string> calls;
        for (const SRecordedCall& call : context.m_calls) calls.push_back(call.args[0].Text());
        EXPECT_EQ(calls, row.calls) << row.name;
        EXPECT_EQ(!output.m_messages.empty(), row.scriptError) << row.name;
    }
}

TEST_F(ScriptTableTest, aProgramOutlivesItsRecord) {
    // Its four-byte number is aligned from the program's start.
    const std::vector<uint8_t> program = SScriptAssembler::Assemble("message ( 70000d ) ; return ;", kTestCommands);
    SScriptTable written;
    written.Add(makeScript("bres_far", program));
    ASSERT_TRUE(load(written)) << Refusal();
    cursor.reset();
    file.reset();
    EXPECT_EQ(scripts.Run("bres_far"), 1);
    ASSERT_EQ(context.m_calls.size(), 1u);
    EXPECT_EQ(context.m_calls[0].args[0].Number(), 70000);
    EXPECT_EQ(scripts.Find("bres_far")->program, program);
}

TEST_F(ScriptTableTest, theValueByteCameAfterVersion51) {
    for (int version : {51, 52}) {
        SScriptTable written;
        written.Add(makeScript("bres_x", {}, 9));
        SRecordList records = written.Write(version);
        scripts.Clear();
        ASSERT_TRUE(scripts.Load(OpenRecords(records, version))) << Refusal();
        EXPECT_EQ(scripts.Find("bres_x")->value, version == 51 ? 5 : 9) << version;
        // '(' "bres_x" NUL, then the value byte (from 52), then the aligned blob length.
        EXPECT_EQ(records[1].size(), version == 51 ? 10u : 12u) << version;
    }
}

TEST_F(ScriptTableTest, damagedScriptsAreRefused) {
    struct Row {
        const char* name;
        void (*spoil)(SRecordList&);
        const char* expected;
    };
    // The chunk: '\'', pad, count at 2. The script: '(', "bres_x" NUL (1 .. 7), value at 8, the
    // blob's length at 10 and its bytes from 12.
    for (Row row : {Row{"countBeyondTheRecords", [](SRecordList& r) { r[0][2] = 2; },
                        "record 102 (the named script table): missing"},
                    Row{"blobLongerThanTheRecord", [](SRecordList& r) { r[1][10] = 200; },
                        "record 101 (the named script table) at byte 12: cut short"}}) {
        SScriptTable written;
        written.Add(makeScript("bres_x", {1, 2, 3, 4}));
        SRecordList records = written.Write(114);
        ASSERT_EQ(records[1][10], 4) << "the layout above holds";
        row.spoil(records);
        scripts.Clear();
        EXPECT_FALSE(scripts.Load(OpenRecords(records, 114))) << row.name;
        EXPECT_NE(Refusal().find(row.expected), std::string::npos) << row.name << ": " << Refusal();
    }
}

}  // namespace

}  // namespace script_table_test
