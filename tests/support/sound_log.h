#pragma once
// Writes down every sound the game starts or stops, in order, so that a test can check what the
// game sounded like. Attach it to the game's sound output with SSound::SetListener.
#include <string>
#include <vector>

#include "engine/audio/sound.h"
#include "engine/audio/sound_type.h"

class SoundLog : public SSoundListener {
public:
    enum class Kind { kPlayed, kStopped, kStoppedAll };
    struct Entry {
        Kind kind;
        std::string name;  // of a played sound
        int volume = 0;
        bool looped = false;
        int channel = 0;  // the channel played on (0: nothing could play), or the one stopped
    };

    void Played(const SSoundType& sound, int volume, bool looped, int channel) override {
        m_entries.push_back({Kind::kPlayed, sound.name, volume, looped, channel});
    }
    void Stopped(int channel) override { m_entries.push_back({Kind::kStopped, "", 0, false, channel}); }
    void StoppedAll() override { m_entries.push_back({Kind::kStoppedAll, "", 0, false, 0}); }

    const std::vector<Entry>& Entries() const { return m_entries; }
    // The log as lines a test can compare: "bsnd_click 10", "bsnd_rain 4 looped", "stop 3", "stop all".
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const Entry& e : m_entries) {
            switch (e.kind) {
                case Kind::kPlayed:
                    lines.push_back(e.name + " " + std::to_string(e.volume) + (e.looped ? " looped" : ""));
                    break;
                case Kind::kStopped: lines.push_back("stop " + std::to_string(e.channel)); break;
                case Kind::kStoppedAll: lines.push_back("stop all"); break;
            }
        }
        return lines;
    }
    void Clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
};
