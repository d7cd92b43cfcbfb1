#pragma once
// The files a fuzz target hands its reader. Readers of databases and of the registry open files by
// name, so each input is written to a folder of the target's own, in memory (/dev/shm) where the
// machine has one, so that a run costs little. The folder is removed when the target ends.
#include <cstddef>
#include <cstdint>
#include <string>

// The folder, ending in '/'; made on first use, and $BRIMVALE_HOME points at it from then on so
// that the registry lies there too.
const std::string& FuzzFolder();
// Writes the bytes as the whole file `name` in the folder and answers its path.
std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size);
