// The speaker's output on the desktop: SDL's audio thread pulls from the mixer.
#include <SDL.h>

#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"

namespace platform::audio {

namespace {

SDL_AudioDeviceID g_device = 0;

// While nothing plays the device rests: SDL then hands the device silence of its own instead of
// asking the mixer for it. The device's lock is held while this runs, so a wake from the game's
// thread always comes after the rest it ends.
void pull(void* userdata, Uint8* stream, int bytes) {
    Mixer* mixer = static_cast<Mixer*>(userdata);
    mixer->Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
    if (mixer->Silent()) SDL_PauseAudioDevice(g_device, 1);
}

void wake() {
    if (g_device != 0) SDL_PauseAudioDevice(g_device, 0);
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
    mixer->SetWake(wake);
    SDL_PauseAudioDevice(g_device, 0);
    return true;
}

void StopOutput(Mixer* mixer) {
    if (g_device == 0) return;
    mixer->SetWake(nullptr);
    SDL_CloseAudioDevice(g_device);
    g_device = 0;
}

}  // namespace platform::audio
