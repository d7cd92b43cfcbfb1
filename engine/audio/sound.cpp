#include "engine/audio/sound.h"

#include <algorithm>

#include "engine/audio/sound_type.h"
#include "engine/files/settings.h"

namespace {
int clampLevel(int level) { return std::clamp(level, 0, 10); }
}  // namespace

SSound::SSound() = default;
SSound::~SSound() = default;

void SSound::Open(SSettings& settings) {
    m_settings = &settings;
    m_speaker = std::make_unique<platform::Speaker>();
    m_speaker->Open();
    m_soundScale = 10;
    SetVolumes(int(settings.soundVolume), int(settings.musicVolume));
}

void SSound::SetVolumes(int soundLevel, int musicLevel) {
    soundLevel = clampLevel(soundLevel);
    musicLevel = clampLevel(musicLevel);
    if (m_settings) {
        m_settings->soundVolume = uint32_t(soundLevel);
        m_settings->musicVolume = uint32_t(musicLevel);
    }
    if (!m_speaker) return;
    m_speaker->SetSoundVolume(LibraryVolume(soundLevel));
    m_speaker->SetMusicVolume(LibraryVolume(musicLevel));
}

int SSound::play(SSoundType& sound, int volume, bool loop) {
    const int channel = playOnSpeaker(sound, clampLevel(volume), loop);
    if (m_listener) m_listener->Played(sound, clampLevel(volume), loop, channel);
    return channel;
}

int SSound::playOnSpeaker(SSoundType& sound, int volume, bool loop) {
    if (!m_speaker) return 0;
    const int step = m_soundScale * volume / 10;
    platform::Sound* librarySound = sound.CreateSound(step);
    if (librarySound == nullptr) return 0;
    // The cached sound is shared by later plays at the same step, so its loop flag is set each time.
    librarySound->SetLoop(loop);
    librarySound->SetVolume(LibraryVolume(step));
    int channel = m_speaker->PlaySound(*librarySound);
    m_speaker->PlayingSoundCount();
    return channel;
}

int SSound::Play(SSoundType& sound, int volume) { return play(sound, volume, false); }

int SSound::PlayLooped(SSoundType& sound, int volume) { return play(sound, volume, true); }

int SSound::PlayMusic(const SMusicSong& song) {
    const SMusicBank* bank = m_banks ? m_banks->FindBank(song.bankName.c_str()) : nullptr;
    if (!m_speaker || !m_module.Build(song, bank)) return 0;
    m_music = std::make_unique<platform::Music>();
    m_music->SetLoop(true);
    if (!m_music->Load(m_module.Image().data(), m_module.Image().size())) return 0;
    return m_speaker->PlayMusic(*m_music);
}

void SSound::ResumeChannel(int channel) {
    if (m_speaker)
        if (auto found = m_speaker->FindChannel(channel)) found->Resume();
}

void SSound::PauseChannel(int channel) {
    if (m_speaker)
        if (auto found = m_speaker->FindChannel(channel)) found->Pause();
}

void SSound::StopChannel(int channel) {
    if (m_listener) m_listener->Stopped(channel);
    if (m_speaker)
        if (auto found = m_speaker->FindChannel(channel)) found->Stop();
}

void SSound::StopAllSounds() {
    if (m_listener) m_listener->StoppedAll();
    if (m_speaker) m_speaker->StopSounds();
}

void SSound::Suspend() {
    if (m_speaker) m_speaker->Suspend();
}

void SSound::Resume() {
    if (m_speaker) m_speaker->Resume();
}
