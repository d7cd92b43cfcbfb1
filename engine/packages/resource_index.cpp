#include "engine/packages/resource_index.h"

#include "engine/base/archive.h"
#include "engine/files/pdb_writer.h"

void SPictureIndexEntry::Serialize(SArchive& archive) {
    archive.SerializeCStr(name);
    archive.SerializeU32(size);
    archive.SerializeU16(recordId);
}

void SPaletteIndexEntry::Serialize(SArchive& archive) {
    archive.SerializeCStr(name);
    archive.SerializeCStr(secondText);
    archive.SerializeU16(value);
    archive.SerializeU16(recordId);
}

template <typename Entry>
void SerializeIndex(SArchive& archive, uint8_t tag, std::vector<Entry>& entries) {
    archive.SerializeTag(tag);
    uint16_t count = uint16_t(entries.size());
    archive.SerializeU16(count);
    if (!archive.IsWriting()) entries.assign(count, Entry{});
    for (Entry& entry : entries) {
        if (archive.Failed()) break;
        entry.Serialize(archive);
    }
}

template void SerializeIndex(SArchive&, uint8_t, std::vector<SPictureIndexEntry>&);
template void SerializeIndex(SArchive&, uint8_t, std::vector<SPaletteIndexEntry>&);

namespace {

template <typename Entry>
void writeIndex(SPdbWriter& writer, uint16_t& id, uint8_t tag, const std::vector<SNamedResource>& resources,
                Entry (*makeEntry)(const SNamedResource&, uint16_t)) {
    const uint16_t indexId = id;
    std::vector<Entry> entries;
    for (size_t i = 0; i < resources.size(); ++i) entries.push_back(makeEntry(resources[i], uint16_t(indexId + 1 + i)));
    SArchive archive;
    archive.OpenWrite();
    SerializeIndex(archive, tag, entries);
    writer.AddRecordFromArchive(indexId, archive);
    for (size_t i = 0; i < resources.size(); ++i) {
        std::vector<uint8_t> record(kResourceRecordPrefix, 0);
        record.insert(record.end(), resources[i].bytes.begin(), resources[i].bytes.end());
        writer.AddRecord(entries[i].recordId, record.data(), uint32_t(record.size()));
    }
    id = uint16_t(indexId + resources.size() + 1);
}

}  // namespace

void WriteResourceIndex(SPdbWriter& writer, uint16_t& id, const std::vector<SNamedResource>& pictures,
                        const std::vector<SNamedResource>& palettes) {
    writeIndex<SPictureIndexEntry>(
        writer, id, kPictureIndexTag, pictures, [](const SNamedResource& r, uint16_t recordId) {
            return SPictureIndexEntry{r.name, uint32_t(r.bytes.size() + kResourceRecordPrefix), recordId};
        });
    writeIndex<SPaletteIndexEntry>(writer, id, kPaletteIndexTag, palettes,
                                   [](const SNamedResource& r, uint16_t recordId) {
                                       return SPaletteIndexEntry{r.name, r.secondText, r.value, recordId};
                                   });
}
