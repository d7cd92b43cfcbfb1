#pragma once
// Tests write their packages with the sample data's package writer.
#include "support/record_bytes.h"
#include "tools/sampledata/sample_package.h"

using TestWorldPackage = SSamplePackage;
using TestMap = SSampleMap;
constexpr uint16_t kTestMapRecordStride = kSampleMapRecordStride;

// A table's one record as the table's own writer writes it, for TestWorldPackage::tables.
template <typename Table>
std::vector<uint8_t> TableRecord(Table& table, int version) {
    return WrittenBytes([&](SArchive& archive) { table.Write(archive, version); });
}
