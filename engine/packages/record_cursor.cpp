#include "engine/packages/record_cursor.h"

#include "engine/base/archive.h"

std::string RecordError(uint16_t recordId, const char* what, const std::string& why) {
    return "record " + std::to_string(recordId) + " (" + what + "): " + why;
}

std::string CutShort(const SArchive& archive) { return "cut short at byte " + std::to_string(archive.FailedAt()); }

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

bool SRecordCursor::Fail(const char* what, const std::string& why) {
    error = RecordError(taken, what, why);
    return false;
}

bool SRecordCursor::CheckRead(const SArchive& archive, const char* what) {
    return !archive.Failed() || Fail(what, CutShort(archive));
}
