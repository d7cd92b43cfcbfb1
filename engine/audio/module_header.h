#pragma once
// The 1,084-byte header of a four-channel module file, which banks and songs each keep: title,
// 31 sample headers of 30 bytes, song length, restart byte, order table and format tag.
#include <array>
#include <cstddef>
#include <cstdint>

class SArchive;

constexpr size_t kModuleHeaderSize = 1084;
constexpr int kModuleSamples = 31;
constexpr size_t kModuleSongLengthAt = 950;
constexpr size_t kModuleOrderEntries = 128;

using SModuleHeaderBytes = std::array<uint8_t, kModuleHeaderSize>;

// The header as a package record stores it, both ways. Its u16 fields are copied byte for byte, so
// they stay big-endian, yet aligned to 2 from the record start like every u16: a header that
// starts at an odd offset carries one pad byte, before the first sample length.
void SerializeModuleHeader(SArchive& archive, SModuleHeaderBytes& header);
