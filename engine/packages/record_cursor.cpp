#include "engine/packages/record_cursor.h"

#include "engine/base/archive.h"

SReadError CutShort(const SPdb& file, uint16_t id, std::string contents, const SArchive& archive) {
    return file.RecordFault(id, std::move(contents), "cut short", archive.FailedAt());
}

std::unique_ptr<SPdbRecord> SRecordCursor::Take(const char* what) {
    taken = id++;
    auto record = file.LoadRecord(taken);
    if (!record) Fail(what, "missing");
    return record;
}

std::unique_ptr<SPdbRecord> SRecordCursor::TakeInto(SArchive& archive, const char* what) {
    auto record = Take(what);
    if (record) archive.OpenRead(record->Data(), record->Size());
    return record;
}

std::unique_ptr<SPdbRecord> SRecordCursor::TakeBytes(const char* what, uint32_t size, const std::string& part) {
    auto record = Take(what);
    if (record && record->Size() < size) {
        Fail(what,
             part + " needs " + std::to_string(size) + " bytes; the record holds " + std::to_string(record->Size()));
        return nullptr;
    }
    return record;
}

bool SRecordCursor::Read(const char* what, const std::function<void(SArchive&)>& serialize) {
    SArchive archive;
    auto record = TakeInto(archive, what);
    if (!record) return false;
    serialize(archive);
    return CheckRead(archive, what);
}

bool SRecordCursor::Fail(const char* what, std::string why) {
    error = file.RecordFault(taken, what, std::move(why));
    return false;
}

bool SRecordCursor::CheckRead(const SArchive& archive, const char* what) {
    if (!archive.Failed()) return true;
    error = CutShort(file, taken, what, archive);
    return false;
}
