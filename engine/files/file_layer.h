#pragma once
// The game's files: names resolved against the program folder, and the few operations the
// database files need.
#include <cstdint>
#include <string>

#include "platform/files.h"

// Where relative file names lead. One per game object; every database file is given it.
class SFileFolder {
public:
    explicit SFileFolder(std::string programFolder);
    SFileFolder();  // the platform's program folder

    const std::string& ProgramFolder() const { return m_programFolder; }
    // A name with a path separator is used as it stands; any other (also an empty one) is joined
    // to the program folder.
    std::string Resolve(const char* name) const;

private:
    std::string m_programFolder;  // ends in '/'
};

using SFileHandle = platform::File*;

SFileHandle FileOpen(const SFileFolder& folder, const char* name);
SFileHandle FileCreate(const SFileFolder& folder, const char* name);
bool FileReadAt(SFileHandle file, uint64_t offset, uint32_t size, void* buffer);
bool FileWrite(SFileHandle file, uint32_t size, const void* bytes);
uint64_t FileSize(SFileHandle file);  // 0 for no file
bool FileClose(SFileHandle file);
bool FileDelete(const SFileFolder& folder, const char* name);
bool FileExists(const SFileFolder& folder, const char* name);
