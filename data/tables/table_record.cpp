#include "data/tables/table_record.h"

#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

bool ReadTableRecord(SRecordCursor& cursor, SModuleTable table, const std::function<std::string(SArchive&)>& read,
                     std::unique_ptr<SPdbRecord>* kept) {
    const char* what = TableName(table);
    SArchive archive;
    auto record = cursor.TakeInto(archive, what);
    if (!record) return false;
    const std::string fault = read(archive);
    if (!cursor.CheckRead(archive, what)) return false;
    if (!fault.empty()) return cursor.Fail(what, fault);
    if (kept) *kept = std::move(record);
    return true;
}
