#pragma once
// SSkyType: a sky the 3-D view can show, for a time of day and a weather roll.
#include <cstdint>

#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;
struct SPictureEntry;

struct SSkyType {
    enum Kind : uint8_t { kDay = 1, kNight = 2, kDawnOrDusk = 4 };

    // Names are read as copies of their own: the table keeps no package records.
    SSkyType() { name.SetOwned(); }
    SSkyType(const SSkyType&) = delete;
    SSkyType& operator=(const SSkyType&) = delete;

    const SName& NameKey() const { return name; }
    // The sky record, both ways: tag 'A' (skipped on reading only when present), name, from data
    // version 39 the picture name (the name serves when it is empty or absent), kind, key, from
    // version 32 the fog colour and visibility, from version 76 the cloud scroll.
    void Serialize(SArchive& archive, int version);

    SName name;
    SString pictureName;
    uint8_t kind = kDay;
    uint8_t key = 0;  // the weather roll 0 .. 100 this sky suits
    int8_t cloudScroll = 0;
    uint16_t fogColour = 0;
    uint8_t visibility = 100;  // percent
    // The picture in the resource cache, once the table's pictures are loaded; null without one.
    SPictureEntry* picture = nullptr;
};
