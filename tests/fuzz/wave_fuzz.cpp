// Sounds: a sound record's RIFF WAVE image decoded to the output rate, as every sound effect and
// interface sound is before it plays.
#include <cstdlib>
#include <vector>

#include "platform/audio/wave_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of the exact size, so that the sanitizer sees any read past the image.
    const std::vector<uint8_t> image(data, data + size);
    const auto frames = platform::audio::DecodeWave(image.data(), image.size(), 44100);
    const bool refused = !platform::audio::WaveFault(image.data(), image.size()).empty();
    if (frames.has_value() == refused) std::abort();
    // The output rate is at most 22 times the lowest rate a sound may have.
    if (frames && frames->size() > image.size() * 44100 / platform::audio::kLowestWaveRate) std::abort();
    return 0;
}
