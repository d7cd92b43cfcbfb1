#include "screens/play/state_game.h"

#include "game/game_data.h"

void SStateGame::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_entered = 1;
    if (m_game) m_game->m_gameRunning = true;
}
