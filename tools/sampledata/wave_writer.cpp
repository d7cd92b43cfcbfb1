#include "tools/sampledata/wave_writer.h"

#include <cmath>
#include <cstring>

#include "engine/base/byte_order.h"

std::vector<uint8_t> MakeWave(int rate, int channels, const std::vector<int16_t>& values) {
    const uint32_t dataBytes = uint32_t(values.size() * 2);
    std::vector<uint8_t> image(44 + dataBytes);
    uint8_t* p = image.data();
    std::memcpy(p, "RIFF", 4);
    WriteLE32(p + 4, 36 + dataBytes);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    WriteLE32(p + 16, 16);
    WriteLE16(p + 20, 1);  // PCM
    WriteLE16(p + 22, uint16_t(channels));
    WriteLE32(p + 24, uint32_t(rate));
    WriteLE32(p + 28, uint32_t(rate * channels * 2));
    WriteLE16(p + 32, uint16_t(channels * 2));
    WriteLE16(p + 34, 16);
    std::memcpy(p + 36, "data", 4);
    WriteLE32(p + 40, dataBytes);
    for (size_t i = 0; i < values.size(); ++i) WriteLE16(p + 44 + 2 * i, uint16_t(values[i]));
    return image;
}

std::vector<int16_t> FadingTone(int rate, double frequency, double seconds, int16_t loudness) {
    const size_t frames = size_t(rate * seconds);
    std::vector<int16_t> values(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double fade = 1.0 - double(i) / double(frames);
        values[i] = int16_t(loudness * fade * std::sin(2 * M_PI * frequency * double(i) / rate));
    }
    return values;
}

std::vector<int16_t> FadingNoise(int rate, double seconds, int16_t loudness) {
    const size_t frames = size_t(rate * seconds);
    std::vector<int16_t> values(frames);
    uint32_t state = 1;
    for (size_t i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double fade = 1.0 - double(i) / double(frames);
        values[i] = int16_t(loudness * fade * (double(state >> 16) / 32768.0 - 1.0));
    }
    return values;
}
