#include "engine/audio/sound_type.h"

bool SSoundType::TakeImage(std::vector<uint8_t> bytes, std::string& fault) {
    fault = platform::Sound::ImageFault(bytes.data(), bytes.size());
    if (!fault.empty()) return false;
    sampleImage = std::move(bytes);
    for (auto& sound : cache) sound.reset();
    return true;
}

platform::Sound* SSoundType::CreateSound(int step) {
    if (step < 0 || step >= kVolumeSteps) return nullptr;
    if (!cache[step]) {
        auto sound = std::make_unique<platform::Sound>();
        if (!sound->Load(sampleImage.data(), sampleImage.size())) return nullptr;
        cache[step] = std::move(sound);
    }
    return cache[step].get();
}
