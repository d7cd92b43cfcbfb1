#pragma once
// The game's only path to the sound library: sound effects at eleven volume steps, and music built
// as a module in memory.
#include <memory>

#include "engine/audio/music_module.h"
#include "engine/audio/volume.h"
#include "platform/sound_library.h"

struct SSettings;
struct SSoundType;

// Where the wrapper finds the bank that a song names: the game's sound table.
class SMusicBankSource {
public:
    // Null when there is no bank of that name.
    virtual const SMusicBank* FindBank(const char* name) const = 0;

protected:
    ~SMusicBankSource() = default;
};

// Told of every sound the game asks to start or stop, whether or not the output can play it, so
// that tests and tools can follow what the game sounds like without listening.
class SSoundListener {
public:
    virtual ~SSoundListener() = default;
    // The volume as played (0 .. 10); channel 0 when nothing could be played.
    virtual void Played(const SSoundType& sound, int volume, bool looped, int channel) = 0;
    virtual void Stopped(int channel) = 0;
    virtual void StoppedAll() = 0;
};

class SSound {
public:
    SSound();
    ~SSound();

    // Music finds its banks here from now on; until then every song misses its bank.
    void Attach(const SMusicBankSource* banks) { m_banks = banks; }
    // Opens the output and sets the volumes from the settings' levels.
    void Open(SSettings& settings);
    // Levels 0 .. 10 (others are clamped), stored in the settings and given to the library as 0 .. 64.
    void SetVolumes(int soundLevel, int musicLevel);
    // Volume 0 .. 10 (others are clamped). Answers the channel, 0 when nothing plays.
    int Play(SSoundType& sound, int volume);
    int PlayLooped(SSoundType& sound, int volume);
    // Plays a song over the bank it names, looped; 0 when it cannot play (no such bank among
    // those attached, or a song that does not fit its bank).
    int PlayMusic(const SMusicSong& song);
    void ResumeChannel(int channel);
    void PauseChannel(int channel);
    void StopChannel(int channel);
    void StopAllSounds();
    // The window lost or regained activation.
    void Suspend();
    void Resume();
    // Null stops telling.
    void SetListener(SSoundListener* listener) { m_listener = listener; }

    const SMusicModule& Module() const { return m_module; }
    platform::Speaker* Speaker() { return m_speaker.get(); }

private:
    int play(SSoundType& sound, int volume, bool loop);
    int playOnSpeaker(SSoundType& sound, int volume, bool loop);

    SSettings* m_settings = nullptr;
    const SMusicBankSource* m_banks = nullptr;
    std::unique_ptr<platform::Speaker> m_speaker;
    SMusicModule m_module;
    std::unique_ptr<platform::Music> m_music;
    int m_soundScale = 10;
    SSoundListener* m_listener = nullptr;
};

// A level or step 0 .. 10 as the library's volume 0 .. 64.
constexpr int LibraryVolume(int level) { return level * 64 / 10; }
