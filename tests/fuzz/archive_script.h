#pragma once
// A fuzz input for SArchive: a record and a script of reads to run over it. The input is the record,
// then the script's operation bytes in reverse, then their count, so that a mutated input keeps a
// script at its end. The seed writer makes records by running a script in the writing direction.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class SArchive;

enum class SArchiveOp : uint8_t {
    U8,
    Tag,
    U16,
    I16,
    U32,
    I32,
    Bytes,
    CStr,
    CStrCopy,
    SString,
    Name,
    Blob,
    Align2,
    Align4,
    Skip,
    Count
};

// What one operation read or is to write: a number, or a text or bytes.
struct SArchiveValue {
    uint32_t number = 0;
    std::string text;
    bool operator==(const SArchiveValue&) const = default;
};

// Runs the script over the archive in its direction. Reading appends what each operation read to
// values; writing takes each operation's value from values in turn (a tag is written only when its
// value is 1). Operation bytes beyond the known ones wrap around.
void RunArchiveScript(SArchive& archive, std::span<const uint8_t> script, std::vector<SArchiveValue>& values);

// Splits a fuzz input into its record and its script.
void SplitArchiveInput(std::span<const uint8_t> input, std::span<const uint8_t>& record, std::vector<uint8_t>& script);
// The fuzz input for a record and a script.
std::vector<uint8_t> JoinArchiveInput(std::span<const uint8_t> record, std::span<const uint8_t> script);
