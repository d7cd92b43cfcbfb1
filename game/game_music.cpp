#include "game/game_music.h"

#include "data/sound_table.h"
#include "engine/audio/sound.h"

void SGameMusic::Play(const char* name) {
    if (m_name == name && !m_stopped) {
        if (m_paused && m_sound) m_sound->ResumeChannel(m_channel);
        m_paused = false;
        return;
    }
    m_paused = false;
    m_stopped = false;
    m_name = name;
    if (m_channel > 0 && m_sound) m_sound->StopChannel(m_channel);
    m_channel = m_songs ? m_songs->PlayMusic(name) : 0;
}

void SGameMusic::Pause() {
    if (m_channel == -1) return;
    m_paused = true;
    if (m_channel > 0 && m_sound) m_sound->PauseChannel(m_channel);
}

void SGameMusic::Stop() {
    if (m_channel == -1) return;
    m_stopped = true;
    if (m_channel > 0 && m_sound) m_sound->StopChannel(m_channel);
}
