#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/module_header.h"
#include "engine/base/name.h"
#include "engine/packages/record_list.h"

class SArchive;
struct SRecordCursor;

// An instrument bank: the samples that songs play, with their headers in a four-channel module
// header of its own.
struct SMusicBank {
    // A sample above this many bytes (32,000 words) is stored in two package records.
    static constexpr uint32_t kSampleRecordBytes = 64000;

    std::string name;
    SModuleHeaderBytes header{};
    uint16_t sampleCount = 0;                   // K
    uint16_t patternSlots = 0;                  // P: patterns a module over this bank holds
    uint16_t patternUnits = 0;                  // Q: a pattern's size in 256-byte units
    std::vector<std::vector<uint8_t>> samples;  // K sample blocks

    SNameView NameKey() const { return SNameView(name.c_str()); }
    // Sample j's length in bytes, as its header in the bank's module header gives it (in words).
    uint32_t SampleBytes(int j) const;

    // The bank's first record, both ways: name, module header, sample count and, from data version
    // 66 on, the pattern slots and the pattern size.
    void SerializeHead(SArchive& archive, int version);
    // The first record, then each sample from the records after it. False, with the cursor's
    // error naming the record, when a record is missing or cut short, when the count exceeds the
    // header's 31 samples, or when a record holds less than its header's length says.
    bool Load(SRecordCursor& cursor, const char* what);
    // The same records: each sample exactly its header's length, zeros where the block is shorter.
    void Write(SRecordList& records, int version);
};

// How many bytes of a sample each of its records holds: one record (an empty sample still takes its
// record), or two above 64,000 bytes.
std::vector<uint32_t> SampleRecordSizes(uint32_t sampleBytes);
