#include "engine/audio/music_bank.h"

uint32_t SMusicBank::SampleBytes(int j) const {
    const uint8_t* length = header.data() + 20 + 30 * j + 22;  // big-endian word count
    return ((uint32_t(length[0]) << 8) | length[1]) * 2;
}
