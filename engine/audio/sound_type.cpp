#include "engine/audio/sound_type.h"

platform::Sound* SSoundType::CreateSound(int step) {
    if (step < 0 || step >= kVolumeSteps) return nullptr;
    if (!cache[step]) {
        auto sound = std::make_unique<platform::Sound>();
        if (!sound->Load(sampleImage.data(), sampleImage.size())) return nullptr;
        cache[step] = std::move(sound);
    }
    return cache[step].get();
}
