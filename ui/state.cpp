#include "ui/state.h"

#include "game/game_data.h"

void SState::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    Reopen();
    m_param[0] = p1;
    m_param[1] = p2;
    m_param[2] = p3;
    m_param[3] = p4;
    m_game->m_screenChanged = 1;
}

void SState::Leave() {
    m_game->m_screenChanged = 1;
    m_keep = 0;
    ClearCtrls();
}

void SState::Resume() {
    m_game->m_screenChanged = 0;
    SetDirty();
    Draw();
    ResetPenGate();
}
