#include "fuzz/music_input.h"

#include "engine/base/archive.h"

namespace {

void text(SArchive& archive, std::string& value) {
    const char* stored = value.c_str();
    archive.SerializeCStr(stored);
    if (!archive.IsWriting()) value = stored ? stored : "";
}

// A u8 count and that many blobs.
void blocks(SArchive& archive, std::vector<std::vector<uint8_t>>& values) {
    uint8_t count = uint8_t(values.size());
    archive.SerializeU8(count);
    if (!archive.IsWriting()) values.assign(count, {});
    for (std::vector<uint8_t>& value : values) {
        const uint8_t* bytes = value.data();
        uint16_t length = uint16_t(value.size());
        archive.SerializeBlob(bytes, length);
        if (!archive.IsWriting()) value.assign(bytes, bytes + length);
    }
}

}  // namespace

void SMusicInput::Serialize(SArchive& archive) {
    text(archive, bank.name);
    archive.SerializeBytes(bank.header.data(), uint32_t(bank.header.size()));
    archive.SerializeU16(bank.sampleCount);
    archive.SerializeU16(bank.patternSlots);
    archive.SerializeU16(bank.patternUnits);
    blocks(archive, bank.samples);
    for (SMusicSong& song : songs) {
        text(archive, song.name);
        text(archive, song.bankName);
        archive.SerializeBytes(song.header.data(), uint32_t(song.header.size()));
        archive.SerializeU16(song.patternSize);
        blocks(archive, song.patterns);
    }
}
