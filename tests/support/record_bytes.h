#pragma once
// Records built and read back through the game's own serialize routines, for round trips and for
// breaking one field of a valid record.
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/base/archive.h"

// The bytes `write` puts into a fresh archive.
inline std::vector<uint8_t> WrittenBytes(const std::function<void(SArchive&)>& write) {
    SArchive archive;
    archive.OpenWrite();
    write(archive);
    return {archive.Data(), archive.Data() + archive.GetSize()};
}

// Reads the bytes through `read`. Answers how many were read, or -1 when `read` ran past their end.
inline int ReadBytes(const std::vector<uint8_t>& bytes, const std::function<void(SArchive&)>& read) {
    SArchive archive;
    archive.OpenRead(bytes.data(), uint32_t(bytes.size()));
    read(archive);
    return archive.Failed() ? -1 : int(archive.GetSize());
}
