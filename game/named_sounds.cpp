// Sounds by name: the interface's clicks and every sound that data names.
#include "game/game_data.h"

int SGameData::PlaySound(const char* name, int volume) {
    SSoundType* sound = m_findSound && name ? m_findSound(name) : nullptr;
    if (sound == nullptr || !m_sound) return 0;
    return m_sound->Play(*sound, volume);
}
