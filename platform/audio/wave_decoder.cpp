#include "platform/audio/wave_decoder.h"

#include <cstring>

namespace platform::audio {

namespace {

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

struct Format {
    int channels = 0;
    int64_t rate = 0;
    int bits = 0;
};

// What the image's chunks say: the format and the samples, or why it is no sound.
struct Wave {
    Format format;
    const uint8_t* data = nullptr;
    size_t dataSize = 0;
    std::string fault;
};

Wave refused(std::string fault) {
    Wave wave;
    wave.fault = std::move(fault);
    return wave;
}

Wave parse(const uint8_t* image, size_t size) {
    if (image == nullptr || size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
        return refused("not a RIFF WAVE image");

    Wave wave;
    bool hasFormat = false;
    for (size_t at = 12; at + 8 <= size;) {
        const uint8_t* chunk = image + at;
        size_t chunkSize = le32(chunk + 4);
        size_t available = size - at - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize < 16 || chunkSize > available) return refused("its format chunk is damaged");
            if (le16(chunk + 8) != 1) return refused("compressed (format " + std::to_string(le16(chunk + 8)) + ")");
            wave.format = {le16(chunk + 10), le32(chunk + 12), le16(chunk + 22)};
            hasFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            wave.data = chunk + 8;
            wave.dataSize = std::min(chunkSize, available);  // a cut-off image plays what it has
        }
        if (chunkSize > available) break;
        at += 8 + chunkSize + (chunkSize & 1);
    }
    const Format& format = wave.format;
    if (!hasFormat) return refused("it has no format chunk");
    if (wave.data == nullptr) return refused("it has no data chunk");
    if (format.channels < 1) return refused("it has no channels");
    if (format.bits != 8 && format.bits != 16)
        return refused(std::to_string(format.bits) + " bits per sample, not 8 or 16");
    if (format.rate < kLowestWaveRate || format.rate > kHighestWaveRate)
        return refused("its sample rate " + std::to_string(format.rate) + " Hz is outside " +
                       std::to_string(kLowestWaveRate) + ".." + std::to_string(kHighestWaveRate) + " Hz");
    return wave;
}

// One frame of the source as a mono 16-bit value: the channels averaged.
int16_t monoFrame(const uint8_t* frame, const Format& format) {
    int32_t sum = 0;
    for (int c = 0; c < format.channels; ++c) {
        if (format.bits == 8)
            sum += (int32_t(frame[c]) - 128) << 8;
        else
            sum += int16_t(le16(frame + 2 * c));
    }
    return int16_t(sum / format.channels);
}

}  // namespace

std::string WaveFault(const uint8_t* image, size_t size) { return parse(image, size).fault; }

std::optional<std::vector<int16_t>> DecodeWave(const uint8_t* image, size_t size, int outputRate) {
    const Wave wave = parse(image, size);
    if (!wave.fault.empty() || outputRate < 1) return std::nullopt;

    const Format& format = wave.format;
    const size_t frameBytes = size_t(format.channels) * (format.bits / 8);
    const size_t sourceFrames = wave.dataSize / frameBytes;
    const size_t outputFrames = size_t(uint64_t(sourceFrames) * outputRate / uint64_t(format.rate));
    std::vector<int16_t> frames(outputFrames);
    // Linear interpolation between neighbouring source frames, in 16.16 steps. Neighbours may lie
    // a whole 16-bit range apart, so the step between them is scaled in 64 bits.
    const uint64_t step = (uint64_t(format.rate) << 16) / uint64_t(outputRate);
    for (size_t i = 0; i < outputFrames; ++i) {
        uint64_t position = i * step;
        size_t index = size_t(position >> 16);
        int64_t fraction = int64_t(position & 0xFFFF);
        int32_t a = monoFrame(wave.data + index * frameBytes, format);
        int32_t b = index + 1 < sourceFrames ? monoFrame(wave.data + (index + 1) * frameBytes, format) : a;
        frames[i] = int16_t(a + ((int64_t(b - a) * fraction) >> 16));
    }
    return frames;
}

}  // namespace platform::audio
