#include "platform/audio/mixer.h"

#include <algorithm>
#include <utility>

namespace platform::audio {

MusicState::~MusicState() {
    if (context == nullptr) return;
    if (loaded) {
        xmp_end_player(context);
        xmp_release_module(context);
    }
    xmp_free_context(context);
}

int Mixer::nextId() {
    if (++m_lastId <= 0) m_lastId = 1;
    return m_lastId;
}

int Mixer::PlaySound(std::shared_ptr<const SampleData> data, int volume, bool loop) {
    if (!data) return 0;
    int id = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        // A full table makes room by ending the sound that started first.
        if (int(m_voices.size()) >= m_maxVoices) m_voices.erase(m_voices.begin());
        id = nextId();
        m_voices.push_back({id, std::move(data), 0, std::clamp(volume, 0, 64), loop, false});
    }
    wake();
    return id;
}

int Mixer::PlayMusic(std::shared_ptr<MusicState> music) {
    if (!music || !music->loaded) return 0;
    std::shared_ptr<MusicState> previous;
    int id = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        previous = std::exchange(m_music, std::move(music));
        m_musicPaused = false;
        id = m_musicId = nextId();
    }
    wake();
    return id;
}

int Mixer::PlayingSoundCount() {
    std::lock_guard<std::mutex> guard(m_lock);
    return int(m_voices.size());
}

bool Mixer::HasChannel(int id) {
    if (id == 0) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (id == m_musicId && m_music && !m_music->released) return true;
    return std::any_of(m_voices.begin(), m_voices.end(), [&](const Voice& v) { return v.id == id; });
}

void Mixer::SetPaused(int id, bool paused) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (id == m_musicId) m_musicPaused = paused;
        for (Voice& voice : m_voices)
            if (voice.id == id) voice.paused = paused;
    }
    if (!paused) wake();
}

void Mixer::Stop(int id) {
    std::shared_ptr<MusicState> stopped;
    std::lock_guard<std::mutex> guard(m_lock);
    if (id == m_musicId && m_music) {
        stopped = std::move(m_music);
        m_musicId = 0;
    }
    std::erase_if(m_voices, [&](const Voice& v) { return v.id == id; });
}

void Mixer::StopSounds() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_voices.clear();
}

void Mixer::SetSoundVolume(int volume) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_soundVolume = std::clamp(volume, 0, 64);
    }
    wake();
}

void Mixer::SetMusicVolume(int volume) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_musicVolume = std::clamp(volume, 0, 64);
    }
    wake();
}

void Mixer::SetSuspended(bool suspended) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_suspended = suspended;
    }
    if (!suspended) wake();
}

bool Mixer::musicMixedLocked() const {
    if (!m_music || m_musicPaused || m_music->released) return false;
    // Music that loops at no volume is never heard; music that ends plays on to its end at any
    // volume, for the game to see it end.
    return m_musicVolume > 0 || !m_music->loop;
}

bool Mixer::silentLocked() const {
    if (m_suspended) return true;
    if (musicMixedLocked()) return false;
    // A sound that ends plays on to its end at any volume, for the game to see it end; one that
    // loops at no volume is never heard.
    return std::all_of(m_voices.begin(), m_voices.end(),
                       [&](const Voice& v) { return v.paused || (v.loop && v.volume * m_soundVolume == 0); });
}

bool Mixer::Silent() {
    std::lock_guard<std::mutex> guard(m_lock);
    return silentLocked();
}

void Mixer::Render(int16_t* out, int frames) {
    std::shared_ptr<MusicState> finished;  // freed after the lock is let go
    std::lock_guard<std::mutex> guard(m_lock);
    const size_t samples = size_t(frames) * 2;
    if (m_suspended) {
        std::fill(out, out + samples, 0);
        return;
    }
    m_accumulator.assign(samples, 0);

    for (Voice& voice : m_voices) {
        if (voice.paused) continue;
        const std::vector<int16_t>& source = voice.data->frames;
        const int32_t gain = voice.volume * m_soundVolume;  // 0 .. 4096
        for (int f = 0; f < frames && !source.empty(); ++f) {
            if (voice.position >= source.size()) {
                if (!voice.loop) break;
                voice.position = 0;
            }
            int32_t value = source[voice.position++] * gain / 4096;
            m_accumulator[2 * f] += value;
            m_accumulator[2 * f + 1] += value;
        }
    }
    std::erase_if(m_voices, [](const Voice& v) { return !v.loop && v.position >= v.data->frames.size(); });

    if (m_music && m_music->released) {
        finished = std::move(m_music);
        m_musicId = 0;
    }
    if (musicMixedLocked()) {
        m_musicBuffer.resize(samples);
        int loops = m_music->loop ? 0 : 1;  // 0: play again and again
        if (xmp_play_buffer(m_music->context, m_musicBuffer.data(), int(samples * sizeof(int16_t)), loops) == 0) {
            for (size_t i = 0; i < samples; ++i) m_accumulator[i] += m_musicBuffer[i] * m_musicVolume / 64;
        } else {
            finished = std::move(m_music);
            m_musicId = 0;
        }
    }

    for (size_t i = 0; i < samples; ++i) out[i] = int16_t(std::clamp<int32_t>(m_accumulator[i], -32768, 32767));
}

}  // namespace platform::audio
