#pragma once
// A table's records written as a package and opened again, so that a loader takes them through a
// cursor as it would from a real package, with the record ids and the padding that come back.
#include <memory>
#include <string>

#include "engine/files/pdb.h"
#include "engine/packages/record_cursor.h"
#include "engine/packages/record_list.h"
#include "support/package_builder.h"
#include "support/temp_folder.h"

class RecordPackageTest : public TempFolderTest {
protected:
    static constexpr uint16_t kFirstRecord = 100;

    // Records from kFirstRecord on in "Records.pdb"; the cursor starts at the first.
    SRecordCursor& OpenRecords(const SRecordList& records, int version) {
        std::vector<STestRecord> numbered;
        for (size_t i = 0; i < records.size(); ++i) numbered.push_back({uint16_t(kFirstRecord + i), records[i]});
        EXPECT_TRUE(WriteTestPackage(folder, "Records", numbered));
        file = std::make_unique<SPdb>();
        file->Attach(folder);
        EXPECT_TRUE(file->Open("Records"));
        cursor = std::make_unique<SRecordCursor>(SRecordCursor{*file, kFirstRecord, version, {}});
        return *cursor;
    }

    // The message the last load failed with.
    std::string Refusal() const { return cursor ? cursor->error.Message() : ""; }

    SFileFolder folder{Folder()};
    std::unique_ptr<SPdb> file;
    std::unique_ptr<SRecordCursor> cursor;
};
