#pragma once
// SMapObjectItems: what map objects need of items: the item containers of a map, reached by
// container id, and the item types, found by name. The item database and the maps' containers
// answer it; the map-object type table is given one.
#include <cstdint>

class SItemType;
class SMap;

class SMapObjectItems {
public:
    virtual ~SMapObjectItems() = default;

    // How many items of the named type the map's container holds; 0 when the map has no such
    // container or no item type has the name.
    virtual uint32_t CountInContainer(SMap& map, uint8_t containerId, const char* itemType) = 0;
    // `amount` as a script gave it. Nothing happens without the container or the item type.
    virtual void AddToContainer(SMap& map, uint8_t containerId, const char* itemType, int32_t amount) = 0;
    virtual void RemoveFromContainer(SMap& map, uint8_t containerId, const char* itemType, int32_t amount) = 0;
    // The ingredient (item class 7) of that name, or null.
    virtual SItemType* FindIngredient(const char* name) = 0;
};
