#pragma once
// SQuestEntry: a quest the player has been given, by name, with how it stands.
#include <cstdint>

#include "engine/base/name.h"

struct SQuestEntry {
    static constexpr uint8_t kSolved = 1;
    static constexpr uint8_t kFailed = 2;

    SQuestEntry() { name.SetOwned(); }
    const SName& NameKey() const { return name; }

    SName name;
    uint8_t state = 0;  // 0 open, else its bits
};
