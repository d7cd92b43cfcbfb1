#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform::audio {

// Decodes a RIFF WAVE image of PCM samples (8-bit unsigned or 16-bit signed, any rate and channel
// count) into mono 16-bit frames at `outputRate`. Nothing when the image is damaged or not PCM.
std::optional<std::vector<int16_t>> DecodeWave(const uint8_t* image, size_t size, int outputRate);

}  // namespace platform::audio
