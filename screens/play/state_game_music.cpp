// The play screen's music: the fight's while the fight counter runs, else the dungeon's below
// ground and the surface's by day or by night. The game's one music player keeps a piece that is
// asked for again playing, and resumes it where it was paused.
#include "game/game_data.h"
#include "screens/play/state_game.h"

void SStateGame::UpdateMusic() {
    // Another screen on top chooses its own piece.
    if (m_game->m_currentScreen != nullptr && m_game->m_currentScreen != this) return;
    const char* piece = m_fightCounter != 0 ? "bmus_fight"
                        : !OnSurface()      ? "bmus_dungeon"
                        : IsDay()           ? "bmus_surfaceday"
                                            : "bmus_surfacenight";
    m_game->m_music.Play(piece);
}

void SStateGame::StopMusic() { m_game->m_music.Stop(); }
void SStateGame::PauseMusic() { m_game->m_music.Pause(); }
