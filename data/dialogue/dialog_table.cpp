#include "data/dialogue/dialog_table.h"

#include "data/tables/table_record.h"
#include "engine/base/archive.h"
#include "engine/packages/record_cursor.h"

bool SDialogTable::Load(SRecordCursor& cursor) {
    SDialogTopicSet read;
    if (!ReadTableRecord(cursor, SModuleTable::Dialogue, [&](SArchive& archive) {
            read.Serialize(archive, cursor.version, SDialogScope::World);
            return std::string();
        }))
        return false;
    Adopt(read);
    return true;
}

SRecordList SDialogTable::Write(int version) {
    return WriteOneRecord([&](SArchive& archive) { Serialize(archive, version, SDialogScope::World); });
}
