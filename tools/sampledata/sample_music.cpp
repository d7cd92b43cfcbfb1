#include "tools/sampledata/sample_music.h"

#include <cmath>
#include <cstdint>
#include <functional>

#include "tools/sampledata/module_writer.h"
#include "tools/sampledata/wave_writer.h"

namespace {

enum Instrument { kLead = 1, kBass = 2, kDrum = 3 };
// Channels 0 and 3 sound on the left, 1 and 2 on the right: the lead plays on both sides.
enum Channel { kLeadLeft = 0, kLeadRight = 1, kBassChannel = 2, kDrumChannel = 3 };

// A module sample is signed 8-bit: `words` words of a wave shaped by `at` (time in samples,
// answering -1 .. 1), fading by e^(-t / fade).
std::vector<uint8_t> drawSample(uint16_t words, double fade, const std::function<double(int)>& at) {
    std::vector<uint8_t> sample(words * 2u);
    for (size_t t = 0; t < sample.size(); ++t)
        sample[t] = uint8_t(int8_t(std::lround(100.0 * std::exp(-double(t) / fade) * at(int(t)))));
    return sample;
}

// One cycle every `period` samples: a rising then falling ramp.
double triangle(int t, int period) {
    const double phase = double(t % period) / period;
    return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
}

double square(int t, int period) { return t % period < period / 2 ? 1.0 : -1.0; }

// A tune of four chords, 16 rows each: the lead's notes (one per four rows, semitones counted from
// the lowest C, -1 for a rest) and the chords' roots, which the bass plays twice.
struct STune {
    int lead[16];
    int roots[4];
};

std::vector<uint8_t> writePattern(const STune& tune) {
    std::vector<uint8_t> pattern(kPatternBytes, 0);
    for (int i = 0; i < 16; ++i)
        for (int channel : {kLeadLeft, kLeadRight})
            if (tune.lead[i] >= 0) PutNote(pattern, i * 4, channel, kLead, NotePeriod(tune.lead[i]));
    for (int chord = 0; chord < 4; ++chord)
        for (int row : {chord * 16, chord * 16 + 8})
            PutNote(pattern, row, kBassChannel, kBass, NotePeriod(tune.roots[chord]));
    // The drum on every half chord, a quiet tick between (effect C: set the volume).
    for (int row = 0; row < kPatternRows; row += 4)
        PutNote(pattern, row, kDrumChannel, kDrum, NotePeriod(12), row % 8 ? 0xC : 0, row % 8 ? 16 : 0);
    return pattern;
}

SMusicSong makeSong(const char* name, const STune& first, const STune& second) {
    SMusicSong song;
    song.name = name;
    song.bankName = kSampleBankName;
    song.header = MakeModuleHeader(name, 2);
    song.patternSize = kPatternBytes;
    song.patterns = {writePattern(first), writePattern(second)};
    return song;
}

// Notes of the pentatonic scale on C, two octaves up from the lowest C.
constexpr int C = 12, D = 14, E = 16, G = 19, A = 21, C2 = 24, D2 = 26, E2 = 28;
// Below them, for the darker tunes.
constexpr int G0 = 7, A0 = 9;
constexpr int kRest = -1;

}  // namespace

SMusicBank SampleBank() {
    SMusicBank bank;
    bank.name = kSampleBankName;
    bank.header = MakeModuleHeader("brim vale instruments", 0);
    bank.patternSlots = 2;
    bank.patternUnits = kPatternBytes / 256;
    struct Drawn {
        const char* name;
        uint16_t words;
        double fade;
        uint8_t volume;
        std::function<double(int)> at;
    };
    constexpr uint16_t kDrumWords = 1000;
    const std::vector<int16_t> hiss = FadingNoise(kDrumWords * 2, 1.0, 32767);
    const Drawn instruments[] = {
        {"lead", 3000, 1800, 44, [](int t) { return 0.7 * triangle(t, 32) + 0.3 * square(t, 32); }},
        {"bass", 4000, 3000, 44, [](int t) { return 0.8 * triangle(t, 64) + 0.2 * square(t, 64); }},
        {"drum", kDrumWords, 250, 40,
         [&hiss](int t) { return 0.6 * hiss[size_t(t)] / 32768.0 + 0.4 * std::sin(t * 0.12); }},
    };
    for (const Drawn& instrument : instruments) {
        SetSampleHeader(bank.header, bank.sampleCount++, instrument.name, instrument.words, instrument.volume);
        bank.samples.push_back(drawSample(instrument.words, instrument.fade, instrument.at));
    }
    return bank;
}

std::vector<SMusicSong> SampleSongs() {
    const STune mainFirst{{E, G, A, G, E, C, D, E, A, C2, A, G, D, E, G, D}, {0, 9, 5, 7}};
    const STune mainSecond{{E, G, C2, D2, E2, D2, C2, A, A, G, E, D, D, E, D, C}, {0, 9, 5, 7}};
    const STune dayFirst{{G, A, C2, kRest, A, G, E, G, D, E, G, A, G, kRest, E, D}, {5, 0, 7, 0}};
    const STune daySecond{{C2, D2, E2, D2, C2, A, G, A, G, E, D, E, C, kRest, C, kRest}, {5, 0, 7, 0}};
    // The night's tune sparse and low, the dungeon's slow over a falling bass, the fight's busy.
    const STune nightFirst{{A0, kRest, C, kRest, E, kRest, D, kRest, C, kRest, A0, kRest, G0, kRest, A0, kRest},
                           {9, 5, 7, 9}};
    const STune nightSecond{{E, kRest, D, kRest, C, kRest, A0, kRest, C, D, E, kRest, A0, kRest, kRest, kRest},
                            {9, 5, 7, 9}};
    const STune dungeonFirst{
        {A0, kRest, kRest, C, kRest, kRest, A0, kRest, G0, kRest, kRest, A0, kRest, kRest, kRest, kRest}, {9, 7, 5, 4}};
    const STune dungeonSecond{
        {E, kRest, D, kRest, C, kRest, kRest, kRest, A0, kRest, C, kRest, A0, kRest, kRest, kRest}, {9, 7, 5, 4}};
    const STune fightFirst{{A, A, G, A, C2, A, G, E, A, A, G, A, D2, C2, A, G}, {9, 9, 7, 7}};
    const STune fightSecond{{E2, D2, C2, A, E2, D2, C2, D2, A, G, A, C2, A, G, E, A}, {5, 5, 7, 9}};
    return {makeSong("bmus_main", mainFirst, mainSecond), makeSong("bmus_surfaceday", dayFirst, daySecond),
            makeSong("bmus_surfacenight", nightFirst, nightSecond),
            makeSong("bmus_dungeon", dungeonFirst, dungeonSecond), makeSong("bmus_fight", fightFirst, fightSecond)};
}
