// The speaker's output in tests: nothing plays by itself; tests pull the mixed samples.
#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"
#include "platform/headless/headless.h"

namespace platform {

namespace {
audio::Mixer* g_mixer = nullptr;
}

namespace audio {

bool StartOutput(Mixer* mixer) {
    g_mixer = mixer;
    return true;
}

void StopOutput(Mixer* mixer) {
    if (g_mixer == mixer) g_mixer = nullptr;
}

}  // namespace audio

namespace headless {

std::vector<int16_t> PullAudio(int frames) {
    std::vector<int16_t> samples(size_t(frames) * 2, 0);
    if (g_mixer) g_mixer->Render(samples.data(), frames);
    return samples;
}

bool AudioResting() { return g_mixer == nullptr || g_mixer->Silent(); }

}  // namespace headless
}  // namespace platform
