#pragma once
// SPlayScreenHost: the inventory's host when the game's play screen opened it. Messages, the
// ambient sounds and the closed container go to the play screen; a threat is near while its fight
// counter runs.
#include "screens/inventory/inventory_host.h"

class SGameData;

class SPlayScreenHost : public SInventoryHost {
public:
    void Attach(SGameData* game) { m_game = game; }

    bool UnderThreat() const override;
    void QueueMessage(const char* text, uint32_t buttons, const char* sound) override;
    void StopAmbientSounds() override;
    void ContainerClosed(SMap* map, SPlacedObject* object) override;

private:
    SGameData* m_game = nullptr;
};
