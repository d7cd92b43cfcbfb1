// Statements per second of a loop-free script of a few hundred statements.
#include <benchmark/benchmark.h>

#include <cstring>
#include <optional>
#include <string>

#include "script/script.h"
#include "script/script_command_sink.h"
#include "tools/sampledata/script_assembler.h"

namespace {
class Sink : public SScriptCommandSink {
public:
    int CallCommand(const char*, uint8_t id, const SScriptValue& a, const SScriptValue&, const SScriptValue&,
                    std::optional<SScriptValue>& result) override {
        if (id == 120) result = a;
        return 0;
    }
};

constexpr int kRounds = 60;  // 5 statements each
std::string Listing() {
    std::string s;
    for (int i = 0; i < kRounds; ++i) {
        std::string n = std::to_string(i % 7);
        s += "#" + std::to_string(i) + " $a" + n + " = $a" + n + " + " + std::to_string(i) + " * 3 - 1 ; ";
        s += "$t = \"gold: \" + $a" + n + " ; ";
        s += "if ( $a" + n + " > 100 ) $b += 1 ; else $b -= 1 ; ";
        s += "$c = echo ( $b , 2 , 3 ) + ( 10 - 4 - 3 ) ; ";
        s += "$d ++ ; ";
    }
    return s;
}
}  // namespace

static void BM_ScriptStatements(benchmark::State& state) {
    const auto image = SScriptAssembler::Assemble(Listing(), {{"echo", 120}});
    SScript script;
    Sink sink;
    script.SetContext(&sink);
    script.Load(image.data(), uint32_t(image.size()));
    for (auto _ : state) {
        if (!script.Execute()) state.SkipWithError("script failed");
    }
    state.SetItemsProcessed(state.iterations() * kRounds * 5);
    state.counters["image_bytes"] = double(image.size());
}
BENCHMARK(BM_ScriptStatements);

static void BM_MemcpyOfTheImage(benchmark::State& state) {
    const auto image = SScriptAssembler::Assemble(Listing(), {{"echo", 120}});
    std::string out(image.size(), 0);
    for (auto _ : state) {
        std::memcpy(out.data(), image.data(), image.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * image.size());
}
BENCHMARK(BM_MemcpyOfTheImage);
