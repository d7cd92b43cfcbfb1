#pragma once
// The sound library's four roles: the speaker (the one output and its mixer), a sound (a sample
// that can be played on a channel), a music (a module that plays on its own channel) and a channel
// (one playing sound or music, found by its number). Volumes are 0 .. 64.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace audio {
class Mixer;
struct SampleData;
struct MusicState;
}  // namespace audio

class Sound {
public:
    Sound();
    ~Sound();
    // Decodes a RIFF WAVE image (PCM, 8 or 16 bit, any channel count, 2,000 to 96,000 Hz). False
    // when the image is not one; the sound then plays nothing.
    bool Load(const uint8_t* image, size_t size);
    // Why Load refuses the image, in a few words ("its sample rate 1 Hz is outside ..."); empty when
    // it plays.
    static std::string ImageFault(const uint8_t* image, size_t size);
    void SetVolume(int volume);
    void SetLoop(bool loop);
    bool IsLoaded() const { return m_data != nullptr; }

private:
    friend class Speaker;
    std::shared_ptr<const audio::SampleData> m_data;
    int m_volume = 64;
    bool m_loop = false;
};

class Music {
public:
    Music();
    // Stops the music when it still plays.
    ~Music();
    // Parses the module at once: the image may be rewritten or freed afterwards without disturbing
    // the music. False when the image is not a module.
    bool Load(const uint8_t* image, size_t size);
    void SetLoop(bool loop);
    // Sample lengths in bytes as the module parser found them (for checks of built modules).
    std::vector<int> SampleLengths() const;

private:
    friend class Speaker;
    std::shared_ptr<audio::MusicState> m_state;
};

class Speaker;

class Channel {
public:
    Channel(Speaker& speaker, int id) : m_speaker(speaker), m_id(id) {}
    void Pause();
    void Resume();
    void Stop();

private:
    Speaker& m_speaker;
    int m_id;
};

class Speaker {
public:
    static constexpr int kEffectChannels = 32;

    Speaker();
    ~Speaker();
    Speaker(const Speaker&) = delete;
    Speaker& operator=(const Speaker&) = delete;

    // Starts the output. Without an audio device the speaker runs silently: every call still works.
    void Open();
    void SetSoundVolume(int volume);
    void SetMusicVolume(int volume);
    // Channel numbers start at 1; 0 means nothing was played.
    int PlaySound(const Sound& sound);
    int PlayMusic(const Music& music);
    int PlayingSoundCount() const;
    // The channel of a sound or music still playing (or paused); none for 0 or a finished one.
    std::optional<Channel> FindChannel(int id);
    // Stops every sound; the music plays on.
    void StopSounds();
    void Suspend();
    void Resume();

private:
    friend class Channel;
    std::unique_ptr<audio::Mixer> m_mixer;
    bool m_opened = false;
};

}  // namespace platform
