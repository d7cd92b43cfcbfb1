#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::audio {

// The sample rates a sound may have. Recordings are made at 8,000 to 48,000 Hz; the range leaves
// room on both sides but refuses what no recording has, since stretching a sound that claims a rate
// near 1 Hz to the output rate would turn a few kilobytes into gigabytes.
constexpr int kLowestWaveRate = 2000;
constexpr int kHighestWaveRate = 96000;

// Decodes a RIFF WAVE image of PCM samples (8-bit unsigned or 16-bit signed, any channel count, a
// rate from kLowestWaveRate to kHighestWaveRate) into mono 16-bit frames at `outputRate`. Nothing
// when the image is damaged or not such a sound.
std::optional<std::vector<int16_t>> DecodeWave(const uint8_t* image, size_t size, int outputRate);
// Why DecodeWave refuses the image, in a few words; empty when it decodes.
std::string WaveFault(const uint8_t* image, size_t size);

}  // namespace platform::audio
