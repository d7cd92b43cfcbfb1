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
    int rate = 0;
    int bits = 0;
};

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

std::optional<std::vector<int16_t>> DecodeWave(const uint8_t* image, size_t size, int outputRate) {
    if (image == nullptr || size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
        return std::nullopt;

    Format format;
    const uint8_t* data = nullptr;
    size_t dataSize = 0;
    for (size_t at = 12; at + 8 <= size;) {
        const uint8_t* chunk = image + at;
        size_t chunkSize = le32(chunk + 4);
        size_t available = size - at - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize < 16 || chunkSize > available || le16(chunk + 8) != 1) return std::nullopt;
            format = {le16(chunk + 10), int(le32(chunk + 12)), le16(chunk + 22)};
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            data = chunk + 8;
            dataSize = std::min(chunkSize, available);  // a cut-off image plays what it has
        }
        if (chunkSize > available) break;
        at += 8 + chunkSize + (chunkSize & 1);
    }
    if (data == nullptr || format.channels < 1 || format.rate < 1 || (format.bits != 8 && format.bits != 16))
        return std::nullopt;

    const size_t frameBytes = size_t(format.channels) * (format.bits / 8);
    const size_t sourceFrames = dataSize / frameBytes;
    const size_t outputFrames = size_t(uint64_t(sourceFrames) * outputRate / format.rate);
    std::vector<int16_t> frames(outputFrames);
    // Linear interpolation between neighbouring source frames, in 16.16 steps.
    const uint64_t step = (uint64_t(format.rate) << 16) / outputRate;
    for (size_t i = 0; i < outputFrames; ++i) {
        uint64_t position = i * step;
        size_t index = size_t(position >> 16);
        int32_t fraction = int32_t(position & 0xFFFF);
        int32_t a = monoFrame(data + index * frameBytes, format);
        int32_t b = index + 1 < sourceFrames ? monoFrame(data + (index + 1) * frameBytes, format) : a;
        frames[i] = int16_t(a + (((b - a) * fraction) >> 16));
    }
    return frames;
}

}  // namespace platform::audio
