#pragma once
// SQuest: a quest of the world data: the name scripts give it, the title the player reads and its
// text.
#include <cstdint>

#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;

struct SQuest {
    // Names are read as copies of their own: the table keeps no package records.
    SQuest() { name.SetOwned(); }
    SQuest(const SQuest&) = delete;
    SQuest& operator=(const SQuest&) = delete;

    const SName& NameKey() const { return name; }
    // The quest record, both ways: tag 9 (skipped on reading only when present), name, title, text.
    void Serialize(SArchive& archive, int version);

    SName name;
    SString title;
    SString text;
};
