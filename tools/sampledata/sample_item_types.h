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

void AddSampleItemTypes(SItemDatabase& items, std::span<const SSampleItemType> types);
