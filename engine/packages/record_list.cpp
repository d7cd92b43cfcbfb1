#include "engine/packages/record_list.h"

#include "engine/base/archive.h"

void AppendRecord(SRecordList& records, const std::function<void(SArchive&)>& serialize) {
    SArchive archive;
    archive.OpenWrite();
    serialize(archive);
    records.emplace_back(archive.Data(), archive.Data() + archive.GetSize());
}

SRecordList WriteOneRecord(const std::function<void(SArchive&)>& serialize) {
    SRecordList records;
    AppendRecord(records, serialize);
    return records;
}
