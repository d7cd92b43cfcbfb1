#include "screens/play/state_game.h"

#include "game/game_data.h"

void SStateGame::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_entered = 1;
    if (m_game) m_game->m_gameRunning = true;
}

SStateGame* SStateGame::Of(const SGameData& game) { return dynamic_cast<SStateGame*>(game.Screen(kPlayScreen)); }

void SStateGame::StopAmbientSounds(bool pauseMusic) {
    ++m_ambientStops;
    m_musicPaused = m_musicPaused || pauseMusic;
}

void SStateGame::QueueMessage(const char* text, uint32_t buttons, const char* sound) {
    m_queuedMessages.push_back({text ? text : "", buttons, sound ? sound : ""});
}

void SStateGame::QueueTravelToCoords(const char* package, const char* map, uint8_t x, uint8_t y, uint8_t direction,
                                     uint32_t transition) {
    m_queuedTravels.push_back({package ? package : "", map ? map : "", x, y, direction, transition});
}

void SStateGame::TravelToPosition(const char* position, uint32_t) {
    m_positionTravels.emplace_back(position ? position : "");
}
