#pragma once
// Files of the device: the program folder and whole-file operations. Paths are UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

struct File;

// The folder beside the program where data packages and saved games live, ending in '/'.
// $BRIMVALE_HOME when set, else $XDG_DATA_HOME/brimvale (~/.local/share/brimvale); created when
// missing.
std::string ProgramFolder();

File* OpenFileForReading(const std::string& path);
// Creates the file, or empties it when it exists.
File* CreateFileForWriting(const std::string& path);
// Reads exactly `size` bytes at `offset`; false on a short read or an error.
bool ReadFileAt(File* file, uint64_t offset, void* buffer, size_t size);
// Appends exactly `size` bytes; false when not all of them were written.
bool WriteToFile(File* file, const void* bytes, size_t size);
uint64_t FileSizeOf(File* file);
// Closes the file; false when data written to it may not have reached the disk.
bool CloseFile(File* file);
bool DeleteFile(const std::string& path);
// Makes the bytes the whole new contents of `path` in one step: they go to a temporary file beside
// it, which is flushed to the disk and only then renamed over `path`. A crash or a power loss at any
// moment leaves either the old file or the new one. False, with the old file untouched, when
// anything fails.
bool ReplaceFileContents(const std::string& path, const void* bytes, size_t size);

}  // namespace platform
