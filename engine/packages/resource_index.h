#pragma once
// The two index records a data package lists its named pictures and palettes in. The picture index
// is followed by its pictures' records, then the palette index by its palettes' records, so each
// entry's record id is the index's id plus its position.
#include <cstdint>
#include <vector>

class SArchive;
class SPdbWriter;

struct SPictureIndexEntry {
    const char* name = nullptr;  // points into the index record when read
    uint32_t size = 0;
    uint16_t recordId = 0;
    void Serialize(SArchive& archive);
};

struct SPaletteIndexEntry {
    const char* name = nullptr;
    const char* secondText = nullptr;
    uint16_t value = 0;
    uint16_t recordId = 0;
    void Serialize(SArchive& archive);
};

// Picture and palette records begin with four bytes the game skips.
constexpr uint32_t kResourceRecordPrefix = 4;

constexpr uint8_t kPictureIndexTag = '<';
constexpr uint8_t kPaletteIndexTag = '=';

// An index record: its tag, an aligned u16 count and the entries.
template <typename Entry>
void SerializeIndex(SArchive& archive, uint8_t tag, std::vector<Entry>& entries);

// A named record for the writer: its name and its bytes (a picture record or an RGB565 table).
struct SNamedResource {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* secondText = "";  // palettes only
    uint16_t value = 0;           // palettes only
};

// Writes both indexes and their records from `id` on, as a package lays them out; `id` ends as the
// next free record id.
void WriteResourceIndex(SPdbWriter& writer, uint16_t& id, const std::vector<SNamedResource>& pictures,
                        const std::vector<SNamedResource>& palettes);
