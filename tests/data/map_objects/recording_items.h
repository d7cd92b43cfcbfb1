#pragma once
// Map-object items for tests: containers that note what they are asked and hold 5 of everything,
// and one ingredient that every plant finds.
#include <string>
#include <vector>

#include "data/items/item_type.h"
#include "data/map_objects/map_object_items.h"

class RecordingItems : public SMapObjectItems {
public:
    RecordingItems() { ingredient.m_name.Set("base_rosepetal"); }

    uint32_t CountInContainer(SMap&, uint8_t containerId, const char* itemType) override {
        calls.push_back("count " + std::to_string(containerId) + " " + itemType);
        return 5;
    }
    void AddToContainer(SMap&, uint8_t containerId, const char* itemType, int32_t amount) override {
        calls.push_back("add " + std::to_string(containerId) + " " + itemType + " " + std::to_string(amount));
    }
    void RemoveFromContainer(SMap&, uint8_t containerId, const char* itemType, int32_t amount) override {
        calls.push_back("remove " + std::to_string(containerId) + " " + itemType + " " + std::to_string(amount));
    }
    SItemType* FindIngredient(const char* name) override {
        calls.push_back(std::string("ingredient ") + name);
        return &ingredient;
    }

    std::vector<std::string> calls;
    SItemType ingredient;
};
