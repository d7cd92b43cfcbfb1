#pragma once
// SScriptCommandSink: where the interpreter hands every command call.
#include <cstdint>
#include <optional>

#include "script/script_value.h"

// The script context implements this: it finds the call's target and runs the command there.
class SScriptCommandSink {
public:
    virtual ~SScriptCommandSink() = default;

    // target is the object name written before the command, or "(this)". Every call carries three
    // arguments; those the script left out are empty texts. A command with a result stores it in
    // result. A non-zero answer ends the script with that code (12 when the target does not exist).
    virtual int CallCommand(const char* target, uint8_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                            const SScriptValue& arg3, std::optional<SScriptValue>& result) = 0;
};
