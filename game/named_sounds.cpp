// Sounds by name: the interface's clicks and every sound that data names.
#include "game/game_data.h"

int SGameData::PlaySound(const char* name, int volume) { return name ? m_soundTable.PlaySound(name, volume) : 0; }
