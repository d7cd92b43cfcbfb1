#pragma once
// Small sounds and music for tests, made from scratch.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"
#include "engine/base/byte_order.h"
#include "tools/sampledata/wave_writer.h"

// A module header with a title, `songLength` order entries 0, 1, ... and the four-channel tag.
inline std::array<uint8_t, kModuleHeaderSize> MakeModuleHeader(const char* title, uint8_t songLength) {
    std::array<uint8_t, kModuleHeaderSize> header{};
    std::strncpy(reinterpret_cast<char*>(header.data()), title, 20);
    header[950] = songLength;
    header[951] = 0;
    for (uint8_t i = 0; i < songLength; ++i) header[952 + i] = i;
    std::memcpy(header.data() + 1080, "M.K.", 4);
    return header;
}

// A bank whose sample j is `lengthsInWords[j]` words of a loud square wave, volume 64, not looped.
inline SMusicBank MakeBank(const std::string& name, uint16_t patternSlots,
                           const std::vector<uint16_t>& lengthsInWords) {
    SMusicBank bank;
    bank.name = name;
    bank.header = MakeModuleHeader(("bank " + name).c_str(), 0);
    bank.sampleCount = uint16_t(lengthsInWords.size());
    bank.patternSlots = patternSlots;
    bank.patternUnits = 4;
    for (size_t j = 0; j < lengthsInWords.size(); ++j) {
        uint8_t* sampleHeader = bank.header.data() + 20 + 30 * j;
        std::snprintf(reinterpret_cast<char*>(sampleHeader), 22, "%s-%zu", name.c_str(), j);
        WriteBE16(sampleHeader + 22, lengthsInWords[j]);
        sampleHeader[25] = 64;            // volume
        WriteBE16(sampleHeader + 28, 1);  // loop length 1: no loop
        std::vector<uint8_t> sample(lengthsInWords[j] * 2u);
        for (size_t i = 0; i < sample.size(); ++i) sample[i] = (i / 8) % 2 ? 0x60 : 0xA0;
        bank.samples.push_back(sample);
    }
    return bank;
}

// A song of `patterns` 1,024-byte patterns over `bankName`; pattern i starts with a note of sample 1
// on channel 0, so every pattern sounds.
inline SMusicSong MakeSong(const std::string& name, const std::string& bankName, int patterns) {
    SMusicSong song;
    song.name = name;
    song.bankName = bankName;
    song.header = MakeModuleHeader(name.c_str(), uint8_t(patterns));
    song.patternSize = 1024;
    for (int i = 0; i < patterns; ++i) {
        std::vector<uint8_t> pattern(1024, 0);
        for (int row = 0; row < 64; row += 16) {
            uint8_t* note = pattern.data() + row * 16;
            note[0] = 0x01;  // period 428 (high bits 1), sample 1 (high nibble 0)
            note[1] = 0xAC;
            note[2] = 0x10;  // sample 1 (low nibble), no effect
        }
        song.patterns.push_back(pattern);
    }
    return song;
}
