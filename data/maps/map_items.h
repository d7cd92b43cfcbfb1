#pragma once
// SMapItems: the items in the maps' containers as map objects and their scripts ask for them, by
// item-type name through the item database.
#include <cstdint>

#include "data/map_objects/map_object_items.h"

class SItemDatabase;
class SRandom;

class SMapItems : public SMapObjectItems {
public:
    SMapItems(const SItemDatabase& items, SRandom& random) : m_items(items), m_random(random) {}

    uint32_t CountInContainer(SMap& map, uint8_t containerId, const char* itemType) override;
    // New items at full condition; an amount below 1 adds none.
    void AddToContainer(SMap& map, uint8_t containerId, const char* itemType, int32_t amount) override;
    void RemoveFromContainer(SMap& map, uint8_t containerId, const char* itemType, int32_t amount) override;
    SItemType* FindIngredient(const char* name) override;

private:
    const SItemDatabase& m_items;
    SRandom& m_random;
};
