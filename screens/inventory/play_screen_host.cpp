#include "screens/inventory/play_screen_host.h"

#include "screens/play/state_game.h"

void SPlayScreenHost::QueueMessage(const char* text, uint32_t buttons, const char* sound) {
    if (SStateGame* play = SStateGame::Of(*m_game)) play->QueueMessage(text, buttons, sound);
}

void SPlayScreenHost::StopAmbientSounds() {
    if (SStateGame* play = SStateGame::Of(*m_game)) play->StopAmbientSounds(false);
}

bool SPlayScreenHost::UnderThreat() const {
    const SStateGame* play = SStateGame::Of(*m_game);
    return play != nullptr && play->m_fightCounter != 0;
}

void SPlayScreenHost::ContainerClosed(SMap* map, SPlacedObject*) {
    if (SStateGame* play = SStateGame::Of(*m_game)) play->NotifyContainerClosed(map);
}
