#include "ui/dialogs/dialog_sounds.h"

#include "game/game_data.h"

void PlayLoopedSound(SGameData& game, const char* name, int volume) {
    SSoundType* sound = game.m_soundTable.FindSound(name);
    if (sound && game.m_sound) game.m_sound->PlayLooped(*sound, volume);
}

void StopAllSounds(SGameData& game) {
    if (game.m_sound) game.m_sound->StopAllSounds();
}
