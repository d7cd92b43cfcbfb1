#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/module_header.h"
#include "engine/base/name.h"
#include "engine/packages/record_list.h"

class SArchive;
struct SRecordCursor;

// A song: a four-channel module header and patterns, played over the samples of a bank.
struct SMusicSong {
    std::string name;
    std::string bankName;
    SModuleHeaderBytes header{};
    uint16_t value = 0;        // kept as read; nothing plays it
    uint16_t patternSize = 0;  // S, bytes per pattern
    std::vector<std::vector<uint8_t>> patterns;

    SNameView NameKey() const { return SNameView(name.c_str()); }

    // The song's first record, both ways: name, bank name, pattern count, the kept value and the
    // pattern size. Reading sizes the pattern list by the count.
    void SerializeHead(SArchive& archive);
    // The first record, the module header's record and one record per pattern. False, with the
    // cursor's error naming the record, when a record is missing or cut short, when the header's
    // song length exceeds its 128 order entries, or when a pattern record is shorter than the
    // pattern size.
    bool Load(SRecordCursor& cursor, const char* what);
    // The same records: each pattern exactly the pattern size, zeros where the block is shorter.
    void Write(SRecordList& records);
};
