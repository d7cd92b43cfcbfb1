#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/pdb.h"

class SArchive;

// Collects records in memory and writes a whole database file in one piece.
class SPdbWriter {
public:
    SPdbWriter();

    void Attach(const SFileFolder& folder) { m_folder = &folder; }
    // A saved game's header: the name (at most 31 characters), type and creator "BrVS".
    void InitSaveHeader(const char* name);
    // Data packages carry their own type and creator (four characters each).
    void SetTypeAndCreator(const char* type, const char* creator);
    void AddRecord(uint16_t id, const void* bytes, uint32_t size);
    // The bytes the archive has written so far.
    void AddRecordFromArchive(uint16_t id, const SArchive& archive);
    // The file's exact bytes.
    std::vector<uint8_t> Build() const;
    // Writes the file under a temporary name beside it, flushes it to the disk and renames it into
    // place only then, so neither a failed save nor a crash or power loss destroys the previous
    // file. False on any failure.
    bool Write(const char* name);
    bool DeleteFile(const char* name);

    SPdbHeader& Header() { return m_header; }

private:
    struct Record {
        uint16_t id;
        std::vector<uint8_t> bytes;
    };

    SFileFolder folder() const { return m_folder ? *m_folder : SFileFolder(); }

    const SFileFolder* m_folder = nullptr;
    SPdbHeader m_header;
    std::vector<Record> m_records;
};
