#include "engine/audio/music_song.h"

#include <algorithm>

#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

void SMusicSong::SerializeHead(SArchive& archive) {
    archive.SerializeString(name);
    archive.SerializeString(bankName);
    uint16_t count = uint16_t(patterns.size());
    archive.SerializeU16(count);
    archive.SerializeU16(value);
    archive.SerializeU16(patternSize);
    if (!archive.IsWriting()) patterns.assign(archive.Failed() ? 0 : count, {});
}

bool SMusicSong::Load(SRecordCursor& cursor, const char* what) {
    if (!cursor.Read(what, [&](SArchive& archive) { SerializeHead(archive); })) return false;
    if (!cursor.Read(what, [&](SArchive& archive) { SerializeModuleHeader(archive, header); })) return false;
    const std::string song = "song \"" + name + "\"";
    if (header[kModuleSongLengthAt] > kModuleOrderEntries)
        return cursor.Fail(what, "the module header of " + song + " plays " +
                                     std::to_string(header[kModuleSongLengthAt]) + " order entries of " +
                                     std::to_string(kModuleOrderEntries));

    for (size_t i = 0; i < patterns.size(); ++i) {
        auto record = cursor.TakeBytes(what, patternSize, "pattern " + std::to_string(i + 1) + " of " + song);
        if (!record) return false;
        patterns[i].assign(record->bytes.begin(), record->bytes.begin() + patternSize);
    }
    return true;
}

void SMusicSong::Write(SRecordList& records) {
    AppendRecord(records, [&](SArchive& archive) { SerializeHead(archive); });
    AppendRecord(records, [&](SArchive& archive) { SerializeModuleHeader(archive, header); });
    for (const std::vector<uint8_t>& pattern : patterns) {
        std::vector<uint8_t>& stored = records.emplace_back(patternSize, 0);
        std::copy_n(pattern.begin(), std::min<size_t>(pattern.size(), patternSize), stored.begin());
    }
}
