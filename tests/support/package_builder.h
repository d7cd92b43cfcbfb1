#pragma once
// Writes small database files for tests with the game's own writer.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/pdb_writer.h"

struct STestRecord {
    uint16_t id;
    std::vector<uint8_t> bytes;
};

// A data package (creator "BrVa") in `folder` with the records in the given order.
inline bool WriteTestPackage(const SFileFolder& folder, const char* name, const std::vector<STestRecord>& records) {
    SPdbWriter writer;
    writer.Attach(folder);
    writer.SetTypeAndCreator("DATA", kPackageCreator);
    for (const STestRecord& record : records)
        writer.AddRecord(record.id, record.bytes.data(), uint32_t(record.bytes.size()));
    return writer.Write(name);
}
