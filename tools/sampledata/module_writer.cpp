#include "tools/sampledata/module_writer.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/base/byte_order.h"

namespace {

// The period of C in the lowest octave; each octave up halves it.
constexpr double kLowestC = 856.0;

}  // namespace

SModuleHeaderBytes MakeModuleHeader(const char* title, uint8_t songLength) {
    SModuleHeaderBytes header{};
    std::strncpy(reinterpret_cast<char*>(header.data()), title, 20);
    header[kModuleSongLengthAt] = songLength;
    for (uint8_t i = 0; i < songLength; ++i) header[kModuleSongLengthAt + 2 + i] = i;
    std::memcpy(header.data() + 1080, "M.K.", 4);
    return header;
}

void SetSampleHeader(SModuleHeaderBytes& header, int j, const char* name, uint16_t words, uint8_t volume) {
    uint8_t* sample = header.data() + 20 + 30 * j;
    std::snprintf(reinterpret_cast<char*>(sample), 22, "%s", name);
    WriteBE16(sample + 22, words);
    sample[25] = volume;
    WriteBE16(sample + 28, 1);  // a loop length of one word: no loop
}

int NotePeriod(int semitone) { return int(std::lround(kLowestC / std::pow(2.0, semitone / 12.0))); }

void PutNote(std::vector<uint8_t>& pattern, int row, int channel, int sample, int period, uint8_t effect,
             uint8_t parameter) {
    uint8_t* note = pattern.data() + (row * kPatternChannels + channel) * 4;
    note[0] = uint8_t((sample & 0xF0) | ((period >> 8) & 0x0F));
    note[1] = uint8_t(period);
    note[2] = uint8_t(((sample & 0x0F) << 4) | (effect & 0x0F));
    note[3] = parameter;
}
