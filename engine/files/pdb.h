#pragma once
// Palm-database files: the data packages that come with the game and the saved games it writes.
// A 78-byte big-endian header, one 8-byte entry per record, then the records, each found by a
// 16-bit id.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/base/read_error.h"
#include "engine/files/file_layer.h"

constexpr uint32_t kPdbHeaderSize = 78;
constexpr uint32_t kPdbEntrySize = 8;

struct SPdbHeader {
    char name[32];
    uint16_t attributes;
    uint16_t version;
    uint32_t creationDate;
    uint32_t modificationDate;
    uint32_t backupDate;
    uint32_t modificationNumber;
    uint32_t appInfo;
    uint32_t sortInfo;
    char type[4];
    char creator[4];
    uint32_t uniqueIdSeed;
    uint32_t nextRecordList;
    uint16_t recordCount;

    // Name "db", attributes 8, version 1, dated now, type and creator four blanks, no records.
    void Init();
    void ReadFrom(const uint8_t* bytes);  // kPdbHeaderSize bytes in file order
    void WriteTo(uint8_t* bytes) const;
};

// One record read from a database; owned by whoever loaded it.
struct SPdbRecord {
    std::vector<uint8_t> bytes;
    const uint8_t* Data() const { return bytes.data(); }
    uint32_t Size() const { return uint32_t(bytes.size()); }
};

// Creator of the game's data packages, and type and creator of its saved games.
constexpr char kPackageCreator[] = "BrVa";
constexpr char kSaveTag[] = "BrVS";

// Completes a database name: "%s.pdb" unless ".pdb" occurs in it already.
std::string CompletePdbName(const char* name);

class SPdb {
public:
    SPdb();
    ~SPdb();
    SPdb(const SPdb&) = delete;
    SPdb& operator=(const SPdb&) = delete;

    void Attach(const SFileFolder& folder) { m_folder = &folder; }
    // Opens a database whose creator is `creator` (four characters; null means "BrVa"). A missing
    // file, a wrong creator or a damaged header or record table answers false; Error() says why.
    bool Open(const char* name, const char* creator = nullptr);
    // The first record with this id; null when there is none or it cannot be read, the latter
    // also set in Error().
    std::unique_ptr<SPdbRecord> LoadRecord(uint16_t id);
    bool IsSaveGame() const;
    bool HasCreator(const char* tag) const;
    void Close();

    const SPdbHeader& Header() const { return m_header; }
    int RecordCount() const { return int(m_entries.size()); }
    const SReadError& Error() const { return m_error; }
    // The path the file was opened by, as the player would look for it.
    const std::string& Path() const { return m_path; }
    // A fault in one of this file's records, for the readers that interpret them.
    SReadError RecordFault(uint16_t id, std::string contents, std::string what,
                           std::optional<uint32_t> offset = {}) const;

private:
    struct Entry {
        uint32_t offset;
        uint32_t size;
        uint16_t id;
    };

    bool fail(std::string what, std::optional<uint16_t> record = {}, std::string contents = {});
    bool readEntries(uint64_t fileSize);

    const SFileFolder* m_folder = nullptr;
    SFileHandle m_file = nullptr;
    SPdbHeader m_header;
    std::vector<Entry> m_entries;
    std::string m_path;
    SReadError m_error;
};
