#pragma once
// Item types of the sample world written as one line each: the names, class and subtype, and the
// few fields a sample item needs beyond its defaults.
#include <cstdint>
#include <span>

class SItemDatabase;

struct SSampleItemType {
    const char* name;
    const char* displayName;
    uint8_t itemClass;
    uint8_t subtype;
    uint32_t value = 0;
    uint8_t flags = 0;
    uint16_t weight = 0;         // in hundredths
    const char* text = nullptr;  // what the reader shows
};

// The skill level the sample wands cast at, kept in their spell entry's magnitude per level; at 20
// enchanting prices a wand as the spell itself.
constexpr int16_t kSampleWandSkill = 20;

void AddSampleItemTypes(SItemDatabase& items, std::span<const SSampleItemType> types);
