#include "engine/files/pdb_writer.h"

#include <cstring>

#include "engine/base/archive.h"
#include "engine/base/byte_order.h"

namespace {
constexpr uint32_t alignUp4(uint32_t n) { return (n + 3) & ~3u; }
constexpr uint32_t kRecordTrailer = 2;  // every record is followed by two zero bytes
}  // namespace

SPdbWriter::SPdbWriter() { m_header.Init(); }

void SPdbWriter::InitSaveHeader(const char* name) {
    m_header.Init();
    std::memset(m_header.name, 0, sizeof m_header.name);
    std::strncpy(m_header.name, name ? name : "", sizeof m_header.name - 1);
    SetTypeAndCreator(kSaveTag, kSaveTag);
}

void SPdbWriter::SetTypeAndCreator(const char* type, const char* creator) {
    std::memcpy(m_header.type, type, 4);
    std::memcpy(m_header.creator, creator, 4);
}

void SPdbWriter::AddRecord(uint16_t id, const void* bytes, uint32_t size) {
    auto* first = static_cast<const uint8_t*>(bytes);
    m_records.push_back({id, std::vector<uint8_t>(first, first + size)});
    m_header.recordCount = uint16_t(m_records.size());
}

void SPdbWriter::AddRecordFromArchive(uint16_t id, const SArchive& archive) {
    AddRecord(id, archive.Data(), archive.GetSize());
}

std::vector<uint8_t> SPdbWriter::Build() const {
    const uint32_t count = uint32_t(m_records.size());
    uint32_t running = kPdbHeaderSize + count * kPdbEntrySize;
    std::vector<uint32_t> offsets;
    for (const Record& record : m_records) {
        offsets.push_back(alignUp4(running));
        running = offsets.back() + uint32_t(record.bytes.size()) + kRecordTrailer;
    }

    std::vector<uint8_t> file(running, 0);
    m_header.WriteTo(file.data());
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t* entry = file.data() + kPdbHeaderSize + i * kPdbEntrySize;
        WriteBE32(entry, offsets[i]);
        entry[6] = uint8_t(m_records[i].id >> 8);
        entry[7] = uint8_t(m_records[i].id);
        std::copy(m_records[i].bytes.begin(), m_records[i].bytes.end(), file.begin() + offsets[i]);
    }
    return file;
}

bool SPdbWriter::Write(const char* name) {
    const std::vector<uint8_t> bytes = Build();
    return platform::ReplaceFileContents(folder().Resolve(CompletePdbName(name).c_str()), bytes.data(), bytes.size());
}

bool SPdbWriter::DeleteFile(const char* name) { return FileDelete(folder(), CompletePdbName(name).c_str()); }
