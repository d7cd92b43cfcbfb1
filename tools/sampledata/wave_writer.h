#pragma once
#include <cstdint>
#include <vector>

// A RIFF WAVE image of 16-bit PCM frames (`channels` values each), as sound records hold them.
std::vector<uint8_t> MakeWave(int rate, int channels, const std::vector<int16_t>& values);
// A tone of the given pitch that fades out over its length.
std::vector<int16_t> FadingTone(int rate, double frequency, double seconds, int16_t loudness);
// A burst of noise that fades out over its length, the same on every run.
std::vector<int16_t> FadingNoise(int rate, double seconds, int16_t loudness);
