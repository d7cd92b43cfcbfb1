#pragma once
// SQuestEntry: a quest the player has been given, by name, with how it stands.
#include <cstdint>

#include "engine/base/name.h"

struct SQuestEntry {
    SQuestEntry() { name.SetOwned(); }
    const SName& NameKey() const { return name; }

    SName name;
    uint8_t state = 0;  // 0 open; bit 0 solved, bit 1 failed
};
