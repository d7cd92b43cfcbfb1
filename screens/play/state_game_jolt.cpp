// The hands bob while the player walks: a jolt starts with each step and moves on with each
// walking tick.
#include "game/game_data.h"
#include "render/render.h"
#include "screens/play/state_game.h"

void SStateGame::StartJolt() { m_jolt.Start(m_game->PlayView().m_fps); }

void SStateGame::JoltHands() {
    if (!m_jolt.Step(m_game->PlayView().m_fps)) return;
    if (m_game->m_render) m_game->m_render->UpdateProjection();
    m_viewStale = 1;
}
