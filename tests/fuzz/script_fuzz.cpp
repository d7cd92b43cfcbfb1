// Compiled scripts: the image check that Load makes, then a run of whatever it binds, with a
// script context whose commands answer with their first argument, and one target that is missing.
#include <cstring>
#include <vector>

#include "script/script.h"
#include "script/script_command_sink.h"
#include "script/script_output.h"

namespace {

class SEchoContext : public SScriptCommandSink {
public:
    int CallCommand(const char* target, uint8_t id, const SScriptValue& arg1, const SScriptValue&, const SScriptValue&,
                    std::optional<SScriptValue>& result) override {
        if (std::strcmp(target, "nowhere") == 0) return kScriptNotAnObject;
        if (id % 2 == 0) result = arg1;
        return kScriptOk;
    }
};

class SQuietOutput : public SScriptOutput {
public:
    void QueueMessage(const char*, uint32_t) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SQuietOutput output;
    static SEchoContext context;
    // A copy of the exact size, so that the sanitizer sees any read past the image.
    const std::vector<uint8_t> image(data, data + size);
    SScript script;
    script.Init(&output);
    script.SetContext(&context);
    if (script.Load(image.data(), uint32_t(image.size())) != kScriptOk) return 0;
    script.Execute();
    script.RunToEnd();
    return 0;
}
