#pragma once
// SGameMusic: the one piece of music the game plays at a time, chosen by name. Asking again for
// the piece that plays leaves it playing (a paused one goes on where it stopped); another name, or
// any name after a stop, starts that piece from its beginning. The play screen chooses its pieces
// by where the player is; the menus ask for theirs by name.
#include <string>

class SSound;
class SSoundTable;

class SGameMusic {
public:
    void Attach(SSound* sound, SSoundTable* songs) {
        m_sound = sound;
        m_songs = songs;
    }
    // An unknown name stops what plays and plays nothing.
    void Play(const char* name);
    void Pause();
    // Before the packages that hold the songs close: the next Play starts afresh.
    void Stop();

    const std::string& Name() const { return m_name; }
    // The sound library's channel: -1 before any piece was asked for, 0 when the last one could
    // not play.
    int Channel() const { return m_channel; }
    bool Paused() const { return m_paused; }

private:
    SSound* m_sound = nullptr;
    SSoundTable* m_songs = nullptr;
    std::string m_name;
    int m_channel = -1;
    bool m_paused = false;
    bool m_stopped = false;
};
