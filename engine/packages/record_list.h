#pragma once
// The writing side of a record cursor: the records a table's writer gives, in the order its loader
// takes them back from a package. Tests and the sample data place them in packages.
#include <cstdint>
#include <functional>
#include <vector>

class SArchive;

using SRecordList = std::vector<std::vector<uint8_t>>;

// Writes the next record through serialize, which gets an archive opened for writing.
void AppendRecord(SRecordList& records, const std::function<void(SArchive&)>& serialize);
// The list of the one record serialize writes.
SRecordList WriteOneRecord(const std::function<void(SArchive&)>& serialize);
