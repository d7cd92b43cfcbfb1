#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound_library.h"

// A sound effect: its sample image, and the library sounds made from it, one per volume step.
struct SSoundType {
    static constexpr int kVolumeSteps = 11;

    std::string name;
    std::vector<uint8_t> sampleImage;
    std::array<std::unique_ptr<platform::Sound>, kVolumeSteps> cache;

    // Takes a sound record's bytes when the sound library can play them. False, keeping nothing,
    // when it cannot; `fault` then says why.
    bool TakeImage(std::vector<uint8_t> bytes, std::string& fault);
    // The library sound for a volume step 0 .. 10, made on first use; null when the image cannot be
    // played.
    platform::Sound* CreateSound(int step);
};
