#pragma once
// Small sounds and music for tests, made from scratch.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "data/sound_table.h"
#include "engine/audio/music_bank.h"
#include "engine/audio/music_song.h"
#include "engine/audio/sound_type.h"
#include "engine/base/byte_order.h"
#include "tools/sampledata/module_writer.h"
#include "tools/sampledata/wave_writer.h"

// A bank whose sample j is `lengthsInWords[j]` words of a loud square wave, volume 64, not looped.
inline SMusicBank MakeBank(const std::string& name, uint16_t patternSlots,
                           const std::vector<uint16_t>& lengthsInWords) {
    SMusicBank bank;
    bank.name = name;
    bank.header = MakeModuleHeader(("bank " + name).c_str(), 0);
    bank.sampleCount = uint16_t(lengthsInWords.size());
    bank.patternSlots = patternSlots;
    bank.patternUnits = kPatternBytes / 256;
    for (size_t j = 0; j < lengthsInWords.size(); ++j) {
        SetSampleHeader(bank.header, int(j), (name + "-" + std::to_string(j)).c_str(), lengthsInWords[j], 64);
        std::vector<uint8_t> sample(lengthsInWords[j] * 2u);
        for (size_t i = 0; i < sample.size(); ++i) sample[i] = (i / 8) % 2 ? 0x60 : 0xA0;
        bank.samples.push_back(sample);
    }
    return bank;
}

// A song of `patterns` 1,024-byte patterns over `bankName`; pattern i has a note of sample 1 on
// channel 0 every 16 rows, so every pattern sounds.
inline SMusicSong MakeSong(const std::string& name, const std::string& bankName, int patterns) {
    SMusicSong song;
    song.name = name;
    song.bankName = bankName;
    song.header = MakeModuleHeader(name.c_str(), uint8_t(patterns));
    song.patternSize = kPatternBytes;
    for (int i = 0; i < patterns; ++i) {
        std::vector<uint8_t> pattern(kPatternBytes, 0);
        for (int row = 0; row < kPatternRows; row += 16) PutNote(pattern, row, 0, 1, 428);
        song.patterns.push_back(pattern);
    }
    return song;
}

// Short tones under those names in the sound table, for tests that listen for sounds by name.
inline void AddToneSounds(SSoundTable& table, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        auto sound = std::make_unique<SSoundType>();
        sound->name = name;
        sound->sampleImage = MakeWave(11025, 1, FadingTone(11025, 900, 0.02, 8000));
        table.AddSound(std::move(sound));
    }
}
