// Music banks and songs: two songs built in turn into the module image over one bank, as the game
// plays one song after another. The image keeps the size its bank and song give it, and stays
// within the largest a song may take.
#include <cstdlib>

#include "engine/audio/music_module.h"
#include "engine/base/archive.h"
#include "fuzz/music_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SMusicInput input;
    SArchive archive;
    archive.OpenRead(data, uint32_t(size));
    input.Serialize(archive);
    if (archive.Failed()) return 0;

    SMusicModule module;
    for (const SMusicSong& song : input.songs) {
        const std::vector<uint8_t> before = module.Image();
        if (!module.Build(song, &input.bank)) {
            if (module.Image() != before || module.Error().Message().empty()) std::abort();
            continue;
        }
        size_t expected = kModuleHeaderSize + size_t(input.bank.patternSlots) * song.patternSize;
        for (int j = 0; j < std::min<int>(input.bank.sampleCount, 31); ++j) expected += input.bank.SampleBytes(j);
        if (module.Image().size() != expected || expected > SMusicModule::kLargestImage) std::abort();
    }
    return 0;
}
