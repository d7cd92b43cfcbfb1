#pragma once
// The saved game's name tables as the fuzz targets give them: no names at all, so that every saved
// creature and item is read past and dropped, and saves written with them name nothing.
#include "data/maps/map_save_names.h"

class SEmptySaveNames : public SMapSaveNames {
public:
    uint16_t InternItemType(const char*) override { return 0; }
    SItemType* GetItemType(uint16_t) const override { return nullptr; }
    uint16_t InternMonster(const SMonster&) override { return 0; }
    SMonster* GetMonster(uint16_t) const override { return nullptr; }
};
