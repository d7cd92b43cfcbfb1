#pragma once
// SPlayScreenHost: the inventory's host when the game's play screen opened it. Messages and the
// ambient sounds go to the play screen's own services. The play screen keeps no fight counter and
// no container-closed notification yet, so the inventory sees no threat and the closing goes
// nowhere until it does.
#include "screens/inventory/inventory_host.h"

class SGameData;

class SPlayScreenHost : public SInventoryHost {
public:
    void Attach(SGameData* game) { m_game = game; }

    bool UnderThreat() const override { return false; }
    void QueueMessage(const char* text, uint32_t buttons, const char* sound) override;
    void StopAmbientSounds() override;
    void ContainerClosed(SMap*, SPlacedObject*) override {}

private:
    SGameData* m_game = nullptr;
};
