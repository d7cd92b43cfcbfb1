// The sound library's roles over the shared mixer.
#include <algorithm>

#include "platform/audio/audio_output.h"
#include "platform/audio/mixer.h"
#include "platform/audio/wave_decoder.h"
#include "platform/sound_library.h"

namespace platform {

Sound::Sound() = default;
Sound::~Sound() = default;

bool Sound::Load(const uint8_t* image, size_t size) {
    auto frames = audio::DecodeWave(image, size, audio::kOutputRate);
    if (!frames) {
        m_data.reset();
        return false;
    }
    auto data = std::make_shared<audio::SampleData>();
    data->frames = std::move(*frames);
    m_data = std::move(data);
    return true;
}

std::string Sound::ImageFault(const uint8_t* image, size_t size) { return audio::WaveFault(image, size); }

void Sound::SetVolume(int volume) { m_volume = std::clamp(volume, 0, 64); }
void Sound::SetLoop(bool loop) { m_loop = loop; }

Music::Music() : m_state(std::make_shared<audio::MusicState>()) {}

Music::~Music() { m_state->released = true; }

bool Music::Load(const uint8_t* image, size_t size) {
    auto state = std::make_shared<audio::MusicState>();
    state->context = xmp_create_context();
    if (state->context == nullptr || image == nullptr) return false;
    if (xmp_load_module_from_memory(state->context, image, long(size)) != 0) return false;
    if (xmp_start_player(state->context, audio::kOutputRate, 0) != 0) {
        xmp_release_module(state->context);
        return false;
    }
    state->loaded = true;
    state->loop = m_state->loop.load();
    m_state->released = true;
    m_state = std::move(state);
    return true;
}

void Music::SetLoop(bool loop) { m_state->loop = loop; }

std::vector<int> Music::SampleLengths() const {
    std::vector<int> lengths;
    if (!m_state->loaded) return lengths;
    xmp_module_info info;
    xmp_get_module_info(m_state->context, &info);
    for (int i = 0; i < info.mod->smp; ++i) lengths.push_back(info.mod->xxs[i].len);
    return lengths;
}

void Channel::Pause() { m_speaker.m_mixer->SetPaused(m_id, true); }
void Channel::Resume() { m_speaker.m_mixer->SetPaused(m_id, false); }
void Channel::Stop() { m_speaker.m_mixer->Stop(m_id); }

Speaker::Speaker() : m_mixer(std::make_unique<audio::Mixer>(kEffectChannels)) {}

Speaker::~Speaker() {
    if (m_opened) audio::StopOutput(m_mixer.get());
}

void Speaker::Open() {
    if (!m_opened) m_opened = audio::StartOutput(m_mixer.get());
}

void Speaker::SetSoundVolume(int volume) { m_mixer->SetSoundVolume(volume); }
void Speaker::SetMusicVolume(int volume) { m_mixer->SetMusicVolume(volume); }

int Speaker::PlaySound(const Sound& sound) { return m_mixer->PlaySound(sound.m_data, sound.m_volume, sound.m_loop); }

int Speaker::PlayMusic(const Music& music) { return m_mixer->PlayMusic(music.m_state); }

int Speaker::PlayingSoundCount() const { return m_mixer->PlayingSoundCount(); }

std::optional<Channel> Speaker::FindChannel(int id) {
    if (!m_mixer->HasChannel(id)) return std::nullopt;
    return Channel(*this, id);
}

void Speaker::StopSounds() { m_mixer->StopSounds(); }
void Speaker::Suspend() { m_mixer->SetSuspended(true); }
void Speaker::Resume() { m_mixer->SetSuspended(false); }

}  // namespace platform
