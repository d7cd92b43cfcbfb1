#pragma once
// SNamedScript: a compiled script of the world data that the game runs by its name.
#include <cstdint>
#include <vector>

#include "engine/base/name.h"

class SArchive;

struct SNamedScript {
    // The name and the program are read as copies of their own: the interpreter counts alignments
    // from the program's start and checks every read against its length.
    SNamedScript() { name.SetOwned(); }
    SNamedScript(const SNamedScript&) = delete;
    SNamedScript& operator=(const SNamedScript&) = delete;

    const SName& NameKey() const { return name; }
    // The script's record, both ways: tag '(' (skipped on reading only when present), name, from
    // data version 52 the kept value, then the program as a counted blob (at most 65,535 bytes).
    void Serialize(SArchive& archive, int version);

    SName name;
    uint8_t value = 5;  // kept as read; the script engine's to interpret
    std::vector<uint8_t> program;
};
