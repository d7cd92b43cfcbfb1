#pragma once
// SMapObjectWallSwitch: what a lever and a secret switch share: they start off, and used they turn
// on or off with a sound of their own. The scripts read the position.
#include "data/map_objects/map_object_type.h"

class SMapObjectWallSwitch : public SMapObjectType {
public:
    void InitInstance(SPlacedObject& object) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;

protected:
    SMapObjectWallSwitch(const char* onSound, const char* offSound) : m_onSound(onSound), m_offSound(offSound) {}

private:
    const char* m_onSound;
    const char* m_offSound;
};
