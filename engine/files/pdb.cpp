#include "engine/files/pdb.h"

#include <cstring>

#include "engine/base/byte_order.h"
#include "engine/files/unix_time.h"

void SPdbHeader::Init() {
    *this = SPdbHeader{};
    std::strcpy(name, "db");
    attributes = 8;
    version = 1;
    creationDate = modificationDate = GetPalmTime();
    std::memcpy(type, "    ", 4);
    std::memcpy(creator, "    ", 4);
}

void SPdbHeader::ReadFrom(const uint8_t* b) {
    std::memcpy(name, b, 32);
    name[31] = '\0';
    attributes = ReadBE16(b + 32);
    version = ReadBE16(b + 34);
    creationDate = ReadBE32(b + 36);
    modificationDate = ReadBE32(b + 40);
    backupDate = ReadBE32(b + 44);
    modificationNumber = ReadBE32(b + 48);
    appInfo = ReadBE32(b + 52);
    sortInfo = ReadBE32(b + 56);
    std::memcpy(type, b + 60, 4);
    std::memcpy(creator, b + 64, 4);
    uniqueIdSeed = ReadBE32(b + 68);
    nextRecordList = ReadBE32(b + 72);
    recordCount = ReadBE16(b + 76);
}

void SPdbHeader::WriteTo(uint8_t* b) const {
    std::memcpy(b, name, 32);
    WriteBE16(b + 32, attributes);
    WriteBE16(b + 34, version);
    WriteBE32(b + 36, creationDate);
    WriteBE32(b + 40, modificationDate);
    WriteBE32(b + 44, backupDate);
    WriteBE32(b + 48, modificationNumber);
    WriteBE32(b + 52, appInfo);
    WriteBE32(b + 56, sortInfo);
    std::memcpy(b + 60, type, 4);
    std::memcpy(b + 64, creator, 4);
    WriteBE32(b + 68, uniqueIdSeed);
    WriteBE32(b + 72, nextRecordList);
    WriteBE16(b + 76, recordCount);
}

std::string CompletePdbName(const char* name) {
    std::string completed = name ? name : "";
    if (completed.find(".pdb") == std::string::npos) completed += ".pdb";
    return completed;
}

SPdb::SPdb() { m_header.Init(); }

SPdb::~SPdb() { Close(); }

bool SPdb::fail(std::string what, std::optional<uint16_t> record, std::string contents) {
    m_error = {m_path, record, std::move(contents), {}, std::move(what)};
    Close();
    return false;
}

bool SPdb::Open(const char* name, const char* creator) {
    Close();
    const SFileFolder programFolder = m_folder ? *m_folder : SFileFolder();
    const SFileFolder& folder = programFolder;
    std::string completed = CompletePdbName(name);
    m_path = folder.Resolve(completed.c_str());
    m_error = {};

    m_file = FileOpen(folder, completed.c_str());
    if (m_file == nullptr) return fail("the file cannot be opened");
    uint64_t fileSize = FileSize(m_file);
    uint8_t header[kPdbHeaderSize];
    if (fileSize < kPdbHeaderSize || !FileReadAt(m_file, 0, kPdbHeaderSize, header))
        return fail("too short for a database header");
    m_header.ReadFrom(header);

    const char* expected = creator ? creator : kPackageCreator;
    if (!HasCreator(expected)) return fail("its creator is not \"" + std::string(expected, 4) + "\"");
    return readEntries(fileSize);
}

// Every offset must lie inside the file and none may run backwards, so that no size can wrap and no
// record read can leave the file.
bool SPdb::readEntries(uint64_t fileSize) {
    uint32_t count = m_header.recordCount;
    uint64_t tableEnd = kPdbHeaderSize + uint64_t(count) * kPdbEntrySize;
    if (tableEnd > fileSize)
        return fail("the record table of " + std::to_string(count) + " records runs past the end of the file");

    std::vector<uint8_t> table(count * kPdbEntrySize);
    if (count > 0 && !FileReadAt(m_file, kPdbHeaderSize, uint32_t(table.size()), table.data()))
        return fail("the record table cannot be read");

    m_entries.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = table.data() + i * kPdbEntrySize;
        Entry& entry = m_entries[i];
        entry.offset = ReadBE32(e);
        entry.id = uint16_t((e[6] << 8) | e[7]);
        uint32_t lowest = i == 0 ? uint32_t(tableEnd) : m_entries[i - 1].offset;
        if (entry.offset < lowest || entry.offset > fileSize)
            return fail("has offset " + std::to_string(entry.offset) + ", outside " + std::to_string(lowest) + ".." +
                            std::to_string(fileSize),
                        entry.id, "entry " + std::to_string(i) + " of the record table");
        if (i > 0) m_entries[i - 1].size = entry.offset - m_entries[i - 1].offset;
    }
    if (count > 0) m_entries.back().size = uint32_t(fileSize - m_entries.back().offset);
    return true;
}

std::unique_ptr<SPdbRecord> SPdb::LoadRecord(uint16_t id) {
    for (const Entry& entry : m_entries) {
        if (entry.id != id) continue;
        auto record = std::make_unique<SPdbRecord>();
        record->bytes.resize(entry.size);
        if (entry.size > 0 && !FileReadAt(m_file, entry.offset, entry.size, record->bytes.data())) {
            m_error = RecordFault(id, "", "cannot be read");
            return nullptr;
        }
        return record;
    }
    return nullptr;
}

SReadError SPdb::RecordFault(uint16_t id, std::string contents, std::string what,
                             std::optional<uint32_t> offset) const {
    return {m_path, id, std::move(contents), offset, std::move(what)};
}

bool SPdb::IsSaveGame() const { return std::memcmp(m_header.type, kSaveTag, 4) == 0; }

bool SPdb::HasCreator(const char* tag) const { return std::memcmp(m_header.creator, tag, 4) == 0; }

void SPdb::Close() {
    if (m_file) FileClose(m_file);
    m_file = nullptr;
    m_entries.clear();
}
