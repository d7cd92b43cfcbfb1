// The speaker's output on the desktop: SDL's audio thread pulls from the mixer.
#include <SDL.h>

#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"

namespace platform::audio {

namespace {

SDL_AudioDeviceID g_device = 0;

void pull(void* mixer, Uint8* stream, int bytes) {
    static_cast<Mixer*>(mixer)->Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

}  // namespace

bool StartOutput(Mixer* mixer) {
    if (g_device != 0) return false;
    if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kOutputRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = pull;
    wanted.userdata = mixer;
    g_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (g_device == 0) return false;
    SDL_PauseAudioDevice(g_device, 0);
    return true;
}

void StopOutput(Mixer*) {
    if (g_device == 0) return;
    SDL_CloseAudioDevice(g_device);
    g_device = 0;
}

}  // namespace platform::audio
