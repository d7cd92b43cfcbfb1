#pragma once
// Mixes the effect channels and the music into the output. The game calls in from its thread, the
// output device pulls from its own; one lock guards the channel table.
#include <xmp.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace platform::audio {

constexpr int kOutputRate = 44100;  // frames per second, two interleaved 16-bit channels

struct SampleData {
    std::vector<int16_t> frames;  // mono at kOutputRate
};

struct MusicState {
    xmp_context context = nullptr;
    bool loaded = false;
    std::atomic<bool> loop{false};
    // Set when the music object is deleted: the mixer lets go of it on its next turn.
    std::atomic<bool> released{false};
    ~MusicState();
};

class Mixer {
public:
    explicit Mixer(int maxVoices) : m_maxVoices(maxVoices) {}

    int PlaySound(std::shared_ptr<const SampleData> data, int volume, bool loop);
    int PlayMusic(std::shared_ptr<MusicState> music);
    int PlayingSoundCount();
    bool HasChannel(int id);
    void SetPaused(int id, bool paused);
    void Stop(int id);
    void StopSounds();
    void SetSoundVolume(int volume);
    void SetMusicVolume(int volume);
    void SetSuspended(bool suspended);

    // Fills `frames` stereo frames.
    void Render(int16_t* out, int frames);
    // Whether the output is silence until a sound or the music starts or resumes or a volume is
    // raised: nothing plays that is heard (a paused sound, music or a looped sound at no volume), or
    // the speaker is suspended. An output device may rest meanwhile.
    bool Silent();
    // Called, on the game's thread, whenever a sound or the music starts or resumes or a volume
    // changes, so that a resting output device takes up pulling again.
    void SetWake(void (*wake)()) { m_wake = wake; }

private:
    struct Voice {
        int id;
        std::shared_ptr<const SampleData> data;
        size_t position;
        int volume;
        bool loop;
        bool paused;
    };

    int nextId();
    // Under the lock: whether the music is mixed in, and whether nothing but silence can come out.
    bool musicMixedLocked() const;
    bool silentLocked() const;
    void wake() const {
        if (m_wake != nullptr) m_wake();
    }

    std::mutex m_lock;
    const int m_maxVoices;
    std::vector<Voice> m_voices;
    std::shared_ptr<MusicState> m_music;
    int m_musicId = 0;
    bool m_musicPaused = false;
    int m_lastId = 0;
    int m_soundVolume = 64;
    int m_musicVolume = 64;
    bool m_suspended = false;
    std::vector<int32_t> m_accumulator;
    std::vector<int16_t> m_musicBuffer;
    void (*m_wake)() = nullptr;
};

}  // namespace platform::audio
