#pragma once
// An interpreter wired to a recording script context and output, for the interpreter's tests.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script.h"
#include "script/script_command_sink.h"
#include "script/script_output.h"
#include "support/case_name.h"
#include "tools/sampledata/script_assembler.h"

// Ids of the real command table where one fits, so that listings read like game scripts.
enum TestCommand : uint8_t { kMessage = 187, kEcho = 120, kNested = 121 };

inline const SScriptAssembler::Commands kTestCommands = {{"message", kMessage}, {"echo", kEcho}, {"nested", kNested}};

struct SRecordedCall {
    std::string target;
    uint8_t id;
    std::vector<SScriptValue> args;
};

// message records its call and gives nothing; echo gives back its first argument; a target
// named "nowhere" does not exist; nested runs the test's hook inside the call.
class SRecordingContext : public SScriptCommandSink {
public:
    int CallCommand(const char* target, uint8_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                    const SScriptValue& arg3, std::optional<SScriptValue>& result) override {
        if (std::string_view(target) == "nowhere") return kScriptNotAnObject;
        m_calls.push_back({target, id, {arg1, arg2, arg3}});
        if (id == kEcho) result = arg1;
        if (id == kNested && m_hook) m_hook();
        return kScriptOk;
    }

    std::vector<SRecordedCall> m_calls;
    std::function<void()> m_hook;
};

class SRecordingOutput : public SScriptOutput {
public:
    void QueueMessage(const char* text, uint32_t buttons) override { m_messages.push_back({text, buttons}); }

    struct Message {
        std::string text;
        uint32_t buttons;
    };
    std::vector<Message> m_messages;
};

class ScriptTest : public ::testing::Test {
protected:
    ScriptTest() {
        m_script.Init(&m_output);
        m_script.SetContext(&m_context);
    }

    // Binds the image, which the fixture keeps alive while it is bound.
    int Load(std::vector<uint8_t> image) {
        m_image = std::move(image);
        return m_script.Load(m_image.data(), uint32_t(m_image.size()));
    }

    bool Execute(std::string_view listing) {
        EXPECT_EQ(Load(SScriptAssembler::Assemble(listing, kTestCommands)), kScriptOk) << listing;
        return m_script.Execute();
    }

    // The texts of the first arguments of every message call so far.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const SRecordedCall& call : m_context.m_calls)
            if (call.id == kMessage) texts.emplace_back(call.args[0].Text());
        return texts;
    }

    // A variable's value, read by a run of its own (variables outlive runs).
    SScriptValue ValueOf(const std::string& name) {
        m_context.m_calls.clear();
        EXPECT_TRUE(Execute("message ( $" + name + " ) ;"));
        return m_context.m_calls.empty() ? SScriptValue() : m_context.m_calls.back().args[0];
    }

    SScript m_script;
    SRecordingContext m_context;
    SRecordingOutput m_output;
    std::vector<uint8_t> m_image;
};
